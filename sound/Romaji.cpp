#include "sound/Romaji.h"

#include <QHash>
#include <QPair>
#include <algorithm>

namespace Romaji {

namespace {

// Every syllable of both romanisations, with the katakana it stands for.
const QHash<QString, QString>& syllables() {
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> t;
        const auto row = [&t](const char* consonant, const char16_t* kana) {
            static const char* const vowels[5] = {"a", "i", "u", "e", "o"};
            const QString k = QString::fromUtf16(kana);
            for (int v = 0; v < 5; ++v)
                if (k[v] != u'・')
                    t.insert(QLatin1String(consonant) + QLatin1String(vowels[v]), k.mid(v, 1));
        };
        row("", u"アイウエオ");
        row("k", u"カキクケコ");
        row("g", u"ガギグゲゴ");
        row("s", u"サシスセソ");
        row("z", u"ザジズゼゾ");
        row("t", u"タチツテト");
        row("d", u"ダヂヅデド");
        row("n", u"ナニヌネノ");
        row("h", u"ハヒフヘホ");
        row("b", u"バビブベボ");
        row("p", u"パピプペポ");
        row("m", u"マミムメモ");
        row("y", u"ヤ・ユ・ヨ");
        row("r", u"ラリルレロ");
        // ヲ is said オ.
        row("w", u"ワ・・・オ");
        // Hepburn's spellings of the same sounds.
        t.insert(QStringLiteral("shi"), QStringLiteral("シ"));
        t.insert(QStringLiteral("chi"), QStringLiteral("チ"));
        t.insert(QStringLiteral("tsu"), QStringLiteral("ツ"));
        t.insert(QStringLiteral("fu"), QStringLiteral("フ"));
        t.insert(QStringLiteral("ji"), QStringLiteral("ジ"));
        // Contracted sounds: a consonant with ya, yu, yo (Kunrei sya, Hepburn sha).
        const struct {
            const char* romaji;
            const char16_t* kana;
        } contracted[] = {{"ky", u"キ"}, {"gy", u"ギ"}, {"sy", u"シ"}, {"sh", u"シ"},
                          {"zy", u"ジ"}, {"j", u"ジ"},  {"jy", u"ジ"}, {"ty", u"チ"},
                          {"ch", u"チ"}, {"ny", u"ニ"}, {"hy", u"ヒ"}, {"by", u"ビ"},
                          {"py", u"ピ"}, {"my", u"ミ"}, {"ry", u"リ"}};
        for (const auto& c : contracted) {
            const QString first = QString::fromUtf16(c.kana);
            t.insert(QLatin1String(c.romaji) + u'a', first + u'ャ');
            t.insert(QLatin1String(c.romaji) + u'u', first + u'ュ');
            t.insert(QLatin1String(c.romaji) + u'o', first + u'ョ');
        }
        t.insert(QStringLiteral("she"), QStringLiteral("シェ"));
        t.insert(QStringLiteral("je"), QStringLiteral("ジェ"));
        t.insert(QStringLiteral("che"), QStringLiteral("チェ"));
        return t;
    }();
    return table;
}

bool isVowel(QChar c) {
    return QStringView(u"aiueo").contains(c);
}

// A vowel with a macron or circumflex: the plain vowel, else a null character.
QChar longVowel(QChar c) {
    const qsizetype at = QStringView(u"āīūēōâîûêô").indexOf(c);
    return at < 0 ? QChar() : QStringView(u"aiueo")[at % 5];
}

} // namespace

QString toKana(QStringView word) {
    // Long vowels marked on the letter become the plain vowel followed by '-'.
    QString s;
    for (QChar c : word) {
        const QChar lower = c.toLower();
        const QChar plain = longVowel(lower);
        if (!plain.isNull())
            s += QString(plain) + u'-';
        else if (lower >= u'a' && lower <= u'z')
            s += lower;
        else if (lower == u'\'' && !s.isEmpty() && s.back() == u'n')
            s += lower; // Shin'ya: the n before it is a syllable of its own
        else
            return QString();
    }
    const auto at = [&s](qsizetype i) { return i < s.size() ? s[i] : QChar(); };
    QString out;
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s[i], next = at(i + 1);
        if (c == u'-') {
            out += u'ー';
            ++i;
            continue;
        }
        if (c == u'\'') {
            ++i;
            continue;
        }
        // The syllabic n: before a consonant, an apostrophe or at the end (Gunma, Shin'ya);
        // Hepburn writes it m before b, m and p (Shimbashi).
        if ((c == u'n' && !isVowel(next) && next != u'y') ||
            (c == u'm' && QStringView(u"bmp").contains(next) && !next.isNull())) {
            out += u'ン';
            ++i;
            continue;
        }
        // A doubled consonant is a glottal stop (Hokkaido, Sapporo), as is the t of tch.
        if ((c == next && QStringView(u"kstpc").contains(c)) ||
            (c == u't' && next == u'c' && at(i + 2) == u'h')) {
            out += u'ッ';
            ++i;
            continue;
        }
        // An h after o with no vowel after it lengthens the o (Ohno オーノ).
        if (c == u'h' && i > 0 && s[i - 1] == u'o' && !isVowel(next) && next != u'y') {
            out += u'ー';
            ++i;
            continue;
        }
        bool found = false;
        for (qsizetype n = 3; n > 0 && !found; --n) {
            if (i + n > s.size()) continue;
            const auto kana = syllables().constFind(s.mid(i, n));
            if (kana == syllables().constEnd()) continue;
            out += *kana;
            i += n;
            found = true;
        }
        if (!found) return QString();
    }
    // Japanese never says two syllabic n in a row; a word ending in nn (Inn) is no romaji.
    if (out.contains(QStringLiteral("ンン"))) return QString();
    return out;
}

namespace {

// Whether `kana` marks a long vowel anywhere (ー, or a written ou, oo or uu): its writer marks
// them, and none is added.
bool marksALongVowel(const QString& kana) {
    const QStringView oRow(u"オコソトノホモヨロゴゾドボポョ"),
        uRow(u"ウクスツヌフムユルグズヅブプュ");
    for (qsizetype i = 0; i < kana.size(); ++i) {
        const QChar c = kana[i], next = i + 1 < kana.size() ? kana[i + 1] : QChar();
        if (c == u'ー') return true;
        if ((oRow.contains(c) && (next == u'ウ' || next == u'オ')) ||
            (uRow.contains(c) && next == u'ウ'))
            return true;
    }
    return false;
}

// The readings of `kana` with each of its first MaxLongVowels syllables that `marks` gives
// kana for as it is or followed by one of them, fewest lengthened first, leaving out `kana`
// itself. A syllable with a small ャュョ is long only at its end (キョ キョウ, not キイョ).
template <typename Marks> QStringList lengthened(const QString& kana, Marks marks) {
    if (marksALongVowel(kana)) return {};
    const auto smallGlide = [](QChar c) { return QStringView(u"ャュョァィゥェォ").contains(c); };
    QList<qsizetype> at; // the syllables that may be long, by the index of their last kana
    for (qsizetype i = 0; i < kana.size() && at.size() < MaxLongVowels; ++i) {
        const QChar next = i + 1 < kana.size() ? kana[i + 1] : QChar();
        if (!marks(kana[i]).isEmpty() && !smallGlide(next)) at.append(i);
    }
    // Each syllable's choice: 0 short, k the k-th of its marks.
    QList<QPair<int, QString>> found; // number lengthened, reading
    QList<qsizetype> pick(at.size(), 0);
    for (;;) {
        qsizetype i = 0;
        while (i < at.size() && ++pick[i] > marks(kana[at[i]]).size())
            pick[i++] = 0;
        if (i == at.size()) break;
        QString reading;
        int count = 0;
        qsizetype from = 0;
        for (qsizetype j = 0; j < at.size(); ++j) {
            reading += QStringView(kana).mid(from, at[j] + 1 - from);
            from = at[j] + 1;
            if (pick[j] == 0) continue;
            reading += marks(kana[at[j]])[pick[j] - 1];
            ++count;
        }
        reading += QStringView(kana).mid(from);
        found.append({count, reading});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList readings;
    for (const auto& f : found)
        readings.append(f.second);
    return readings;
}

} // namespace

QStringList longVowelReadings(const QString& kana) {
    return lengthened(kana, [](QChar c) {
        if (c == u'オ') return QStringView(u"ウオ"); // 大 オオ as well as 王 オウ
        if (QStringView(u"コソトノホモヨロゴゾドボポョウクスツヌフムユルグズヅブプュ").contains(c))
            return QStringView(u"ウ");
        return QStringView();
    });
}

QStringList barLongVowelReadings(const QString& kana) {
    return lengthened(kana, [](QChar c) {
        // Every kana that ends in a vowel; ン and ッ do not.
        const bool vowel = c >= u'ァ' && c <= u'ヺ' && c != u'ン' && c != u'ッ' && c != u'ヮ';
        return vowel ? QStringView(u"ー") : QStringView();
    });
}

} // namespace Romaji
