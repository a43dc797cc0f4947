#include "sound/Pronouncer.h"

#include "sound/KanaOverrides.h"
#include "sound/NumberKana.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <mecab.h>

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// What of a reading the synthesiser is given: katakana (hiragana turned into katakana), the
// long vowel mark, pause punctuation and Latin letters. Digit runs are read as numbers.
QString speakable(QStringView text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            qsizetype end = i;
            while (end < text.size() && isDigit(text[end]))
                ++end;
            out += NumberKana::read(text.mid(i, end - i));
            i = end - 1;
        } else if (c >= u'\u3041' && c <= u'\u3096') {
            out += QChar(c.unicode() + 0x60);
        } else if ((c >= u'\u30A1' && c <= u'\u30FA') || c == u'ー') {
            out += c;
        } else if (c == u'、' || c == u',' || c == u'，') {
            out += u'、';
        } else if (c == u'。' || c == u'.' || c == u'．' || c == u'\n') {
            out += u'。';
        } else if (c == u'？' || c == u'?') {
            out += u'？';
        } else if (c == u'！' || c == u'!') {
            out += u'！';
        } else if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')) {
            out += c;
        } else if (c == u' ' && !out.isEmpty() && !out.endsWith(u' ')) {
            out += c;
        }
    }
    return out;
}

// The text as the dictionary expects it: full-width digits and letters made ASCII, half-width
// katakana made full width; digit groups ("1,000") joined; characters without meaning dropped.
QString normalised(const QString& text) {
    QString out = text.normalized(QString::NormalizationForm_KC);
    static const QRegularExpression groups(QStringLiteral("(?<=\\d),(?=\\d{3}(?!\\d))"));
    out.remove(groups);
    out.removeIf([](QChar c) {
        return (c.category() == QChar::Other_Control && c != u'\n') ||
               c.category() == QChar::Other_Format || c == QChar::ReplacementCharacter;
    });
    return out;
}

} // namespace

QStringList Pronouncer::defaultDictionaryDirs() {
    return {QStringLiteral("/var/lib/mecab/dic/ipadic-utf8"),
            QStringLiteral("/usr/share/mecab/dic/ipadic-utf8")};
}

std::unique_ptr<Pronouncer> Pronouncer::open(const QStringList& dictionaryDirs) {
    for (const QString& dir : dictionaryDirs) {
        if (!QFileInfo(dir + QStringLiteral("/sys.dic")).isFile()) continue;
        const QByteArray dirBytes = QFileInfo(dir).absoluteFilePath().toLocal8Bit();
        // No resource file: the dictionary folder is all MeCab needs to know.
        const char* argv[] = {"mecab", "-r", "/dev/null", "-d", dirBytes.constData()};
        std::unique_ptr<Pronouncer> p(new Pronouncer);
        p->m_model = mecab_model_new(5, const_cast<char**>(argv));
        if (!p->m_model) continue;
        const mecab_dictionary_info_t* info = mecab_model_dictionary_info(p->m_model);
        const QString charset = info && info->charset
                                    ? QString::fromLatin1(info->charset).remove(u'-').toLower()
                                    : QString();
        if (charset != QLatin1String("utf8")) continue;
        p->m_tagger = mecab_model_new_tagger(p->m_model);
        p->m_lattice = mecab_model_new_lattice(p->m_model);
        if (!p->m_tagger || !p->m_lattice) continue;
        // Another dictionary (JUMAN, say) lays its features out differently; only one that
        // gives the particle は its spoken ワ will do.
        const std::vector<Word> probe = p->analyse(QStringLiteral("次は"));
        if (probe.size() == 2 && probe[1].pronunciation == QStringLiteral("ワ")) return p;
    }
    return nullptr;
}

Pronouncer::~Pronouncer() {
    if (m_lattice) mecab_lattice_destroy(m_lattice);
    if (m_tagger) mecab_destroy(m_tagger);
    if (m_model) mecab_model_destroy(m_model);
}

std::vector<Pronouncer::Word> Pronouncer::analyse(const QString& text) {
    std::vector<Word> words;
    const QByteArray utf8 = text.toUtf8();
    mecab_lattice_set_sentence2(m_lattice, utf8.constData(), size_t(utf8.size()));
    if (!mecab_parse_lattice(m_tagger, m_lattice)) return words;
    for (const mecab_node_t* node = mecab_lattice_get_bos_node(m_lattice); node;
         node = node->next) {
        if (node->stat == MECAB_BOS_NODE) continue;
        if (node->stat == MECAB_EOS_NODE) break;
        Word word;
        word.surface = QString::fromUtf8(node->surface, node->length);
        word.spaceBefore = node->rlength > node->length; // Latin words keep their spaces
        // Features: part of speech, three subdivisions, conjugation type and form, base form,
        // reading, pronunciation. Unknown words stop after the first seven.
        const QStringList features = QString::fromUtf8(node->feature).split(u',');
        word.partOfSpeech = features.value(0);
        const QString pronunciation = features.value(8);
        if (pronunciation != QLatin1String("*")) word.pronunciation = pronunciation;
        words.push_back(std::move(word));
    }
    return words;
}

QString Pronouncer::toKana(const QString& text) {
    const std::vector<Word> words = analyse(normalised(text));
    QString out;
    for (size_t i = 0; i < words.size();) {
        // The longest override that covers whole words from here.
        const KanaOverride* best = nullptr;
        size_t bestWords = 0;
        for (const KanaOverride& entry : KanaOverrides::table()) {
            if (!entry.partOfSpeech.isEmpty() && words[i].partOfSpeech != entry.partOfSpeech)
                continue;
            QString joined;
            size_t k = i;
            while (k < words.size() && joined.size() < entry.surface.size())
                joined += words[k++].surface;
            if (joined == entry.surface && (!best || entry.surface.size() > best->surface.size())) {
                best = &entry;
                bestWords = k - i;
            }
        }
        if (best) {
            out += best->reading;
            i += bestWords;
            continue;
        }
        const Word& word = words[i++];
        if (word.spaceBefore && !out.isEmpty() && !out.endsWith(u' ')) out += u' ';
        out += speakable(word.pronunciation.isEmpty() ? word.surface : word.pronunciation);
    }
    return out.trimmed();
}
