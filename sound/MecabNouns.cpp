#include "sound/MecabNouns.h"

#include "platform/core/Kana.h"

#include <mecab.h>

MecabNouns::MecabNouns(mecab_t* tagger, mecab_lattice_t* lattice)
    : m_tagger(tagger), m_lattice(lattice) {}

bool MecabNouns::knows(const QString& kana) {
    if (kana.isEmpty()) return false;
    // The dictionary lists native words mostly in hiragana and kanji, loanwords in katakana.
    if (knowsAs(Kana::toHiragana(kana), kana) || knowsAs(kana, kana)) return true;
    // Romaji often leaves a long o or u unmarked (Tofu for トウフ, Sumo for スモウ): the word
    // with one such vowel made long counts too.
    for (qsizetype i = 0; i < kana.size(); ++i) {
        if (!QStringView(u"オコソトノホモヨロゴゾドボポョウクスツヌフムユルグズヅブプュ")
                 .contains(kana[i]))
            continue;
        const QString longer = kana.left(i + 1) + u'ウ' + kana.mid(i + 1);
        if (knowsAs(Kana::toHiragana(longer), longer) || knowsAs(longer, longer)) return true;
    }
    return false;
}

bool MecabNouns::knowsAs(const QString& surface, const QString& kana) {
    const QByteArray utf8 = surface.toUtf8();
    mecab_lattice_set_sentence2(m_lattice, utf8.constData(), size_t(utf8.size()));
    if (!mecab_parse_lattice(m_tagger, m_lattice)) return false;
    // Any entry spanning the whole word counts, not only the one the best path takes: the
    // question is whether Japanese has the word at all. A verb's stem (ホメ of 褒める) is no
    // name and does not count.
    for (const mecab_node_t* n = mecab_lattice_get_begin_nodes(m_lattice, 0); n; n = n->bnext) {
        if (n->stat != MECAB_NOR_NODE || n->length != size_t(utf8.size())) continue;
        const QStringList feature = QString::fromUtf8(n->feature).split(u',');
        if (feature.value(0) != QStringLiteral("名詞")) continue;
        if (feature.value(7) == kana || feature.value(8) == kana) return true;
    }
    return false;
}
