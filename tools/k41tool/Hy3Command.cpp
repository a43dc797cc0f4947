// k41tool hy3: fare data files as UTF-8 CSV and back (the form is described in Hy3Csv.h),
// and a check that says whether K41 can read a file. All three go through K41's own reader
// and writer; a dump builds back to the very same bytes.
#include "tools/k41tool/Commands.h"

#include "faredata/Hy3File.h"
#include "platform/core/FileReader.h"
#include "platform/core/FileReplace.h"
#include "platform/core/K41Error.h"
#include "tools/k41tool/Hy3Csv.h"

#include <QStringList>
#include <cstdio>

namespace {

void printErr(const QString& text) {
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

int fail(const QString& file, const QString& reason) {
    printErr(QStringLiteral("k41tool: %1: %2").arg(file, reason));
    return 1;
}

int dump(const QString& file) {
    try {
        const QByteArray bytes = FileReader::read(file, Hy3File::MaxUsefulBytes + 1);
        // Bytes past the longest file K41 reads are never read, so they could not be given back.
        if (bytes.size() > Hy3File::MaxUsefulBytes)
            return fail(file,
                        QStringLiteral("%1バイトを超えるファイルはそのままの形で書き出せません")
                            .arg(Hy3File::MaxUsefulBytes));
        const QByteArray out = Hy3Csv::toCsv(Hy3File::readStored(bytes));
        std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const K41Error& e) {
        return fail(file, e.description());
    }
}

int build(const QString& csvPath, const QString& outPath) {
    // A route of 301 rows stays far below this; the limit keeps a wrong argument from being
    // read whole.
    constexpr qint64 MaxCsvBytes = 64 * 1024 * 1024;
    QByteArray bytes;
    try {
        bytes = FileReader::read(csvPath, MaxCsvBytes + 1);
    } catch (const K41Error& e) {
        return fail(csvPath, e.description());
    }
    if (bytes.size() > MaxCsvBytes) return fail(csvPath, QStringLiteral("ファイルが大きすぎます"));
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    const QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter))
        return fail(csvPath, QStringLiteral("UTF-8 として読めない文字があります"));
    QByteArray hy3;
    try {
        hy3 = Hy3File::writeStored(Hy3Csv::fromCsv(text));
    } catch (const K41Error& e) {
        return fail(csvPath, e.description());
    }
    try {
        FileReplace::write(outPath, hy3);
    } catch (const K41Error& e) {
        return fail(outPath, e.description());
    }
    return 0;
}

int check(const QString& file) {
    try {
        const Hy3File::Check verdict = Hy3File::check(Hy3File::readFile(file));
        if (!verdict.ok) return fail(file, verdict.reason);
        if (!verdict.warning.isEmpty())
            printErr(QStringLiteral("k41tool: %1: 警告: %2").arg(file, verdict.warning));
        return 0;
    } catch (const K41Error& e) {
        return fail(file, e.description());
    }
}

} // namespace

int hy3Command(const QStringList& args) {
    const QString verb = args.value(0);
    if (verb == QLatin1String("dump") && args.size() == 2) return dump(args.at(1));
    if (verb == QLatin1String("build") && args.size() == 3) return build(args.at(1), args.at(2));
    if (verb == QLatin1String("check") && args.size() == 2) return check(args.at(1));
    std::fputs("usage: k41tool hy3 dump FILE | hy3 build CSV OUT | hy3 check FILE\n", stderr);
    return 2;
}
