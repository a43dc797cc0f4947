#pragma once
// One barcode symbol encoded by zint, as a grid of modules: one row for the linear codes,
// a square of rows for QR Code.
#include "platform/ticket/TicketPlugin.h"

#include <QString>
#include <vector>

class BarcodeSymbol {
  public:
    // Encodes `data` (ASCII) in `symbology`. isValid() is false when zint refuses the data;
    // error() then says why.
    BarcodeSymbol(TicketItem::Symbology symbology, const QString& data);

    bool isValid() const { return m_columns > 0; }
    QString error() const { return m_error; }
    bool isMatrix() const { return m_matrix; }
    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    bool module(int row, int column) const;
    // Modules of white that readers need at either side of the symbol.
    int quietZone() const { return m_matrix ? 4 : 10; }

  private:
    bool m_matrix = false;
    int m_columns = 0;
    int m_rows = 0;
    std::vector<bool> m_modules; // row-major
    QString m_error;
};
