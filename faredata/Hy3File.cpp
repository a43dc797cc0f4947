#include "faredata/Hy3File.h"

#include "platform/core/Codec932.h"
#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"

#include <QtEndian>
#include <algorithm>

namespace Hy3File {

namespace {

// Reads little-endian fields from the bytes; every read is checked against the end first.
class Reader {
  public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}

    qsizetype remaining() const { return m_bytes.size() - m_pos; }

    quint16 u16(const char* what, int row) {
        need(2, what, row);
        const quint16 v = qFromLittleEndian<quint16>(m_bytes.constData() + m_pos);
        m_pos += 2;
        return v;
    }
    qint16 i16(const char* what, int row) { return static_cast<qint16>(u16(what, row)); }

    // `count` values in a row: the common case checks the length once; a cut run is read
    // value by value, so that the message says where it ends.
    void i16s(qint16* into, qsizetype count, const char* what, int row) {
        if (remaining() < 2 * count) {
            for (qsizetype i = 0; i < count; ++i)
                into[i] = i16(what, row);
            return;
        }
        qFromLittleEndian<qint16>(m_bytes.constData() + m_pos, count, into);
        m_pos += 2 * count;
    }

    QByteArray take(qsizetype n, const char* what, int row) {
        need(n, what, row);
        QByteArray out = m_bytes.mid(m_pos, n);
        m_pos += n;
        return out;
    }

  private:
    void need(qsizetype n, const char* what, int row) const {
        if (n > remaining())
            throw K41Error::pastEnd(
                row == 0
                    ? QStringLiteral("運賃データの行数が途中で切れています（%1バイトのファイル）")
                          .arg(m_bytes.size())
                    : QStringLiteral(
                          "運賃データが%1行目の%2で切れています（%3バイト目、ファイルは%4バイト）")
                          .arg(row)
                          .arg(QString::fromUtf8(what))
                          .arg(m_pos)
                          .arg(m_bytes.size()));
    }

    const QByteArray& m_bytes;
    qsizetype m_pos = 0;
};

void putU16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian<quint16>(v, b);
    out.append(b, 2);
}

} // namespace

qint16 readCount(const QByteArray& bytes) {
    if (bytes.isEmpty()) return 0;
    Reader in(bytes);
    return in.i16("行数", 0);
}

Stored readStored(const QByteArray& bytes) {
    const qint16 count = readCount(bytes);
    if (count < 1 || count > MaxRows)
        throw K41Error::subscript(QStringLiteral("運賃データの行数 %1 は読み込めません（1～%2行）")
                                      .arg(count)
                                      .arg(MaxRows));

    Reader in(bytes);
    in.i16("行数", 0);
    Stored stored;
    // A row takes at least FixedRowBytes, so a count larger than the bytes can hold never
    // makes us reserve for rows that are not there.
    stored.rows.reserve(
        static_cast<size_t>(std::min<qsizetype>(count, in.remaining() / FixedRowBytes)));
    for (int r = 1; r <= count; ++r) {
        StoredRow row;
        const quint16 nameLength = in.u16("停留所名の長さ", r);
        row.name = in.take(nameLength, "停留所名", r);
        row.SeiriNum = in.i16("整理券番号", r);
        in.i16s(row.Fares.data(), qsizetype(row.Fares.size()), "運賃", r);
        stored.rows.push_back(std::move(row));
    }
    stored.trailing = in.take(in.remaining(), "", 0);
    return stored;
}

std::vector<FareRow> readRows(const QByteArray& bytes) {
    const Stored stored = readStored(bytes);
    std::vector<FareRow> rows;
    rows.reserve(stored.rows.size());
    for (const StoredRow& s : stored.rows)
        rows.push_back(FareRow{Codec932::decode(s.name), s.SeiriNum, s.Fares});
    return rows;
}

QByteArray writeStored(const Stored& stored) {
    const std::vector<StoredRow>& rows = stored.rows;
    if (rows.empty() || rows.size() > static_cast<size_t>(MaxRows))
        throw K41Error::subscript(QStringLiteral("運賃データの行数 %1 は書き込めません（1～%2行）")
                                      .arg(rows.size())
                                      .arg(MaxRows));
    QByteArray out;
    out.reserve(2 + qsizetype(rows.size()) * (FixedRowBytes + 16) + stored.trailing.size());
    putU16(out, static_cast<quint16>(rows.size()));
    int r = 0;
    for (const StoredRow& row : rows) {
        ++r;
        if (row.name.size() > 0xFFFF)
            throw K41Error::subscript(
                QStringLiteral("%1行目の停留所名が長すぎます（%2バイト、最大65535バイト）")
                    .arg(r)
                    .arg(row.name.size()));
        putU16(out, static_cast<quint16>(row.name.size()));
        out.append(row.name);
        putU16(out, static_cast<quint16>(row.SeiriNum));
        const qsizetype at = out.size();
        out.resize(at + 2 * qsizetype(row.Fares.size()));
        qToLittleEndian<qint16>(row.Fares.data(), qsizetype(row.Fares.size()), out.data() + at);
    }
    out.append(stored.trailing);
    return out;
}

QByteArray write(const std::vector<FareRow>& rows) {
    Stored stored;
    stored.rows.reserve(rows.size());
    for (const FareRow& row : rows)
        stored.rows.push_back(StoredRow{Codec932::encode(row.StopName), row.SeiriNum, row.Fares});
    return writeStored(stored);
}

QByteArray readFile(const QString& path) {
    // Reading only what the rows can use keeps a huge file from reserving a huge buffer.
    return FileReader::read(path, MaxUsefulBytes);
}

Check check(const QByteArray& bytes) {
    Check verdict;
    try {
        verdict.rows = static_cast<int>(readRows(bytes).size());
        verdict.ok = true;
        if (verdict.rows < 2)
            verdict.warning = QStringLiteral("行が%1行しかないため、始められる区間がありません")
                                  .arg(verdict.rows);
    } catch (const K41Error& e) {
        verdict.reason = e.description();
    }
    return verdict;
}

} // namespace Hy3File
