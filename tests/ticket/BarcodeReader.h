#pragma once
// Reads the barcodes in an image with zbar, as a hand scanner would read a printed ticket.
#include <QImage>
#include <QStringList>

namespace BarcodeReader {

// Every symbol zbar finds, as "TYPE:data" (TYPE as zbar names it: CODE-128,
// I2/5, Codabar, QR-Code).
QStringList read(const QImage& image);

} // namespace BarcodeReader
