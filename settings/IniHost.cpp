#include "settings/IniHost.h"

#include "platform/AppInfo.h"

#include <QMessageBox>

void IniHost::showIniError(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, AppInfo::exeName(), text, QMessageBox::Ok);
    box.exec();
}
