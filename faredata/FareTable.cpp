#include "faredata/FareTable.h"

#include "platform/core/K41Error.h"

const FareRow& FareTable::row(int r) const {
    if (r < 1 || r > RowCount)
        throw K41Error::subscript(QStringLiteral("運賃データの行 %1 (1～%2)").arg(r).arg(RowCount));
    return m_rows[static_cast<size_t>(r - 1)];
}

FareRow& FareTable::at(int row, int column) {
    if (row < 1 || row > RowCount || column < 1 || column > ColumnCount)
        throw K41Error::subscript(QStringLiteral("運賃データのセル (%1, %2)").arg(row).arg(column));
    return m_rows[static_cast<size_t>(row - 1)];
}

void FareTable::SetFareCell(int row, int column, const QString& value) {
    FareRow& r = at(row, column);
    if (column != 1)
        throw K41Error(
            K41Error::TypeMismatch,
            QStringLiteral("型が一致しません: 運賃データの列 %1 は数値です").arg(column));
    r.StopName = value;
}

void FareTable::SetFareCell(int row, int column, qint16 value) {
    FareRow& r = at(row, column);
    if (column == 1)
        r.StopName = QString::number(value);
    else if (column == 2)
        r.SeiriNum = value;
    else
        r.Fares[static_cast<size_t>(column - 3)] = value;
}

void FareTable::ClearFareTable() {
    m_rows.fill(FareRow{});
}

void FareTable::store(const std::vector<FareRow>& rows) {
    if (rows.size() > static_cast<size_t>(RowCount))
        throw K41Error::subscript(
            QStringLiteral("運賃データの行数 %1 (最大 %2)").arg(rows.size()).arg(RowCount));
    ClearFareTable();
    std::copy(rows.begin(), rows.end(), m_rows.begin());
}
