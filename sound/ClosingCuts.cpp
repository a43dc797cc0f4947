#include "sound/ClosingCuts.h"

#include "sound/CompoundWordRules.h"
#include "sound/KanaText.h"
#include "sound/NumeralWords.h"

#include <QStringList>
#include <QStringView>

namespace ClosingCuts {

namespace {

// How many words the name has up to its closing noun: the last word, or the last before what
// is no noun (です, 、); nothing when no noun has a word before it.
std::optional<size_t> closingNounEnd(const ReadWords& words) {
    size_t last = words.size();
    while (last > 0 && !CompoundWordRules::isNoun(words[last - 1]))
        --last;
    if (last < 2) return std::nullopt;
    return last;
}

// The offset in `text` just after the first character of words[k], where a cut there falls;
// none when the words are not all found in the text.
std::optional<qsizetype> afterFirstKanji(const ReadWords& words, size_t k, QStringView text) {
    const std::vector<qsizetype> ends = wordEnds(words, text);
    if (k >= ends.size()) return std::nullopt;
    return ends[k] - words[k].surface.size() + 1;
}

} // namespace

std::optional<qsizetype> closingPart(const ReadWords& words, QStringView text) {
    const std::optional<size_t> end = closingNounEnd(words);
    if (!end) return std::nullopt;
    const size_t last = *end;
    const ReadWord& w = words[last - 1];
    const ReadWord& before = words[last - 2];
    // The kanji before it may be one the dictionary took for a verb's stem (売|屋上 of 売屋).
    if (w.pos != QStringLiteral("名詞") || w.pos1 != QStringLiteral("一般") ||
        w.surface.size() != 2 || !KanaText::allKanji(w.surface) ||
        (w.surface.back() != u'上' && w.surface.back() != u'下') ||
        !(CompoundWordRules::isNoun(before) ||
          (before.pos == QStringLiteral("動詞") && KanaText::allKanji(before.surface))) ||
        NumeralWords::isNumber(before))
        return std::nullopt;
    // Only where the dictionary reads it as a word of its own, not as the upper or lower part.
    static const QStringList parts = {QStringLiteral("カミ"), QStringLiteral("シモ"),
                                      QStringLiteral("ウエ"), QStringLiteral("シタ")};
    for (const QString& p : parts)
        if (w.pronunciation.endsWith(p)) return std::nullopt;
    return afterFirstKanji(words, last - 1, text);
}

std::optional<qsizetype> closingDirection(const ReadWords& words, QStringView text,
                                          WordKnowledge& knows) {
    const std::optional<size_t> end = closingNounEnd(words);
    if (!end) return std::nullopt;
    const size_t last = *end;
    const ReadWord& w = words[last - 1];
    const ReadWord& before = words[last - 2];
    if (w.pos != QStringLiteral("名詞") || w.surface.size() != 2 ||
        !KanaText::allKanji(w.surface) || !QStringView(u"東西南北").contains(w.surface.back()) ||
        !CompoundWordRules::isNoun(before) || before.surface.size() != 1 ||
        !KanaText::allKanji(before.surface))
        return std::nullopt;
    // A direction the dictionary already reads as the name's side is no place of its own.
    static const QStringList sides = {QStringLiteral("ヒガシ"), QStringLiteral("ニシ"),
                                      QStringLiteral("ミナミ"), QStringLiteral("キタ")};
    for (const QString& side : sides)
        if (w.pronunciation.endsWith(side)) return std::nullopt;
    if (knows.dictionaryReadings(before.surface + w.surface.front()).isEmpty()) return std::nullopt;
    return afterFirstKanji(words, last - 1, text);
}

std::optional<qsizetype> schoolShortName(const QString& text) {
    static const QStringList sides = {QStringLiteral("前"), QStringLiteral("下"),
                                      QStringLiteral("上"), QStringLiteral("入口"),
                                      QStringLiteral("口"), QStringLiteral("正門")};
    // A direction after more of a name: at the name's start (小西, 西小前) it is a place.
    for (qsizetype at = 2; at + 1 < text.size(); ++at) {
        if (text[at] != u'小' || !QStringView(u"東西南北").contains(text[at - 1]) ||
            !KanaText::isKanji(text[at - 2]))
            continue;
        for (const QString& side : sides) {
            const qsizetype end = at + 1 + side.size();
            // The side closes the name: no more kanji of it follow (次は鷺北小前です).
            if (QStringView(text).mid(at + 1).startsWith(side) &&
                (end == text.size() || !KanaText::isKanji(text[end])))
                return at;
        }
    }
    return std::nullopt;
}

} // namespace ClosingCuts
