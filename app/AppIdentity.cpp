#include "app/AppIdentity.h"

#include <QApplication>
#include <QImageReader>
#include <QPixmap>

namespace AppIdentity {

QIcon icon() {
    QIcon icon;
    // Read as PNG and nothing else: an image reader that may guess the format first offers
    // the file to every image-format plug-in, which loads them all (and the JPEG library)
    // at start.
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImageReader reader(QStringLiteral(":/icons/%1x%1/jp.k41.K41.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

void applyDesktopFileName() {
    QGuiApplication::setDesktopFileName(QLatin1String(DesktopFileName));
}

void applyIcon(const QIcon& icon) {
    QApplication::setWindowIcon(icon);
}

} // namespace AppIdentity
