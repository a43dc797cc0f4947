// k41tool: reads, writes and checks K41's data files from the command line, with the same
// readers and writers as K41 itself.
#include "tools/k41tool/Commands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>
#include <string_view>

static int usage() {
    std::fputs("usage: k41tool in4 dump FILE | in4 build JSON OUT |\n"
               "               hy3 dump FILE | hy3 build CSV OUT | hy3 check FILE |\n"
               "               plugin check FILE | plugin render FILE OUT.png [options]\n",
               stderr);
    return 2;
}

int main(int argc, char** argv) {
    // Drawing a ticket needs fonts, and so a GUI application; it never shows a window.
    const bool drawing =
        argc >= 3 && std::string_view(argv[1]) == "plugin" && std::string_view(argv[2]) == "render";
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        drawing ? std::make_unique<QGuiApplication>(argc, argv)
                : std::make_unique<QCoreApplication>(argc, argv);
    QStringList args = app->arguments().mid(1);
    if (args.isEmpty()) return usage();
    const QString group = args.takeFirst();
    if (group == QLatin1String("in4")) return in4Command(args);
    if (group == QLatin1String("hy3")) return hy3Command(args);
    if (group == QLatin1String("plugin")) return pluginCommand(args);
    return usage();
}
