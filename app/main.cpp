// K41: the fare display board of a Japanese route bus, with its operation panel.
#include "app/Form1.h"
#include "app/InfoOption.h"
#include "app/SingleInstance.h"
#include "app/Startup.h"
#include "panel/frmCtl.h"
#include "platform/core/AppInfo.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

int main(int argc, char** argv) {
    // --help and --version answer without a window system.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (const InfoOption::Ask ask = InfoOption::asked(args); ask != InfoOption::Ask::Nothing) {
        QCoreApplication app(argc, argv);
        std::fputs(InfoOption::textFor(ask).toUtf8().constData(), stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::exeName());
    const QString notice = AppInfo::prepareSettingsFile();
    SingleInstance single(AppInfo::settingsFilePath());
    if (!single.acquire()) {
        QMessageBox(QMessageBox::Information, AppInfo::exeName(),
                    QStringLiteral("%1 はこの設定ファイルで既に動いています。そちらを前面に出し"
                                   "ました。\r\n設定ファイル: %2")
                        .arg(AppInfo::exeName(), AppInfo::settingsFilePath()),
                    QMessageBox::Ok)
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
