#include "sound/KanaParticles.h"

#include "platform/core/Kana.h"
#include "sound/KanaText.h"

#include <algorithm>

namespace KanaParticles {

namespace {

// The particles written は and へ and said ワ and エ.
bool isParticleHaOrHe(const ReadWord& w) {
    return (w.surface == QStringLiteral("は") || w.surface == QStringLiteral("へ")) &&
           w.pos == QStringLiteral("助詞");
}

bool allHiragana(QStringView text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), KanaText::isHiragana);
}

// The particle は (or へ) follows the word it marks: a noun, a pronoun, a particle (では, には)
// or an auxiliary. After a kana word of another kind (a verb's stem くれ, an interjection, a
// suffix さ) or right before a suffix (苑, 台, 町) it is not the particle but a syllable of a
// name.
bool haIsInName(const ReadWords& words, size_t i) {
    if (i == 0) return true;
    const ReadWord& before = words[i - 1];
    // A particle marks a word, never a pause or a bracket (次は、はらっぱ).
    if (before.pos == QStringLiteral("記号")) return true;
    const bool beforeKana =
        !before.surface.isEmpty() && KanaText::isHiragana(before.surface.back());
    const bool marksBefore =
        (before.pos == QStringLiteral("名詞") && before.pos1 != QStringLiteral("接尾")) ||
        before.pos == QStringLiteral("助詞") || before.pos == QStringLiteral("助動詞");
    if (beforeKana && !marksBefore) return true;
    if (i + 1 < words.size()) {
        const ReadWord& after = words[i + 1];
        // A common noun written in hiragana is a name's syllables that the dictionary read as a
        // word (くず|は|台, たか|は|た) where a word goes on the name: a sentence writes the
        // nouns it marks in kanji, and goes on after the particle with a pause, an honorific or
        // another particle (みなさまは、).
        if (before.pos == QStringLiteral("名詞") && before.pos1 == QStringLiteral("一般") &&
            allHiragana(before.surface) && after.pos != QStringLiteral("記号") &&
            after.pos != QStringLiteral("接頭詞") && after.pos != QStringLiteral("助詞"))
            return true;
        // Nor before the past tense's た, which no particle comes before (おり|は|た), nor a
        // noun of one kana (鷺|へ|ら).
        if (after.pos == QStringLiteral("助動詞") &&
            after.conjugation == QStringLiteral("特殊・タ"))
            return true;
        if (after.pos == QStringLiteral("名詞") && after.surface.size() == 1 &&
            KanaText::isHiragana(after.surface[0]))
            return true;
        if (after.pos == QStringLiteral("名詞") && after.pos1 == QStringLiteral("接尾"))
            return true;
        // Nor before a syllable that no sentence goes on with, taken for a filler (ゆきはま
        // split ゆき|は|ま).
        if (after.pos == QStringLiteral("フィラー")) return true;
        // Nor where what follows cannot go on a sentence: a long vowel (は|ーと), an adjective's
        // stem that only がる follows (こども|は|うす for a name's はうす).
        if (after.surface.startsWith(u'ー')) return true;
        if (after.form == QStringLiteral("ガル接続") &&
            (i + 2 >= words.size() || !words[i + 2].surface.startsWith(u'が')))
            return true;
        // Nor before a verb's stem of one kana that a noun follows at once, which no sentence
        // says (ひばり|は|し|前 for a name's はし); the literary つ that the dictionary finds in
        // はいつ may come between (ふたば|は|い|つ|前). Not a noun that needs a word before it
        // (いつ頃, split い|つ|頃).
        size_t k = i + 1;
        if (after.pos == QStringLiteral("動詞") && after.form == QStringLiteral("連用形") &&
            after.surface.size() == 1 && KanaText::isHiragana(after.surface[0])) {
            if (++k < words.size() && words[k].surface == QStringLiteral("つ") &&
                words[k].pos == QStringLiteral("助動詞"))
                ++k;
            if (k < words.size() && words[k].pos == QStringLiteral("名詞") &&
                words[k].pos1 != QStringLiteral("非自立") &&
                words[k].pos1 != QStringLiteral("接尾"))
                return true;
        }
    }
    return false;
}

// Today's spelling writes the ワ of a verb or an adjective with わ; a は read ワ inside one is
// a literary form that the dictionary found in the kana of a name (まんばいはな split
// まんば|いは|な), and is the syllable ハ.
void literaryHa(ReadWord& w) {
    if ((w.pos != QStringLiteral("動詞") && w.pos != QStringLiteral("形容詞")) ||
        w.surface.size() != w.pronunciation.size())
        return;
    for (qsizetype k = 0; k < w.surface.size(); ++k)
        if (w.surface[k] == u'は' && w.pronunciation[k] == u'ワ') w.pronunciation[k] = u'ハ';
}

} // namespace

void readInName(const ReadWords& words, size_t i, ReadWord& w) {
    if (isParticleHaOrHe(w) && haIsInName(words, i)) w.pronunciation = Kana::toKatakana(w.surface);
    literaryHa(w);
}

} // namespace KanaParticles
