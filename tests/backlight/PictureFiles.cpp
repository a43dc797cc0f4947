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

bool write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace PictureFiles
