// K41: the fare display board of a Japanese route bus, with its operation panel.
#include "app/InfoOption.h"
#include "app/K41Main.h"
#include "platform/Fonts.h"

#include <QApplication>
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
    Fonts::readConfigurationEarly();
    QApplication app(argc, argv);
    return K41Main::run();
}
