#include "app/AppIdentity.h"

#include <QApplication>

namespace AppIdentity {

QIcon icon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/jp.k41.K41.png").arg(size), QSize(size, size));
    return icon;
}

void apply() {
    QApplication::setWindowIcon(icon());
    QGuiApplication::setDesktopFileName(QLatin1String(DesktopFileName));
}

} // namespace AppIdentity
