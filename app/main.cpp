// K41: the fare display board of a Japanese route bus, with its operation panel.
#include "app/Startup.h"
#include "platform/core/AppInfo.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::exeBaseName());
    Startup startup(AppInfo::settingsFilePath());
    startup.run();
    return QApplication::exec();
}
