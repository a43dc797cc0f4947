#include "sound/LoanwordKana.h"

#include "sound/EnglishKana.h"

#include <QSet>

namespace LoanwordKana {

namespace {

// A vowel of the phonemes and what loanwords often say for it instead.
struct VowelChange {
    const char16_t* from;
    const char16_t* to;
    // Not a change where `from` ends a diphthong or long vowel: the ɪ of eɪ, aɪ, ɔɪ.
    const char16_t* notAfter;
    // Where in the word: a vowel said as written is so in an open syllable inside the word
    // (Stadium スタジアム), not at its end (Place プレース, Sea シー); a final eɪ loses its glide
    // (Cafe カフェ), one before a consonant keeps it (Place, not プレス).
    enum { Anywhere, BeforeVowel, AtEnd } where;
    bool written = false; // the vowel as its letter says it
};

const VowelChange VowelChanges[] = {
    {u"ɒ", u"ʌ", u"", VowelChange::Anywhere},           // American short o: College カレッジ
    {u"ʌ", u"ɒ", u"", VowelChange::Anywhere},           // o as written: Frontier フロンティア
    {u"eɪ", u"ɛ", u"", VowelChange::AtEnd},             // Cafe カフェ
    {u"eə", u"ɛ", u"", VowelChange::Anywhere},          // Area エリア
    {u"ɛə", u"ɛ", u"", VowelChange::Anywhere},          // the same, as some voices write it
    {u"ɪ", u"ɛ", u"aeɔo", VowelChange::Anywhere},       // Orange オレンジ
    {u"eɪ", u"a", u"", VowelChange::BeforeVowel, true}, // Stadium スタジアム
    {u"eə", u"a", u"", VowelChange::BeforeVowel, true}, // Aquarium アクアリウム
    {u"iː", u"ɛ", u"", VowelChange::BeforeVowel, true}, // Media メディア
    {u"iə", u"iʊ", u"", VowelChange::Anywhere, true},   // -ium イウム
};

// The symbols of vowels in the synthesiser's phonemes.
constexpr QStringView VowelSymbols = u"aeiouyæɑɒɔəɐɛɜɪʊʌᵻɨɚɝ";

bool vowelFollows(QStringView phonemes, qsizetype from) {
    for (qsizetype i = from; i < phonemes.size(); ++i)
        if (VowelSymbols.contains(phonemes[i])) return true;
    return false;
}

// `phonemes` with the change `c` made wherever it can be, or with `only` at that place alone
// (counted from 0), into `out`; the number of places it can be made.
qsizetype change(QStringView phonemes, const VowelChange& c, QString& out, qsizetype only = -1) {
    const QStringView from(c.from), notAfter(c.notAfter);
    out.clear();
    qsizetype places = 0;
    for (qsizetype i = 0; i < phonemes.size();) {
        if (phonemes.mid(i).startsWith(from) && (i == 0 || !notAfter.contains(phonemes[i - 1])) &&
            (c.where != VowelChange::BeforeVowel || vowelFollows(phonemes, i + from.size())) &&
            (c.where != VowelChange::AtEnd || i + from.size() == phonemes.size()) &&
            // The ɪ of ɪə is a diphthong of its own.
            !(from == u"ɪ" && i + 1 < phonemes.size() && phonemes[i + 1] == u'ə')) {
            out += only < 0 || only == places ? QStringView(c.to) : from;
            i += from.size();
            ++places;
        } else {
            out += phonemes[i++];
        }
    }
    return places;
}

// Changes of the katakana loanwords show, made at one place at a time.
enum class Where { Anywhere, AtEnd, BeforeKana };

struct KanaChange {
    const char16_t* from;
    const char16_t* to;
    Where where;
};

const KanaChange KanaChanges[] = {
    {u"ディ", u"ジ", Where::Anywhere},
    {u"ティ", u"チ", Where::Anywhere},
    {u"キャ", u"カ", Where::Anywhere},
    {u"ギャ", u"ガ", Where::Anywhere},
    {u"トゥ", u"ツ", Where::Anywhere},
    {u"ウィ", u"イ", Where::Anywhere},
    {u"ムフ", u"ンフ", Where::Anywhere},
    {u"イア", u"イヤ", Where::Anywhere},
    // A reduced vowel after ch and j said イ (Kitchen キッチン).
    {u"チェ", u"チ", Where::Anywhere},
    {u"ジェ", u"ジ", Where::Anywhere},
    // Cosmo コスモ; a plural's ズ stays (Kids キッズ).
    {u"ズ", u"ス", Where::BeforeKana},
    {u"ク", u"キ", Where::AtEnd},
    {u"ト", u"ツ", Where::AtEnd},
};

// Kana a held consonant (ッ) may come before.
constexpr QStringView Holdable = u"カキクケコサシスセソタチツテトパピプペポジドグ";
// Kana whose long vowel loanwords may say short.
constexpr QStringView LongShortened =
    u"オコゴソゾトドノホボポモヨョロォイキギシジチヂニヒビピミリィ";
// Kana no ッ follows.
constexpr QStringView Unholding = u"ンーッ";

void addOnce(QStringList& out, QString kana) {
    if (!kana.isEmpty() && !out.contains(kana)) out.append(std::move(kana));
}

} // namespace

QStringList vowelVariants(QStringView phonemes) {
    QStringList out;
    QString written = phonemes.toString();
    int writtenChanges = 0;
    for (const VowelChange& c : VowelChanges) {
        QString changed;
        const qsizetype places = change(phonemes, c, changed);
        if (places == 0) continue;
        addOnce(out, changed);
        // Each place on its own too (Media メディア: the first iː said e, the second not).
        for (qsizetype only = 0; places > 1 && only < places; ++only) {
            change(phonemes, c, changed, only);
            addOnce(out, changed);
        }
        // The vowels said as written go together (Aquarium アクアリウム: eə and iə both).
        if (c.written && change(written, c, changed) > 0) {
            written = changed;
            ++writtenChanges;
        }
    }
    if (writtenChanges > 1) addOnce(out, written);
    return out;
}

QStringList kanaVariants(const QString& kana) {
    QStringList out;
    for (const KanaChange& c : KanaChanges) {
        const QStringView from(c.from);
        for (qsizetype at = kana.indexOf(from); at >= 0; at = kana.indexOf(from, at + 1)) {
            const qsizetype end = at + from.size();
            if (c.where == Where::AtEnd && end != kana.size()) continue;
            if (c.where == Where::BeforeKana && (end == kana.size() || kana[end] == u'ー'))
                continue;
            addOnce(out, QString(kana).replace(at, from.size(), QStringView(c.to).toString()));
        }
    }
    for (qsizetype i = 1; i < kana.size(); ++i) {
        // A long o or i said short (Post ポスト, Police ポリス); the long a and e stay (Mart
        // マート, Place プレース).
        if (kana[i] == u'ー' && LongShortened.contains(kana[i - 1]))
            addOnce(out, QString(kana).remove(i, 1));
        // A consonant held (Fashion ファッション, Apple アップル).
        if (Holdable.contains(kana[i]) && !Unholding.contains(kana[i - 1]))
            addOnce(out, QString(kana).insert(i, u'ッ'));
    }
    return out;
}

QList<Candidate> candidates(const QString& heard, const QStringList& others) {
    QList<Candidate> out{{heard, 0}};
    QSet<QString> seen{heard};
    for (const QString& other : others)
        if (!other.isEmpty() && !seen.contains(other)) {
            seen.insert(other);
            out.append({other, 1});
        }
    // Breadth first, so that each rendering is reached with its fewest changes.
    for (qsizetype next = 0; next < out.size() && out.size() < MaxCandidates; ++next) {
        if (out[next].changes >= MaxChanges) continue;
        const int changes = out[next].changes + 1;
        for (QString& kana : kanaVariants(out[next].kana)) {
            if (out.size() >= MaxCandidates) break;
            if (seen.contains(kana)) continue;
            seen.insert(kana);
            out.append({std::move(kana), changes});
        }
    }
    return out;
}

QString choose(QStringView phonemes, QStringView spelling, const NounCost& cost) {
    const QString heard = EnglishKana::fromPhonemes(phonemes, spelling);
    if (heard.isEmpty() || !cost || cost(heard)) return heard;
    QStringList others;
    addOnce(others, EnglishKana::fromPhonemes(phonemes, spelling, false));
    for (const QString& changed : vowelVariants(phonemes))
        addOnce(others, EnglishKana::fromPhonemes(changed, spelling));
    const Candidate* best = nullptr;
    std::optional<int> bestCost;
    const QList<Candidate> all = candidates(heard, others);
    for (const Candidate& c : all) {
        if (best && c.changes > best->changes) break; // in order of changes
        // Katakana words this short are as often Japanese ones (セ, マト) as loanwords.
        if (c.changes > 0 && c.kana.size() < MinChangedLength) continue;
        const std::optional<int> found = cost(c.kana);
        if (found && (!best || *found < *bestCost)) {
            best = &c;
            bestCost = found;
        }
    }
    return best ? best->kana : heard;
}

} // namespace LoanwordKana
