#include "tools/k41tool/Hy3Csv.h"

#include "platform/core/Codec932.h"
#include "platform/core/K41Error.h"

#include <QStringList>
#include <limits>
#include <optional>

namespace Hy3Csv {

namespace {

const QString BytesMark = QStringLiteral("=cp932:");
const QString TrailingMark = QStringLiteral("=trailing:");

QString csvField(const QString& text) {
    const bool quote = text.contains(u',') || text.contains(u'"') || text.contains(u'\n') ||
                       text.contains(u'\r') || text.startsWith(u'#') || text.startsWith(u'=') ||
                       (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quote) return text;
    QString out = text;
    out.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + out + u'"';
}

// The name as CSV text, or as its bytes where text would not give the same bytes back or
// would carry control characters into the file.
QString nameField(const QByteArray& bytes) {
    const QString text = Codec932::decode(bytes);
    bool faithful = Codec932::encode(text) == bytes;
    for (QChar c : text)
        faithful &= c.category() != QChar::Other_Control || c == u'\t';
    if (faithful) return csvField(text);
    return BytesMark + QString::fromLatin1(bytes.toHex().toUpper());
}

struct Field {
    QString text;
    bool quoted = false;
};

// One record of the CSV text and the line it started on.
struct Record {
    int line = 0;
    QList<Field> fields;
};

K41Error wrongAt(int line, const QString& what) {
    return K41Error(K41Error::TypeMismatch, QStringLiteral("%1行目: %2").arg(line).arg(what));
}

// Splits CSV text into records; quoted fields may hold commas, quotes ("") and line breaks.
// The records may refer to `text`, which must outlive them.
std::vector<Record> parse(const QString& text) {
    std::vector<Record> out;
    int line = 1;
    qsizetype i = 0;
    const qsizetype n = text.size();
    const auto endOfField = [&] {
        return i >= n || text.at(i) == u',' || text.at(i) == u'\n' || text.at(i) == u'\r';
    };
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
        Record record;
        record.line = line;
        for (;;) {
            Field field;
            if (i < n && text.at(i) == u'"') {
                field.quoted = true;
                const int quoteLine = line;
                ++i;
                for (;;) {
                    if (i >= n)
                        throw wrongAt(quoteLine, QStringLiteral("引用符が閉じられていません"));
                    if (text.at(i) == u'"') {
                        if (i + 1 < n && text.at(i + 1) == u'"') {
                            field.text += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (text.at(i) == u'\n') ++line;
                    field.text += text.at(i++);
                }
            }
            // Anything up to the next comma is kept as written (after a closing quote, too).
            const qsizetype start = i;
            while (!endOfField())
                ++i;
            // A field without quotes refers to the text's own characters instead of copying
            // them: the records live only inside fromCsv, which holds the text.
            if (field.text.isEmpty())
                field.text = QString::fromRawData(text.constData() + start, i - start);
            else
                field.text += QStringView(text).sliced(start, i - start);
            record.fields.push_back(std::move(field));
            if (i < n && text.at(i) == u',') {
                ++i;
                continue;
            }
            break;
        }
        out.push_back(std::move(record));
    }
    return out;
}

std::optional<qint16> toInt16(const QString& text) {
    const QStringView t = QStringView(text).trimmed();
    if (t.isEmpty()) return qint16(0);
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok || v < std::numeric_limits<qint16>::min() || v > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(v);
}

// For an unquoted field that starts with `mark`: the bytes written after it, two hexadecimal
// digits a byte.
std::optional<QByteArray> marked(const Field& field, const QString& mark, int line) {
    if (field.quoted || !field.text.startsWith(mark)) return std::nullopt;
    const QString hex = field.text.mid(mark.size()).trimmed();
    bool valid = hex.size() % 2 == 0;
    for (QChar c : hex)
        valid &= c.isDigit() || (c.toLower() >= u'a' && c.toLower() <= u'f');
    if (!valid)
        throw wrongAt(line, QStringLiteral("%1 の後には16進数2桁ずつでバイトを書きます").arg(mark));
    return QByteArray::fromHex(hex.toLatin1());
}

QByteArray nameBytes(const Record& record) {
    const Field& name = record.fields.at(0);
    if (const auto bytes = marked(name, BytesMark, record.line)) return *bytes;
    const QString bad = Codec932::firstUnencodable(name.text);
    if (!bad.isEmpty())
        throw wrongAt(record.line,
                      QStringLiteral("停留所名の「%1」はシフトJISで表せません").arg(bad));
    return Codec932::encode(name.text);
}

} // namespace

QByteArray toCsv(const Hy3File::Stored& stored) {
    QByteArray out;
    for (const Hy3File::StoredRow& row : stored.rows) {
        out += nameField(row.name).toUtf8();
        out += ',';
        out += QByteArray::number(row.SeiriNum);
        for (qint16 fare : row.Fares) {
            out += ',';
            out += QByteArray::number(fare);
        }
        out += '\n';
    }
    if (!stored.trailing.isEmpty())
        out += TrailingMark.toLatin1() + stored.trailing.toHex().toUpper() + '\n';
    return out;
}

Hy3File::Stored fromCsv(const QString& text) {
    const std::vector<Record> records = parse(text);
    Hy3File::Stored stored;
    for (size_t r = 0; r < records.size(); ++r) {
        const Record& record = records[r];
        if (const auto trailing = marked(record.fields.at(0), TrailingMark, record.line)) {
            if (record.fields.size() != 1 || r + 1 != records.size())
                throw wrongAt(
                    record.line,
                    QStringLiteral("%1 は最後の行にそれだけを書きます").arg(TrailingMark));
            stored.trailing = *trailing;
            break;
        }
        if (record.fields.size() < 2)
            throw wrongAt(record.line, QStringLiteral("停留所名と整理券番号が必要です"));
        if (record.fields.size() > 2 + FareRow::FareCount)
            throw wrongAt(record.line,
                          QStringLiteral("運賃は%1列までです").arg(FareRow::FareCount));
        Hy3File::StoredRow row;
        row.name = nameBytes(record);
        const auto seiri = toInt16(record.fields.at(1).text);
        if (!seiri)
            throw wrongAt(record.line,
                          QStringLiteral("整理券番号「%1」が数値（-32768～32767）ではありません")
                              .arg(record.fields.at(1).text));
        row.SeiriNum = *seiri;
        for (qsizetype k = 2; k < record.fields.size(); ++k) {
            const auto fare = toInt16(record.fields.at(k).text);
            if (!fare)
                throw wrongAt(
                    record.line,
                    QStringLiteral("整理券%1の運賃「%2」が数値（-32768～32767）ではありません")
                        .arg(k - 1)
                        .arg(record.fields.at(k).text));
            row.Fares[static_cast<size_t>(k - 2)] = *fare;
        }
        stored.rows.push_back(std::move(row));
    }
    return stored;
}

} // namespace Hy3Csv
