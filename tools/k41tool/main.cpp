// k41tool: reads, writes and checks K41's data files from the command line, with the same
// readers and writers as K41 itself.
#include "tools/k41tool/Commands.h"
#include "tools/k41tool/RecordCommand.h"

#include <QApplication>

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>
#include <string_view>

static const char Usage[] =
    "usage: k41tool in4 dump FILE | in4 build [--base FILE] JSON OUT |\n"
    "               hy3 dump FILE | hy3 build CSV OUT | hy3 check FILE |\n"
    "               plugin check FILE | plugin render FILE OUT.png [options] |\n"
    "               kana [--tables DIR [--route N]] [TEXT...] |\n"
    "               gtfs list FEED | gtfs import FEED (--trip ID | --pattern ID) --route N OUTDIR "
    "|\n"
    "               record --settings FILE --route N [options] OUT |\n"
    "               --help | --version\n";

static const char Help[] =
    "\n"
    "  in4 dump FILE        print a settings file (.in4) as JSON\n"
    "  in4 build [--base FILE] JSON OUT\n"
    "                       write a settings file from JSON; fields left out come from FILE,\n"
    "                       or without --base keep K41's start-up defaults\n"
    "  hy3 dump FILE        print a fare data file (.hy3) as UTF-8 CSV\n"
    "  hy3 build CSV OUT    write a fare data file from CSV: one stop a line, stop name,\n"
    "                       ticket number, then the fares for ticket numbers 1, 2, ...\n"
    "  hy3 check FILE       check that K41 can read a fare data file (silent when it can)\n"
    "  plugin check FILE    print a ticket plug-in's capability lines as the options dialog\n"
    "                       lists them, or why the file is refused\n"
    "  plugin render FILE OUT.png [--stop NAME] [--number N] [--route N] [--row N]\n"
    "                       [--date TEXT] [--time TEXT] [--company N] [--scale 1-4]\n"
    "                       draw the ticket a plug-in prints for these values\n"
    "  kana [--tables DIR [--route N]] [TEXT...]\n"
    "                       print, one line for each line of standard input (or each TEXT),\n"
    "                       the katakana an announcement of that text speaks, with the reading\n"
    "                       tables of the broadcast data folder DIR (readings.csv, and\n"
    "                       Nreadings.csv of route N)\n"
    "  gtfs list FEED       list the stop patterns of an open-data route feed (zip or folder)\n"
    "  gtfs import FEED (--trip ID | --pattern ID) --route N [--ticket-per-stop] OUTDIR\n"
    "                       write that trip as route N: N.hy3, Ntp.csv, Nreadings.csv,\n"
    "                       Ntimes.csv and N.gtfs.txt in OUTDIR\n"
    "  record --settings FILE --route N [--section S] [--seconds-per-stop D]\n"
    "         [--timetable-speed 1|2|10] [--scale X] [--fps F] [--key-colour RRGGBB]\n"
    "         [--lossless] [--progress] OUT\n"
    "                       ride the route automatically and record the board with its\n"
    "                       sound, offline, into OUT: .webm (VP9, Opus), .mp4 (H.264, AAC),\n"
    "                       .gif (no sound) or a folder of PNG frames and sound.wav\n"
    "\n"
    "Exit status: 0 done, 1 a file could not be read or written, 2 wrong usage.\n"
    "See k41tool(1).\n";

static int usage() {
    std::fputs(Usage, stderr);
    return 2;
}

// Prints to standard output and reports a failed write (a closed pipe, a full disk).
static int print(const QByteArray& text) {
    std::fputs(text.constData(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

int main(int argc, char** argv) {
    // Drawing a ticket needs fonts, and so a GUI application; it never shows a window.
    const bool drawing =
        argc >= 3 && std::string_view(argv[1]) == "plugin" && std::string_view(argv[2]) == "render";
    // Recording makes K41's own windows, which need a widget application.
    const bool recording = argc >= 2 && std::string_view(argv[1]) == "record";
    if ((drawing || recording) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        recording ? std::make_unique<QApplication>(argc, argv)
        : drawing ? std::make_unique<QGuiApplication>(argc, argv)
                  : std::make_unique<QCoreApplication>(argc, argv);
    QStringList args = app->arguments().mid(1);
    if (args.isEmpty()) return usage();
    const QString group = args.takeFirst();
    if (group == QLatin1String("--help") || group == QLatin1String("-h"))
        return print(QByteArray(Usage) + Help);
    if (group == QLatin1String("--version"))
        return print(QByteArrayLiteral("k41tool " K41_VERSION_TEXT "\n"));
    if (group == QLatin1String("in4")) return in4Command(args);
    if (group == QLatin1String("hy3")) return hy3Command(args);
    if (group == QLatin1String("plugin")) return pluginCommand(args);
    if (group == QLatin1String("kana")) return kanaCommand(args);
    if (group == QLatin1String("gtfs")) return gtfsCommand(args);
    if (group == QLatin1String("record")) return recordCommand(args);
    return usage();
}
