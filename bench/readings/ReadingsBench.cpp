// How many real stop names K41 reads as their operators publish them. Reads a CSV of stop
// name, published reading (katakana), source (the first argument, or the measuring set beside
// the source tree) and prints the share read right, strictly and with long vowels compared
// leniently (トーキョー = トウキョウ), overall and by kind of name; "alike" also takes ヂ, ヅ as
// the ジ, ズ they sound like. Without the file it says so and succeeds, so a checkout without the
// measuring set still runs every benchmark.
//
//   bench_readings [FILE] [--misses N]   also list N names read wrong (leniently)
#include "sound/Pronouncer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <cstdio>
#include <functional>

namespace {

// Katakana only: brackets and separators in a published reading are not spoken.
QString kanaOnly(const QString& s) {
    QString out;
    for (QChar c : s)
        if ((c >= u'\u30A1' && c <= u'\u30F4') || c == u'ー') out += c;
    return out;
}

QChar vowelOf(QChar c) {
    static const char16_t* const rows[] = {
        u"アカサタナハマヤラワガザダバパァャヮ", u"イキシチニヒミリギジヂビピィ",
        u"ウクスツヌフムユルグズヅブプゥュヴ", u"エケセテネヘメレゲゼデベペェ",
        u"オコソトノホモヨロヲゴゾドボポォョ"};
    static const char16_t vowels[] = u"アイウエオ";
    for (int v = 0; v < 5; ++v)
        if (QString::fromUtf16(rows[v]).contains(c)) return QChar(vowels[v]);
    return QChar();
}

// Long vowels written out: ー becomes the vowel before it, and オウ, エイ are taken as オオ, エエ.
QString lenient(const QString& s) {
    QString out;
    for (QChar c : s) {
        const QChar before = out.isEmpty() ? QChar() : vowelOf(out.back());
        if (c == u'ー' && !before.isNull()) c = before;
        if ((before == u'オ' && c == u'ウ') || (before == u'エ' && c == u'イ')) c = before;
        out += c;
    }
    return out;
}

// One CSV line's fields (quotes allowed, no line ends inside them).
QStringList fields(const QString& line) {
    QStringList out;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
            field += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (c == u',' && !quoted) {
            out.append(field);
            field.clear();
        } else {
            field += c;
        }
    }
    out.append(field);
    return out;
}

struct Tally {
    const char* label;
    std::function<bool(const QString&)> has;
    int total = 0, strict = 0, lenient = 0, alike = 0;
};

// Lenient, and ヂ, ヅ taken as the ジ, ズ they sound like.
QString heard(const QString& s) {
    QString out = lenient(s);
    out.replace(u'ヂ', u'ジ');
    out.replace(u'ヅ', u'ズ');
    return out;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int misses = 0;
    const qsizetype m = args.indexOf(QStringLiteral("--misses"));
    if (m >= 0 && m + 1 < args.size()) {
        misses = args[m + 1].toInt();
        args.remove(m, 2);
    }
    const QString path = args.value(0, QStringLiteral(K41_READINGS_SET));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::printf("bench_readings: skipped, no measuring set at %s\n", qPrintable(path));
        return 0;
    }
    const std::unique_ptr<Pronouncer> pronouncer = Pronouncer::open(
        Pronouncer::defaultDictionaryDirs(), Pronouncer::defaultPlaceDictionaries());
    if (!pronouncer) {
        std::printf("bench_readings: skipped, MeCab's IPA dictionary is not installed\n");
        return 0;
    }

    static const QRegularExpression digits(QStringLiteral("[0-9０-９]"));
    static const QRegularExpression brackets(QStringLiteral("[()（）「」\\[\\]【】]"));
    static const QRegularExpression latin(QStringLiteral("[A-Za-zＡ-Ｚａ-ｚ]"));
    std::vector<Tally> tallies = {
        {"all names", [](const QString&) { return true; }},
        {"digits", [](const QString& n) { return n.contains(digits); }},
        {"丁目", [](const QString& n) { return n.contains(QStringLiteral("丁目")); }},
        {"町", [](const QString& n) { return n.contains(u'町'); }},
        {"橋", [](const QString& n) { return n.contains(u'橋'); }},
        {"brackets", [](const QString& n) { return n.contains(brackets); }},
        {"Latin letters", [](const QString& n) { return n.contains(latin); }},
    };

    QElapsedTimer timer;
    timer.start();
    bool header = true;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (header || line.isEmpty()) {
            header = false;
            continue;
        }
        const QStringList f = fields(line);
        if (f.size() < 2) continue;
        const QString name = f[0], published = kanaOnly(f[1]);
        const QString read = kanaOnly(pronouncer->toKana(name));
        const bool strict = read == published;
        const bool loose = lenient(read) == lenient(published);
        if (!loose && misses > 0) {
            --misses;
            std::printf("  %s\t%s\t%s\n", qPrintable(name), qPrintable(published),
                        qPrintable(read));
        }
        for (Tally& t : tallies) {
            if (!t.has(name)) continue;
            ++t.total;
            t.strict += strict;
            t.lenient += loose;
            t.alike += heard(read) == heard(published);
        }
    }
    const double seconds = double(timer.elapsed()) / 1000.0;
    std::printf("%-14s %6s %8s %9s %8s\n", "names", "count", "strict", "lenient", "alike");
    for (const Tally& t : tallies) {
        if (t.total == 0) continue;
        std::printf("%-*s %6d %7.1f%% %8.1f%% %7.1f%%\n",
                    14 + int(qstrlen(t.label)) - int(QString::fromUtf8(t.label).size()), t.label,
                    t.total, 100.0 * t.strict / t.total, 100.0 * t.lenient / t.total,
                    100.0 * t.alike / t.total);
    }
    std::printf("read in %.2f s, %.2f ms a name\n", seconds,
                tallies[0].total ? 1000.0 * seconds / tallies[0].total : 0.0);
    return 0;
}
