#include "platform/ticket/BarcodeSymbol.h"

#include <memory>
#include <zint.h>

namespace {

int zintSymbology(TicketItem::Symbology symbology) {
    switch (symbology) {
    case TicketItem::Symbology::Codabar:
        return BARCODE_CODABAR;
    case TicketItem::Symbology::Itf:
        return BARCODE_C25INTER;
    case TicketItem::Symbology::Qr:
        return BARCODE_QRCODE;
    case TicketItem::Symbology::Code128:
        break;
    }
    return BARCODE_CODE128;
}

} // namespace

BarcodeSymbol::BarcodeSymbol(TicketItem::Symbology symbology, const QString& data)
    : m_matrix(symbology == TicketItem::Symbology::Qr) {
    const std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> symbol(ZBarcode_Create(),
                                                                      ZBarcode_Delete);
    if (!symbol) {
        m_error = QStringLiteral("out of memory");
        return;
    }
    symbol->symbology = zintSymbology(symbology);
    symbol->input_mode = DATA_MODE;
    const QByteArray bytes = data.toLatin1();
    const int status = ZBarcode_Encode(symbol.get(), reinterpret_cast<const uchar*>(bytes.data()),
                                       int(bytes.size()));
    if (status >= ZINT_ERROR) {
        m_error = QString::fromLatin1(symbol->errtxt);
        return;
    }
    m_rows = symbol->rows;
    m_columns = symbol->width;
    m_modules.resize(size_t(m_rows) * size_t(m_columns));
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_columns; ++c)
            // zint keeps each row as a bit string, lowest bit first.
            m_modules[size_t(r) * size_t(m_columns) + size_t(c)] =
                (symbol->encoded_data[r][c >> 3] >> (c & 7)) & 1;
}

bool BarcodeSymbol::module(int row, int column) const {
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns) return false;
    return m_modules[size_t(row) * size_t(m_columns) + size_t(column)];
}
