// k41tool hy3: fare data files as UTF-8 CSV and back, and a check that says whether K41 can
// read a file. All three go through K41's own reader and writer.
//
// CSV form, one stop a line in running order: stop name, ticket number, then the fares for
// ticket numbers 1, 2, ... (up to 150; missing or empty fares are 0). Names holding a comma,
// a quote, a line break, or spaces at either end are quoted with quotes doubled. A line whose
// first character is an unquoted '#' is a comment; blank lines are skipped.
#include "tools/k41tool/Commands.h"

#include "faredata/Hy3File.h"
#include "platform/core/Codec932.h"
#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>
#include <limits>
#include <optional>

namespace {

void printErr(const QString& text) {
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

int fail(const QString& file, const QString& reason) {
    printErr(QStringLiteral("k41tool: %1: %2").arg(file, reason));
    return 1;
}

QString csvField(const QString& text) {
    const bool quote = text.contains(u',') || text.contains(u'"') || text.contains(u'\n') ||
                       text.contains(u'\r') || text.startsWith(u'#') ||
                       (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quote) return text;
    QString out = text;
    out.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + out + u'"';
}

// One record of the CSV text and the line it started on.
struct CsvRecord {
    int line = 0;
    QStringList fields;
};

// Splits CSV text into records; quoted fields may hold commas, quotes ("") and line breaks.
// Returns an error text for an unterminated quote.
std::optional<QString> parseCsv(const QString& text, std::vector<CsvRecord>& out) {
    int line = 1;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        // Blank lines and comments.
        if (text.at(i) == u'\n' || text.at(i) == u'\r') {
            if (text.at(i) == u'\n') ++line;
            ++i;
            continue;
        }
        if (text.at(i) == u'#') {
            while (i < n && text.at(i) != u'\n')
                ++i;
            continue;
        }
        CsvRecord record;
        record.line = line;
        for (;;) {
            QString field;
            if (i < n && text.at(i) == u'"') {
                const int quoteLine = line;
                ++i;
                for (;;) {
                    if (i >= n)
                        return QStringLiteral("%1行目: 引用符が閉じられていません").arg(quoteLine);
                    if (text.at(i) == u'"') {
                        if (i + 1 < n && text.at(i + 1) == u'"') {
                            field += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (text.at(i) == u'\n') ++line;
                    field += text.at(i++);
                }
                // Anything between the closing quote and the next comma is kept as written.
                while (i < n && text.at(i) != u',' && text.at(i) != u'\n' && text.at(i) != u'\r')
                    field += text.at(i++);
            } else {
                while (i < n && text.at(i) != u',' && text.at(i) != u'\n' && text.at(i) != u'\r')
                    field += text.at(i++);
            }
            record.fields << field;
            if (i < n && text.at(i) == u',') {
                ++i;
                continue;
            }
            break;
        }
        out.push_back(std::move(record));
    }
    return std::nullopt;
}

std::optional<qint16> toInt16(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return qint16(0);
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok || v < std::numeric_limits<qint16>::min() || v > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(v);
}

int dump(const QString& file) {
    try {
        const std::vector<FareRow> rows = Hy3File::readRows(Hy3File::readFile(file));
        QByteArray out;
        for (const FareRow& row : rows) {
            QStringList fields{csvField(row.StopName), QString::number(row.SeiriNum)};
            for (qint16 fare : row.Fares)
                fields << QString::number(fare);
            out += fields.join(u',').toUtf8() + '\n';
        }
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

    std::vector<CsvRecord> records;
    if (auto error = parseCsv(text, records)) return fail(csvPath, *error);

    std::vector<FareRow> rows;
    for (const CsvRecord& record : records) {
        const auto where = QStringLiteral("%1行目: ").arg(record.line);
        if (record.fields.size() < 2)
            return fail(csvPath, where + QStringLiteral("停留所名と整理券番号が必要です"));
        if (record.fields.size() > 2 + FareRow::FareCount)
            return fail(csvPath,
                        where + QStringLiteral("運賃は%1列までです").arg(FareRow::FareCount));
        FareRow row;
        row.StopName = record.fields.at(0);
        const QString bad = Codec932::firstUnencodable(row.StopName);
        if (!bad.isEmpty())
            return fail(csvPath,
                        where + QStringLiteral("停留所名の「%1」はシフトJISで表せません").arg(bad));
        const auto seiri = toInt16(record.fields.at(1));
        if (!seiri)
            return fail(csvPath,
                        where +
                            QStringLiteral("整理券番号「%1」が数値（-32768～32767）ではありません")
                                .arg(record.fields.at(1)));
        row.SeiriNum = *seiri;
        for (qsizetype k = 2; k < record.fields.size(); ++k) {
            const auto fare = toInt16(record.fields.at(k));
            if (!fare)
                return fail(csvPath,
                            where + QStringLiteral(
                                        "整理券%1の運賃「%2」が数値（-32768～32767）ではありません")
                                        .arg(k - 1)
                                        .arg(record.fields.at(k)));
            row.Fares[static_cast<size_t>(k - 2)] = *fare;
        }
        rows.push_back(std::move(row));
    }

    try {
        const QByteArray hy3 = Hy3File::write(rows);
        QSaveFile out(outPath);
        if (!out.open(QIODevice::WriteOnly) || out.write(hy3) != hy3.size() || !out.commit())
            return fail(outPath, K41Error::fromFile(out, outPath).description());
        return 0;
    } catch (const K41Error& e) {
        return fail(csvPath, e.description());
    }
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
