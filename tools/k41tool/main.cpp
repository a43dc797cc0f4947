// k41tool: reads, writes and checks K41's data files from the command line, with the same
// readers and writers as K41 itself.
#include "tools/k41tool/Commands.h"

#include <QCoreApplication>
#include <cstdio>

static int usage() {
    std::fputs("usage: k41tool in4 dump FILE | in4 build JSON OUT |\n"
               "               hy3 dump FILE | hy3 build CSV OUT | hy3 check FILE\n",
               stderr);
    return 2;
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) return usage();
    const QString group = args.takeFirst();
    if (group == QLatin1String("in4")) return in4Command(args);
    if (group == QLatin1String("hy3")) return hy3Command(args);
    return usage();
}
