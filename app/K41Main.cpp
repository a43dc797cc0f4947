#include "app/K41Main.h"

#include "app/Form1.h"
#include "app/SingleInstance.h"
#include "app/Startup.h"
#include "panel/frmCtl.h"
#include "platform/core/AppInfo.h"

#include <QApplication>
#include <QMessageBox>

namespace K41Main {

int run() {
    QApplication::setApplicationName(AppInfo::exeName());
    const QString notice = AppInfo::prepareSettingsFile();
    SingleInstance single(AppInfo::settingsFilePath());
    if (!single.acquire()) {
        // A first K41 that does not answer hangs: the box names its process, so that it can
        // be ended.
        const QString exe = AppInfo::exeName(), settings = AppInfo::settingsFilePath();
        const QString text =
            single.firstAnswered()
                ? QStringLiteral("%1 はこの設定ファイルで既に動いています。そちらを前面に出し"
                                 "ました。\r\n設定ファイル: %2")
                      .arg(exe, settings)
                : QStringLiteral("%1 はこの設定ファイルで既に動いていますが、応答がありません"
                                 "（プロセス ID %3）。\r\n設定ファイル: %2")
                      .arg(exe, settings, QString::number(single.firstPid()));
        QMessageBox(single.firstAnswered() ? QMessageBox::Information : QMessageBox::Warning, exe,
                    text, QMessageBox::Ok)
            .exec();
        return 1;
    }
    Startup startup(AppInfo::settingsFilePath());
    single.raiseWindows = [&startup] {
        for (QWidget* window : {static_cast<QWidget*>(startup.board.get()),
                                static_cast<QWidget*>(startup.panel.get())}) {
            window->raise();
            window->activateWindow();
        }
    };
    startup.run();
    if (!notice.isEmpty())
        QMessageBox(QMessageBox::Warning, AppInfo::exeName(), notice, QMessageBox::Ok).exec();
    return QApplication::exec();
}

} // namespace K41Main
