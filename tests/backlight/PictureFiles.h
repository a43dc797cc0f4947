#pragma once
// Picture files for the backlight tests, made on the spot.
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace PictureFiles {

// A picture of `size` filled with `colour`, with a one-pixel `corner` colour at its
// bottom-right, so a test can tell whether the whole picture arrived.
QImage plain(const QSize& size, const QColor& colour, const QColor& corner = Qt::white);

// `image` encoded as "BMP" or "JPG" by Qt's writers.
QByteArray encoded(const QImage& image, const char* format);

// Writes `bytes` to `path`, replacing what is there; false on failure.
bool write(const QString& path, const QByteArray& bytes);

} // namespace PictureFiles
