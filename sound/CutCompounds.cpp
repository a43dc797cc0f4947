#include "sound/CutCompounds.h"

#include "sound/KanaText.h"

namespace CutCompounds {

namespace {

// The dictionary says a Chinese reading's long vowel as ー (ジューキ); the kanji's readings spell
// it out (ジュウ).
using KanaText::spelledOut;

bool startsChinese(QStringView kanji, const QString& spoken, WordKnowledge& knows) {
    const QString reading = spelledOut(spoken);
    for (const QString& on : knows.chineseReadings(kanji))
        if (!on.isEmpty() && reading.startsWith(on)) return true;
    return false;
}

// A single kanji taken for a person's name in a native reading.
bool isNativeName(const ReadWord& w, WordKnowledge& knows) {
    return !w.fixed && w.surface.size() == 1 && KanaText::isKanji(w.surface[0]) &&
           (w.givenName || w.pos1 == QStringLiteral("固有名詞")) &&
           !startsChinese(w.surface, w.pronunciation, knows);
}

// A word of two kanji or more whose first kanji is read in Chinese style.
bool opensChinese(const ReadWord& w, WordKnowledge& knows) {
    return !w.fixed && w.surface.size() >= 2 && KanaText::isKanji(w.surface[0]) &&
           KanaText::isKanji(w.surface[1]) && w.pos == QStringLiteral("名詞") &&
           startsChinese(QStringView(w.surface).first(1), w.pronunciation, knows);
}

} // namespace

std::optional<qsizetype> boundary(const ReadWords& words, QStringView text, WordKnowledge& knows) {
    const std::vector<qsizetype> ends = wordEnds(words, text);
    for (size_t i = 0; i + 1 < words.size() && i < ends.size(); ++i) {
        const ReadWord& alone = words[i];
        const qsizetype at = ends[i];
        const ReadWord& next = words[i + 1];
        // Before a common word the kanji stays where the dictionary put it (波|草原): a
        // prefix reading may still mend it. Before a name, a kanji it read as a common word
        // natively is cut the same way (牡|丹野 for 牡丹), but not a side or a direction, which
        // opens names of its own (北|東鷺 is the north of 東鷺).
        const bool nativeNoun =
            !alone.fixed && alone.surface.size() == 1 && alone.pos == QStringLiteral("名詞") &&
            alone.pos1 == QStringLiteral("一般") && KanaText::isKanji(alone.surface[0]) &&
            !QStringView(u"東西南北上下中前後内外新旧元本大小").contains(alone.surface[0]) &&
            !startsChinese(alone.surface, alone.pronunciation, knows);
        if (!(isNativeName(alone, knows) || nativeNoun) || !opensChinese(next, knows) ||
            !(next.givenName || next.pos1 == QStringLiteral("固有名詞")) ||
            !text.mid(at).startsWith(next.surface))
            continue;
        const QString pair = alone.surface + next.surface[0];
        for (const QString& reading : knows.commonNounReadings(pair))
            if (KanaText::composes(reading, {knows.chineseReadings(QStringView(pair).first(1)),
                                             knows.chineseReadings(QStringView(pair).last(1))}))
                return at + 1;
    }
    return std::nullopt;
}

void readPrefixes(ReadWords& words, WordKnowledge& knows) {
    for (size_t i = 0; i + 1 < words.size(); ++i) {
        ReadWord& alone = words[i];
        const ReadWord& next = words[i + 1];
        if (!alone.givenName || !isNativeName(alone, knows) || !opensChinese(next, knows) ||
            (next.pos1 != QStringLiteral("一般") && next.pos1 != QStringLiteral("サ変接続")))
            continue;
        for (const QString& prefix : knows.prefixReadings(alone.surface))
            if (knows.chineseReadings(alone.surface).contains(spelledOut(prefix))) {
                alone.pronunciation = prefix;
                break;
            }
    }
}

} // namespace CutCompounds
