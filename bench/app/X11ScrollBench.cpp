// The running K41 for bench/app/x11_scroll.sh: both windows started from a settings file as
// the program starts them, then the board shows a stop name, as the panel would on reaching
// a stop, and the program runs until it is ended.
//
//   bench_x11scroll SETTINGS scroll   a 20-cell name scrolling at speed 200, 1.5 s pauses
//   bench_x11scroll SETTINGS idle     a name that fits, standing still (the idle board)
// An optional third argument sets the pass pause in milliseconds (default 1500).
#include "app/Startup.h"
#include "controls/stopname/ChimeiText.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4 ||
        (std::strcmp(argv[2], "scroll") != 0 && std::strcmp(argv[2], "idle") != 0)) {
        std::fprintf(stderr, "usage: bench_x11scroll SETTINGS scroll|idle [PAUSE_MS]\n");
        return 2;
    }
    const qint32 pauseMs = argc == 4 ? qint32(std::atol(argv[3])) : 1500;
    QApplication app(argc, argv);
    const QString name = std::strcmp(argv[2], "scroll") == 0
                             ? QStringLiteral("県立中央病院前経由市役所東口バスターミナ")
                             : QStringLiteral("駅前");
    if (name.size() > 2 && ChimeiText::cells(name, 1000).size() != 20) {
        std::fprintf(stderr, "the scrolling name must have 20 cells\n");
        return 1;
    }
    Startup k41(QString::fromLocal8Bit(argv[1]));
    k41.run();
    // Once the windows are up, as a stop is reached.
    QTimer::singleShot(0, &app, [&] {
        k41.board->setStopNameScroll(200, pauseMs);
        k41.board->showStopName(name);
        std::printf("showing\n");
        std::fflush(stdout);
    });
    return QApplication::exec();
}
