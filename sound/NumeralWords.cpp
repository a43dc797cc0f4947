#include "sound/NumeralWords.h"

#include "sound/KanaText.h"
#include "sound/NumberKana.h"

#include <QHash>

namespace NumeralWords {

namespace {

const QStringView Digits = u"〇一二三四五六七八九";

bool isNumberWord(const ReadWord& w) {
    return w.pos == QStringLiteral("名詞") && w.pos1 == QStringLiteral("数");
}

bool isCounter(const ReadWord& w) {
    return w.pos1 == QStringLiteral("接尾") &&
           (w.pos2 == QStringLiteral("助数詞") || w.surface.startsWith(u'号'));
}

// A numeral and ツ in a name are the native count that names use in its short form: 三ツ
// ミツ, 四ツ ヨツ, 八ツ ヤツ, as in 三ツ鷺 ミツサギ and 四ツ辻 ヨツツジ, never サンツ. The
// dictionary knows many such names; where it does not, it reads the numeral as a number and
// the word after the ツ as a suffix (池 チ), which the word is not after a native count.
void nativeCount(ReadWords& words, size_t i, WordKnowledge& knows) {
    static const char16_t* const Native[] = {u"ヒト", u"フタ", u"ミ", u"ヨ",    u"イツ",
                                             u"ム",   u"ナナ", u"ヤ", u"ココノ"};
    ReadWord& count = words[i];
    if (i + 1 >= words.size() || count.fixed || !isNumberWord(count) || count.surface.size() != 1)
        return;
    const qsizetype n = Digits.indexOf(count.surface[0]);
    ReadWord& tsu = words[i + 1];
    if (n < 1 || tsu.fixed || !(tsu.surface.startsWith(u'ツ') || tsu.surface.startsWith(u'ッ')))
        return;
    if (i > 0 && isNumberWord(words[i - 1])) return; // 二十三ツ is no name's count
    count.pronunciation = QString::fromUtf16(Native[n - 1]);
    // A small ッ is the same ツ written small.
    tsu.pronunciation = QStringLiteral("ツ") + KanaText::speakable(QStringView(tsu.surface).mid(1));
    count.fixed = tsu.fixed = true;
    if (i + 2 >= words.size() || words[i + 2].fixed || tsu.surface.size() > 1) return;
    // What follows joins the count as a native compound: no suffix reading, and none of the
    // voicing the rules give a word after a name (三ツ鷺橋 stays ハシ, as the dictionary's
    // names of this kind mostly read it).
    ReadWord& next = words[i + 2];
    if (next.pos1 == QStringLiteral("接尾")) {
        const QString read = knows.readAlone(next.surface);
        if (!read.isEmpty()) next.pronunciation = read;
    }
    next.fixed = true;
}

// A numeral opening a name before a native word is the native count's short form, as names
// make it: 三 ミ (三鷺沢 ミサギサワ, like 三島 ミシマ), 二 フタ, 八 ヤ. Before a word in
// Chinese readings it keeps its Chinese one (三段 サンダン). 一, 五 and 六 are left alone: their
// native forms (ヒト, イツ, ム) open far fewer names than their Chinese ones.
void nativePrefix(ReadWords& words, size_t i, WordKnowledge& knows) {
    static const char16_t* const Native[] = {u"", u"フタ", u"ミ", u"", u"", u"", u"", u"ヤ", u""};
    ReadWord& count = words[i];
    // It opens the name, or follows only a kanji of the name's side (上三坂 カミミサカ).
    const bool opening =
        i == 0 || (i == 1 && words[0].surface.size() == 1 &&
                   QStringView(u"上下東西南北中新元本奥").contains(words[0].surface[0]));
    if (!opening || count.fixed || !isNumberWord(count) || count.surface.size() != 1 ||
        i + 1 >= words.size())
        return;
    const qsizetype n = Digits.indexOf(count.surface[0]);
    if (n < 1 || QStringView(Native[n - 1]).isEmpty()) return;
    const ReadWord& next = words[i + 1];
    if (next.surface.isEmpty() || next.pos != QStringLiteral("名詞") ||
        !KanaText::isKanji(next.surface[0]) || isNumberWord(next) || isCounter(next) ||
        QStringView(u"丁町番号区線条組班期階百千万之").contains(next.surface[0]))
        return;
    const QStringView first = QStringView(next.surface).left(1);
    const QString reading = KanaText::spelledOut(next.pronunciation);
    const auto opensWith = [&](const QStringList& readings) {
        for (const QString& r : readings)
            if (!r.isEmpty() && reading.startsWith(r)) return true;
        return false;
    };
    if (opensWith(knows.nativeReadings(first)) && !opensWith(knows.chineseReadings(first)))
        count.pronunciation = QString::fromUtf16(Native[n - 1]);
}

// Four standing alone in a name, not counting anything, is シ, as old names say it (四国, 四の宮,
// 四天王 シテンノウ): ヨン is the modern way of counting, kept before the counters of streets and
// numbered places (四丁目, 四番, 四号, 四区, 四線, 四条, 四組) and inside a longer number.
void nameFour(ReadWords& words, size_t i) {
    ReadWord& four = words[i];
    if (four.fixed || four.surface != QStringLiteral("四") || !isNumberWord(four) ||
        four.pronunciation != QStringLiteral("ヨン") || i + 1 >= words.size())
        return;
    if (i > 0 && isNumberWord(words[i - 1])) return;
    const ReadWord& next = words[i + 1];
    if (next.surface.isEmpty() || isNumberWord(next) || isCounter(next)) return;
    const QChar c = next.surface[0];
    if (QStringView(u"丁町番号区線条組班期階百千万").contains(c)) return;
    if (KanaText::isKanji(c) || QStringView(u"のノ之ヶ").contains(c))
        four.pronunciation = QStringLiteral("シ");
}

// A number the dictionary split before 百 or 千 loses the sound change of the whole (三|百
// サンヒャク): three, six and eight hundred are サンビャク, ロッピャク, ハッピャク, three and
// eight thousand サンゼン, ハッセン.
void hundreds(ReadWords& words, size_t i) {
    ReadWord& unit = words[i];
    if (i == 0 || unit.fixed || unit.surface.isEmpty()) return;
    ReadWord& before = words[i - 1];
    if (before.fixed || !isNumberWord(before) || value(before.surface) < 0) return;
    const bool hundred = unit.surface.startsWith(u'百') && unit.pronunciation.startsWith(u'ヒ');
    const bool thousand = unit.surface.startsWith(u'千') && unit.pronunciation.startsWith(u'セ');
    if (!hundred && !thousand) return;
    QString& b = before.pronunciation;
    QString& p = unit.pronunciation;
    if (b.endsWith(QStringLiteral("サン"))) {
        p[0] = hundred ? u'ビ' : u'ゼ';
    } else if (b.endsWith(QStringLiteral("ハチ"))) {
        b.back() = u'ッ';
        if (hundred) p[0] = u'ピ';
    } else if (b.endsWith(QStringLiteral("ロク")) && hundred) {
        b.back() = u'ッ';
        p[0] = u'ピ';
    }
}

// A number in kanji before a counter is read as the number, also where the place list knows
// the same characters as a place's name (十九 ジュック before 番).
void beforeCounter(ReadWords& words, size_t i) {
    ReadWord& w = words[i];
    if (i + 1 >= words.size() || w.fixed || isNumberWord(w) || !isCounter(words[i + 1])) return;
    const long long n = value(w.surface);
    if (n < 0) return;
    w.pronunciation = NumberKana::read(QString::number(n));
    // A number now, so the counter's sound changes apply to it.
    w.pos = QStringLiteral("名詞");
    w.pos1 = QStringLiteral("数");
}

// Counters whose first sound is k, s or t (those in h follow): a number before them that ends
// in イチ, ハチ or ジュウ closes with a glottal stop (イッチョウメ, ハック, ジュッセン); ロク does
// so before the k counters only.
struct Counter {
    const char16_t* surface;
    bool kSound;
};
// Months, places, times, pieces and cases count in k too: 1ヶ月 イッカゲツ, 6回 ロッカイ.
const Counter Counters[] = {{u"丁目", false}, {u"丁", false},  {u"区", true},   {u"線", false},
                            {u"世紀", false}, {u"階", true},   {u"軒", true},   {u"ヶ月", true},
                            {u"ヵ月", true},  {u"カ月", true}, {u"か月", true}, {u"ヶ所", true},
                            {u"ヵ所", true},  {u"カ所", true}, {u"か所", true}, {u"箇所", true},
                            {u"回", true},    {u"個", true},   {u"件", true}};

void glottalStop(ReadWords& words, size_t i) {
    ReadWord& number = words[i];
    if (i + 1 >= words.size() || number.fixed || !isNumber(number)) return;
    const ReadWord& next = words[i + 1];
    for (const Counter& counter : Counters) {
        const QString surface = QString::fromUtf16(counter.surface);
        if (!next.surface.startsWith(surface)) continue;
        QString& p = number.pronunciation;
        if (p.endsWith(QStringLiteral("イチ")) || p.endsWith(QStringLiteral("ハチ")) ||
            p.endsWith(QStringLiteral("ジュウ")) || p.endsWith(QStringLiteral("ジュー")) ||
            (counter.kSound && p.endsWith(QStringLiteral("ロク"))))
            p.replace(p.size() - 1, 1, u'ッ');
        return;
    }
}

// Counters that start with h take p after a number that closes with a glottal stop (1分
// イップン, 6本 ロッポン, 10分 ジュップン, 100本 ヒャッポン) and, for some, p or b after n (3分
// サンプン, 3本 サンボン, 4分 ヨンプン but 4本 ヨンホン). The dictionary gives the plain h
// everywhere (イチフン).
struct HCounter {
    QChar kanji;
    QChar afterSan, afterYon; // the first sound after サン and after ヨン
};
const HCounter HCounters[] = {{u'分', u'プ', u'プ'}, {u'本', u'ボ', u'ホ'}, {u'杯', u'バ', u'ハ'},
                              {u'泊', u'パ', u'パ'}, {u'発', u'パ', u'パ'}, {u'匹', u'ビ', u'ヒ'}};

// The h kana `h` with the sound of `like`, p (パ), b (バ) or h (ハ) itself: ハ → パ or バ.
QChar withSound(QChar h, QChar like) {
    const qsizetype at = QStringView(u"ハヒフヘホ").indexOf(h);
    if (at < 0 || QStringView(u"ハヒフヘホ").contains(like)) return h;
    const bool p = QStringView(u"パピプペポ").contains(like);
    return (p ? QStringView(u"パピプペポ") : QStringView(u"バビブベボ"))[at];
}

void hCounter(ReadWords& words, size_t i) {
    if (i == 0) return;
    ReadWord& counter = words[i];
    ReadWord& number = words[i - 1];
    if (counter.fixed || number.fixed || counter.surface.size() != 1 || !isCounter(counter) ||
        !isNumberWord(number) || counter.pronunciation.isEmpty())
        return;
    const HCounter* kind = nullptr;
    for (const HCounter& c : HCounters)
        if (counter.surface[0] == c.kanji) kind = &c;
    if (!kind) return;
    QString& n = number.pronunciation;
    QChar& first = counter.pronunciation[0];
    for (const char16_t* stop : {u"イチ", u"ハチ", u"ロク", u"ジュウ", u"ジュー", u"ヒャク"}) {
        if (!n.endsWith(QStringView(stop))) continue;
        n.back() = u'ッ'; // ジュー's ー too: ジュッ
        first = withSound(first, u'パ');
        return;
    }
    if (n.endsWith(QStringLiteral("サン")))
        first = withSound(first, kind->afterSan);
    else if (n.endsWith(QStringLiteral("ヨン")))
        first = withSound(first, kind->afterYon);
}

// The value of a number word, in digits or in kanji; -1 when it has none.
long long numberValue(const ReadWord& w) {
    bool digits = !w.surface.isEmpty();
    for (QChar c : w.surface)
        digits = digits && c >= u'0' && c <= u'9';
    if (digits) return w.surface.size() > 12 ? -1 : w.surface.toLongLong();
    return value(w.surface);
}

void replaceEnd(QString& s, QStringView from, QStringView to) {
    if (!s.endsWith(from)) return;
    s.chop(from.size());
    s += to;
}

// Hours, months, days of the month, people and years read a number their own way: 4時 ヨジ,
// 9時 クジ, 4月 シガツ (the dictionary reads 月 after a number as the moon, ツキ), 4日 ヨッカ, 20日
// ハツカ, 1日 after a month ツイタチ, 1人 ヒトリ, 4年 ヨネン.
void calendar(ReadWords& words, size_t i) {
    if (i == 0) return;
    ReadWord& unit = words[i];
    ReadWord& number = words[i - 1];
    if (unit.fixed || number.fixed || unit.surface.size() != 1 || !isNumberWord(number)) return;
    const QChar kind = unit.surface[0];
    long long v = numberValue(number);
    if (kind == u'石') {
        // The whole number, which the dictionary may have cut into its digits and units (五|万).
        QString whole;
        for (size_t k = i; k > 0 && isNumberWord(words[k - 1]) && !words[k - 1].fixed; --k)
            whole.prepend(words[k - 1].surface);
        if (const long long all = value(whole); all >= 0) v = all;
    }
    // 石 after a number of ten or more is a count even where the dictionary took it for a noun
    // (二万|石 of a canal named for the rice it waters), and 里 after any number is the old
    // measure of road (一里塚 イチリヅカ), not the village サト.
    if (v < 0 ||
        !(isCounter(unit) || (unit.pos == QStringLiteral("名詞") &&
                              (kind == u'月' || kind == u'里' || (kind == u'石' && v >= 10)))))
        return;
    QString& n = number.pronunciation;
    const auto fourNineSeven = [&n](const char16_t* four, const char16_t* nine,
                                    const char16_t* seven) {
        if (four) replaceEnd(n, u"ヨン", QStringView(four));
        if (nine) replaceEnd(n, u"キュウ", QStringView(nine));
        if (nine) replaceEnd(n, u"キュー", QStringView(nine));
        if (seven) replaceEnd(n, u"ナナ", QStringView(seven));
    };
    if (kind == u'時') {
        fourNineSeven(u"ヨ", u"ク", nullptr);
    } else if (kind == u'月' && v >= 1 && v <= 12) {
        fourNineSeven(u"シ", u"ク", u"シチ");
        unit.pronunciation = QStringLiteral("ガツ");
    } else if (kind == u'日' && v >= 1 && v <= 31) {
        const bool afterMonth = i >= 2 && words[i - 2].surface == QStringLiteral("月") &&
                                words[i - 2].pronunciation == QStringLiteral("ガツ");
        if (v >= 2 && v <= 10) {
            n = dayCount(int(v));
        } else if (v == 20) {
            n = QStringLiteral("ハツカ");
        } else if (v % 10 == 4) {
            fourNineSeven(u"ヨッカ", nullptr, nullptr);
        } else if (v == 1 && afterMonth) {
            n = QStringLiteral("ツイタチ");
        } else {
            if (v > 10) fourNineSeven(nullptr, u"ク", u"シチ");
            return;
        }
        // The day is read whole on its 日, as the dictionary reads a day it knows (六日市's
        // 六日 ムイカ), so that the rules after it see it whole.
        unit.pronunciation = n;
        n.clear();
    } else if (kind == u'人') {
        if (v == 1 || v == 2) {
            n = v == 1 ? QStringLiteral("ヒト") : QStringLiteral("フタ");
            unit.pronunciation = QStringLiteral("リ");
        } else {
            fourNineSeven(u"ヨ", nullptr, nullptr);
        }
    } else if (kind == u'年') {
        fourNineSeven(u"ヨ", nullptr, nullptr);
    } else if (kind == u'目') {
        // The weight of old money (匁), which names keep (三百目 サンビャクメ), not the go
        // stones of a count of points (モク).
        unit.pronunciation = QStringLiteral("メ");
    } else if (kind == u'重') {
        // Layers of one, six, seven or eight are counted natively (一重 ヒトエ, 八重 ヤエ), not
        // as a multiple; 二重 and 三重 keep the readings the dictionary gives them.
        static const QHash<QChar, QString> Layers = {{u'一', QStringLiteral("ヒト")},
                                                     {u'六', QStringLiteral("ム")},
                                                     {u'七', QStringLiteral("ナナ")},
                                                     {u'八', QStringLiteral("ヤ")}};
        if (number.surface.size() != 1 || !Layers.contains(number.surface[0]) ||
            (i >= 2 && isNumberWord(words[i - 2])))
            return;
        n = Layers.value(number.surface[0]);
        unit.pronunciation = QStringLiteral("エ");
    } else if (kind == u'尾') {
        // A ridge's tail in a name (七尾 ナナオ), not the count of fish (ビ).
        unit.pronunciation = QStringLiteral("オ");
    } else if (kind == u'里') {
        fourNineSeven(nullptr, nullptr, u"シチ");
        unit.pronunciation = QStringLiteral("リ");
    } else if (kind == u'石') {
        // After a number 石 is the koku that rice and villages' yields were counted in (三石
        // サンゴク, 六石 ロッコク), not the stones of a watch's movement (セキ).
        if (n.endsWith(u'ン')) {
            unit.pronunciation = QStringLiteral("ゴク");
            return;
        }
        unit.pronunciation = QStringLiteral("コク");
        for (const char16_t* stop : {u"イチ", u"ハチ", u"ロク", u"ジュウ", u"ジュー"})
            if (n.endsWith(QStringView(stop))) n.back() = u'ッ';
    }
}

} // namespace

long long value(QStringView text) {
    if (text.isEmpty()) return -1;
    long long total = 0, section = 0, digit = -1;
    for (QChar c : text) {
        const qsizetype d = Digits.indexOf(c);
        const qsizetype unit = QStringView(u"十百千").indexOf(c);
        if (d >= 0) {
            if (digit >= 0 || d == 0) return -1; // digits in a row: a code, not a number
            digit = d;
        } else if (unit >= 0) {
            const long long scale = unit == 0 ? 10 : unit == 1 ? 100 : 1000;
            // Each unit once and in falling order within a section (not 十百, 百百).
            if (section % (scale * 10) != 0) return -1;
            section += (digit >= 0 ? digit : 1) * scale;
            digit = -1;
        } else if (c == u'万') {
            if (total != 0 || (section == 0 && digit < 0)) return -1;
            total = (section + std::max(digit, 0LL)) * 10000;
            section = 0;
            digit = -1;
        } else {
            return -1;
        }
    }
    return total + section + std::max(digit, 0LL);
}

std::optional<qsizetype> unitBoundary(const ReadWords& words, QStringView text) {
    const std::vector<qsizetype> ends = wordEnds(words, text);
    for (size_t i = 0; i + 1 < words.size() && i < ends.size(); ++i) {
        const ReadWord& number = words[i];
        const qsizetype at = ends[i];
        const QString& next = words[i + 1].surface;
        if (!isNumberWord(number) || number.surface.isEmpty() ||
            Digits.indexOf(number.surface.back()) < 1 || next.size() < 2 ||
            isNumberWord(words[i + 1]) || !text.mid(at).startsWith(next))
            continue;
        // Only a unit that carries the number on (五百, 三万; not 十百). A 十 is left out: the
        // lists' names read a word opening with it as often as the number (十軒 ジッケン).
        if (QStringView(u"百千万").contains(next[0]) && value(number.surface + next[0]) >= 0)
            return at + 1;
    }
    return std::nullopt;
}

bool isNumber(const ReadWord& w) {
    if (isNumberWord(w)) return true;
    if (w.surface.isEmpty()) return false;
    for (QChar c : w.surface)
        if (c < u'0' || c > u'9') return false;
    return true;
}

QString dayCount(int days) {
    static const char16_t* const Days[] = {u"フツカ", u"ミッカ", u"ヨッカ",   u"イツカ", u"ムイカ",
                                           u"ナノカ", u"ヨウカ", u"ココノカ", u"トオカ"};
    return days >= 2 && days <= 10 ? QString::fromUtf16(Days[days - 2]) : QString();
}

void apply(ReadWords& words, WordKnowledge& knows) {
    for (size_t i = 0; i < words.size(); ++i) {
        nativeCount(words, i, knows);
        nameFour(words, i);
        nativePrefix(words, i, knows);
        hundreds(words, i);
        beforeCounter(words, i);
        hCounter(words, i);
        calendar(words, i);
    }
    // Once every number is read as one, the glottal stop before the counters in k, s and t.
    for (size_t i = 0; i < words.size(); ++i)
        glottalStop(words, i);
}

} // namespace NumeralWords
