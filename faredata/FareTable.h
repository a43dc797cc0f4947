#pragma once
// The fare table of the loaded route: rows 1 to 301, a fixed array that is never resized.
// Cells are addressed like the columns of the data: column 1 is the stop name, column 2 the
// ticket number, columns 3 to 152 the fares for ticket numbers 1 to 150.
#include "faredata/FareRow.h"

#include <array>
#include <vector>

class FareTable {
  public:
    static constexpr int RowCount = 301;
    static constexpr int ColumnCount = 2 + FareRow::FareCount;

    FareTable() = default;

    // Row r, 1 to 301; K41Error 9 outside that range.
    const FareRow& row(int r) const;

    // Stores one cell. The text form is for column 1; the number form for columns 2 to 152
    // (a number written to column 1 is stored as its decimal text). A row or column outside
    // the table is K41Error 9 and changes nothing.
    void SetFareCell(int row, int column, const QString& value);
    void SetFareCell(int row, int column, qint16 value);

    // Every row back to an empty name and zeros.
    void ClearFareTable();

    // Replaces the whole table with `rows` (row 1 first); the rows beyond them are cleared.
    // More than 301 rows is K41Error 9 and leaves the table as it was.
    void store(const std::vector<FareRow>& rows);

  private:
    FareRow& at(int row, int column);

    std::array<FareRow, RowCount> m_rows{};
};
