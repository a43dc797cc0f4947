#include "tests/backlight/PictureFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace PictureFiles {

QImage plain(const QSize& size, const QColor& colour, const QColor& corner) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    image.setPixelColor(size.width() - 1, size.height() - 1, corner);
    return image;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 100);
    return bytes;
}

namespace {

void putU16(QByteArray& out, int v) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

} // namespace

QByteArray gif(const QSize& size, const QColor& colour) {
    QByteArray out("GIF89a");
    putU16(out, size.width());
    putU16(out, size.height());
    out.append(char(0x80)); // global colour table of two entries
    out.append(char(0));
    out.append(char(0));
    out.append(char(colour.red()));
    out.append(char(colour.green()));
    out.append(char(colour.blue()));
    out.append(QByteArray(3, '\0'));
    out.append(',');
    putU16(out, 0);
    putU16(out, 0);
    putU16(out, size.width());
    putU16(out, size.height());
    out.append(char(0));
    out.append(char(2)); // minimum code size: codes of three bits

    // Three-bit codes only: a clear code before every two pixels keeps the code table from
    // growing, so no compression is needed. Clear = 4, end = 5, every pixel is colour 0.
    QByteArray data;
    quint32 bits = 0;
    int count = 0;
    auto code = [&](int c) {
        bits |= quint32(c) << count;
        count += 3;
        while (count >= 8) {
            data.append(char(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    };
    const int pixels = size.width() * size.height();
    for (int i = 0; i < pixels; ++i) {
        if (i % 2 == 0) code(4);
        code(0);
    }
    code(5);
    if (count > 0) data.append(char(bits & 0xFF));
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append(char(0));
    out.append(';');
    return out;
}

bool write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace PictureFiles
