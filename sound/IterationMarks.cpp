#include "sound/IterationMarks.h"

#include "platform/core/Kana.h"
#include "sound/KanaText.h"

namespace IterationMarks {

namespace {

// Unvoiced and voiced hiragana, in pairs.
const QStringView Voicing =
    u"かがきぎくぐけげこごさざしじすずせぜそぞただちぢつづてでとどはばひびふぶへべほぼ";

// The hiragana `c` (katakana made hiragana first) voiced or unvoiced; as it is when it has no
// such pair.
QChar withVoice(QChar c, bool voiced) {
    const bool katakana = Kana::toHiragana(c) != c;
    const qsizetype at = Voicing.indexOf(Kana::toHiragana(c));
    if (at < 0) return c;
    const QChar out = Voicing[at - at % 2 + (voiced ? 1 : 0)];
    return katakana ? Kana::toKatakana(out) : out;
}

} // namespace

QString expandKana(const QString& text) {
    QString out = text;
    for (qsizetype i = 1; i < out.size(); ++i) {
        const qsizetype mark = QStringView(u"ゝゞヽヾ").indexOf(out[i]);
        const QChar before = out[i - 1];
        if (mark < 0 || before == u'ー' ||
            !(KanaText::isHiragana(before) || KanaText::isKatakana(before)))
            continue;
        out[i] = withVoice(before, mark % 2 == 1);
    }
    return out;
}

void repeatKanji(ReadWords& words, WordKnowledge& knows) {
    for (size_t i = 1; i < words.size(); ++i) {
        ReadWord& w = words[i];
        const QString& before = words[i - 1].surface;
        if (w.fixed || w.surface != QStringLiteral("々") || before.isEmpty()) continue;
        // The kanji before it, a surrogate pair kept whole.
        const qsizetype n = before.size() > 1 && before.back().isLowSurrogate() ? 2 : 1;
        const QString kanji = before.right(n);
        if (!KanaText::isKanji(kanji[0]) || kanji == QStringLiteral("々")) continue;
        w.pronunciation =
            before.size() == n ? words[i - 1].pronunciation : knows.readCharacters(kanji);
    }
}

} // namespace IterationMarks
