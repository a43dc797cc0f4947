#include "sound/KanjiNotWords.h"

#include "sound/KanaText.h"
#include "sound/LoneKanjiWords.h"
#include "sound/NumeralWords.h"

namespace KanjiNotWords {

namespace {

using LoneKanjiWords::isLoneKanji;
using LoneKanjiWords::titled;

// Whether `w` is a number or read kanji by kanji in Chinese style.
bool inChineseStyle(const ReadWord& w, WordKnowledge& knows) {
    if (NumeralWords::isNumber(w)) return true;
    if (!KanaText::allKanji(w.surface)) return false;
    QList<QStringList> on;
    for (qsizetype k = 0; k < w.surface.size(); ++k)
        on.append(knows.chineseReadings(QStringView(w.surface).mid(k, 1)));
    return KanaText::composes(w.pronunciation, on);
}

// A kanji the dictionary took for a five-row verb in ら in the form only the contraction ん can
// follow (蟠らん → 蟠ん, 取らん → 取ん), with no okurigana after it: a stem, never a word of a
// name. Beside a word read in Chinese style or a number, or where the stem is long, it is the
// kanji's Chinese reading (a 千蟠 センバン, a 蟠都 ハント, a 鷺蟠 サギハン); among native words a
// short one is the noun the verb makes (鷺取 サギトリ, 取鳩 トリハト).
void verbStem(ReadWords& words, size_t i, WordKnowledge& knows) {
    ReadWord& w = words[i];
    if (!isLoneKanji(w) || w.pos != QStringLiteral("動詞") ||
        w.form != QStringLiteral("体言接続特殊２") ||
        !w.conjugation.startsWith(QStringLiteral("五段・ラ行")))
        return;
    // Okurigana after it, in hiragana or in katakana (鷺去ル), make it a verb after all.
    if (i + 1 < words.size() && !words[i + 1].surface.isEmpty() &&
        (KanaText::isHiragana(words[i + 1].surface.front()) ||
         QStringView(u"ラリルレロ").contains(words[i + 1].surface.front())))
        return;
    const bool chineseBeside = (i > 0 && inChineseStyle(words[i - 1], knows)) ||
                               (i + 1 < words.size() && inChineseStyle(words[i + 1], knows));
    // A long stem's noun (ワダカマリ, オモネリ) is a literary word no name is made of either.
    const bool longStem = w.pronunciation.size() >= 3;
    QString on = knows.chineseReadings(w.surface).value(0);
    if ((!chineseBeside && !longStem) || on.isEmpty()) {
        w.pronunciation += u'リ';
        return;
    }
    // After a number that ends in ン, the ハ row is voiced, as most names say (三本 サンボン).
    if (i > 0 && NumeralWords::isNumber(words[i - 1]) &&
        words[i - 1].pronunciation.endsWith(u'ン') &&
        QStringView(u"ハヒフヘホ").contains(on.front()))
        on.front() = KanaText::voiced(on.front());
    w.pronunciation = on;
}

// Whether a temple's 寺 follows within two words: its name takes the older Chinese readings
// that Buddhist names keep, which TempleNames gives it.
bool beforeTemple(const ReadWords& words, size_t i) {
    for (size_t k = i + 1; k < words.size() && k <= i + 2; ++k)
        if (words[k].surface.startsWith(u'寺')) return true;
    return false;
}

// Two kanji side by side that the dictionary took for two people's given names (甫 ハジメ, 寧
// ヤスシ) are one word it does not know, coined in Chinese style as era names and facilities'
// names are: a 甫寧 ホネイ, not a person ハジメヤスシ. A title after them leaves them people.
bool namesPair(ReadWords& words, size_t i, WordKnowledge& knows) {
    if (i + 1 >= words.size() || titled(words, i + 1)) return false;
    ReadWord& a = words[i];
    ReadWord& b = words[i + 1];
    if (!isLoneKanji(a) || !isLoneKanji(b) || !a.givenName || !b.givenName ||
        beforeTemple(words, i))
        return false;
    const QString first = knows.chineseReadings(a.surface).value(0);
    const QString second = knows.chineseReadings(b.surface).value(0);
    if (first.isEmpty() || second.isEmpty()) return false;
    a.pronunciation = first;
    b.pronunciation = second;
    return true;
}

// A kanji of a longer name that the dictionary knows only as a person's given name, read as
// only names read it (甫 ハジメ, 寧 ヤスシ, 坦 ヒロシ): a place or a facility takes the kanji's
// Chinese reading (a 甫寧 ホネイ). A reading the kanji has outside names (恵 メグミ, 咲 サキ) and a
// title after it (鷺甫さん) leave it as it is.
void personsName(ReadWords& words, size_t i, WordKnowledge& knows) {
    ReadWord& w = words[i];
    // The reader replaced a given name by any other word the dictionary has of it; what is
    // still one had no other.
    if (!isLoneKanji(w) || !w.givenName || w.pos2 != QStringLiteral("人名") || words.size() < 2 ||
        beforeTemple(words, i))
        return;
    // A family name before it, or a title after the run of given names it opens, makes it a
    // person's (a memorial hall's 鷺沢甫).
    if (i > 0 && words[i - 1].pos2 == QStringLiteral("人名") && !words[i - 1].givenName) return;
    size_t last = i;
    while (last + 1 < words.size() && isLoneKanji(words[last + 1]) && words[last + 1].givenName)
        ++last;
    if (titled(words, last)) return;
    const QStringList on = knows.chineseReadings(w.surface);
    if (on.isEmpty() || KanaText::saysOneOf(w.pronunciation, on) ||
        KanaText::saysOneOf(w.pronunciation, knows.nativeWords(w.surface)))
        return;
    w.pronunciation = on.front();
}

} // namespace

bool isNoWordOfAName(const ReadWord& w) {
    return (w.pos == QStringLiteral("動詞") && w.form == QStringLiteral("体言接続特殊２")) ||
           (w.givenName && w.pos2 == QStringLiteral("人名"));
}

void apply(ReadWords& words, WordKnowledge& knows) {
    for (size_t i = 0; i < words.size(); ++i)
        if (namesPair(words, i, knows)) ++i;
    for (size_t i = 0; i < words.size(); ++i)
        personsName(words, i, knows);
    for (size_t i = 0; i < words.size(); ++i)
        verbStem(words, i, knows);
}

} // namespace KanjiNotWords
