#include "sound/InstitutionNames.h"

#include "sound/KanaText.h"

#include <algorithm>

namespace InstitutionNames {

namespace {

// What follows a name coined from a kanji and a direction: schools, hospitals, halls and the
// estates built with them.
const char16_t* const AfterDirection[] = {
    u"小学校", u"中学校", u"中学", u"高校", u"高等学校", u"学校",     u"学園",   u"学院",
    u"大学",   u"病院",   u"台",   u"団地", u"会館",     u"センター", u"幼稚園", u"保育園"};

// What follows a name coined from two kanji of good meaning: homes, gardens, schools. (A hall's
// name, 館, mixes the styles too often.)
const char16_t* const AfterCoined[] = {u"荘",   u"苑",   u"園",   u"寮",   u"団地",      u"学院",
                                       u"学園", u"病院", u"高校", u"医院", u"クリニック"};

// Where a doctor's practice takes a coined name after the town's.
const char16_t* const Clinics[] = {u"病院", u"医院", u"クリニック"};

const char16_t* const NativeDirections[] = {u"ヒガシ", u"ニシ", u"ミナミ", u"キタ"};

// The length of the longest of `words` that `s` starts with; 0 when none.
template <size_t N> qsizetype startOf(QStringView s, const char16_t* const (&words)[N]) {
    qsizetype longest = 0;
    for (const char16_t* w : words)
        if (s.startsWith(QStringView(w))) longest = std::max(longest, QStringView(w).size());
    return longest;
}

template <size_t N> bool startsWithOne(QStringView s, const char16_t* const (&words)[N]) {
    return startOf(s, words) > 0;
}

bool isDirection(QChar c) {
    return QStringView(u"東西南北").contains(c);
}

// Whether the dictionary's `reading` of a kanji and a direction says the direction in Chinese
// style: it ends with the direction's first Chinese reading `on` as a compound's second part
// takes it (ナン, ドウ, トー). The kanji before it may be read as only names read it (the バン of
// a 坂東), and a direction's other readings (南 ナ) belong to old names rather than coined ones.
bool closesInChineseStyle(const QString& reading, const QString& on) {
    for (qsizetype i = 0; i < reading.size(); ++i)
        if (KanaText::saysOneOf(QStringView(reading).mid(i), {on})) return true;
    return false;
}

} // namespace

std::optional<Span> find(const QString& text, WordKnowledge& knows) {
    for (qsizetype i = 0; i + 2 < text.size(); ++i) {
        // The coined name is the whole of a name, not the end of a longer one (岡山南高校);
        // after a place the dictionary knows whole, a clinic's or a hospital's name is its
        // own (鷺沢 | 慶仁医院).
        qsizetype from = i;
        while (from > 0 && KanaText::isKanji(text[from - 1]))
            --from;
        const bool afterPlace = i - from >= 2 && !isDirection(text[i + 1]) &&
                                startsWithOne(QStringView(text).mid(i + 2), Clinics) &&
                                !knows.dictionaryReadings(text.mid(from, i - from)).isEmpty() &&
                                knows.dictionaryReadings(text.mid(from, i + 2 - from)).isEmpty() &&
                                knows.dictionaryReadings(text.mid(i - 1, 2)).isEmpty();
        if (from < i && !afterPlace) continue;
        const QChar first = text[i], second = text[i + 1];
        if (!KanaText::isKanji(first) || !KanaText::isKanji(second)) continue;
        const QStringView rest = QStringView(text).mid(i + 2);
        const bool direction = isDirection(second);
        // Only before what such a name stands for is the dictionary asked.
        const qsizetype kind =
            direction ? startOf(rest, AfterDirection) : startOf(rest, AfterCoined);
        if (kind == 0) continue;
        // A name the dictionaries know whole with what it names (a listed 鷺南台 サギミナミダイ,
        // 鳩苑団地 ハトゾノダンチ) is read as they read it.
        if (!knows.dictionaryReadings(text.mid(i, 2 + kind)).isEmpty()) continue;
        const QStringList known = knows.dictionaryReadings(text.mid(i, 2));
        const QString on1 = knows.chineseReadings(QStringView(text).mid(i, 1)).value(0);
        const QString on2 = knows.chineseReadings(QStringView(text).mid(i + 1, 1)).value(0);
        if (direction) {
            // A reading of the dictionary's in Chinese style wins (雁南 ガンナン beside the
            // town カリミナミ); one in native style means a place it knows.
            bool native = false;
            for (const QString& r : known) {
                if (closesInChineseStyle(r, on2)) return Span{i, 2, r};
                for (const char16_t* d : NativeDirections)
                    native = native || r.endsWith(QStringView(d));
            }
            if (native || on1.isEmpty() || on2.isEmpty()) continue;
            // An estate on the hill of that name: 城南台 ジョウナンダイ.
            if (rest.startsWith(u'台')) return Span{i, 3, on1 + on2 + QStringLiteral("ダイ")};
            return Span{i, 2, on1 + on2};
        }
        if (!known.isEmpty() || on1.isEmpty() || on2.isEmpty()) continue;
        // Not where the kanji begin a word the dictionary knows with what follows (水族館, or
        // the 公園 of 森公園).
        if (!knows.dictionaryReadings(text.mid(i, 3)).isEmpty() ||
            !knows.dictionaryReadings(text.mid(i + 1, 2)).isEmpty())
            continue;
        return Span{i, 2, on1 + on2};
    }
    return std::nullopt;
}

} // namespace InstitutionNames
