#include "tests/ticket/BarcodeReader.h"

#include <zbar.h>

using namespace zbar; // the C interface, declared inside this namespace for C++

namespace BarcodeReader {

QStringList read(const QImage& image) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    // zbar wants tightly packed rows.
    QByteArray pixels;
    for (int y = 0; y < grey.height(); ++y)
        pixels.append(reinterpret_cast<const char*>(grey.constScanLine(y)), grey.width());

    zbar_image_scanner_t* scanner = zbar_image_scanner_create();
    zbar_image_scanner_set_config(scanner, ZBAR_NONE, ZBAR_CFG_ENABLE, 1);
    zbar_image_scanner_set_config(scanner, ZBAR_I25, ZBAR_CFG_MIN_LEN, 2);
    zbar_image_scanner_set_config(scanner, ZBAR_CODABAR, ZBAR_CFG_MIN_LEN, 2);
    zbar_image_t* zimage = zbar_image_create();
    zbar_image_set_format(zimage, zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(zimage, unsigned(grey.width()), unsigned(grey.height()));
    zbar_image_set_data(zimage, pixels.constData(), unsigned(pixels.size()), nullptr);

    QStringList found;
    if (zbar_scan_image(scanner, zimage) > 0)
        for (const zbar_symbol_t* s = zbar_image_first_symbol(zimage); s; s = zbar_symbol_next(s))
            found << QString::fromLatin1(zbar_get_symbol_name(zbar_symbol_get_type(s))) + u':' +
                         QString::fromUtf8(zbar_symbol_get_data(s));
    zbar_image_destroy(zimage);
    zbar_image_scanner_destroy(scanner);
    return found;
}

} // namespace BarcodeReader
