#pragma once
// Builds fare data bytes field by field, so tests state the file layout independently of the
// writer under test.
#include "faredata/FareRow.h"

#include <QByteArray>
#include <QtEndian>
#include <initializer_list>
#include <vector>

namespace Hy3Bytes {

inline void u16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian<quint16>(v, b);
    out.append(b, 2);
}

// One row: the name bytes as given, the ticket number, then `fares` followed by zeros up to 150.
inline QByteArray row(const QByteArray& name, qint16 seiri,
                      std::initializer_list<qint16> fares = {}) {
    QByteArray out;
    u16(out, static_cast<quint16>(name.size()));
    out += name;
    u16(out, static_cast<quint16>(seiri));
    int k = 0;
    for (qint16 f : fares) {
        u16(out, static_cast<quint16>(f));
        ++k;
    }
    for (; k < FareRow::FareCount; ++k)
        u16(out, 0);
    return out;
}

inline QByteArray file(qint16 count, const std::vector<QByteArray>& rows) {
    QByteArray out;
    u16(out, static_cast<quint16>(count));
    for (const QByteArray& r : rows)
        out += r;
    return out;
}

// A file of `n` rows named "停1", "停2", ...; row r has ticket number r and fare 100 + r for
// every ticket number.
inline QByteArray numbered(int n) {
    std::vector<QByteArray> rows;
    for (int r = 1; r <= n; ++r) {
        QByteArray r16 =
            row(QByteArray("\x92\xe2") + QByteArray::number(r), static_cast<qint16>(r));
        for (int k = 0; k < FareRow::FareCount; ++k)
            qToLittleEndian<qint16>(static_cast<qint16>(100 + r),
                                    r16.data() + r16.size() - 2 * (FareRow::FareCount - k));
        rows.push_back(r16);
    }
    return file(static_cast<qint16>(n), rows);
}

} // namespace Hy3Bytes
