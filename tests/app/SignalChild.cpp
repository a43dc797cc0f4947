// A K41 started as main() starts it, which plays a sound and then is sent a signal by
// itself, for SignalTest. Usage: k41_signal_child SETTINGS SOUND SIGNAL sync|async
// It ends with whatever status the signal leads to, or 99 when it is still running 20 s on.
#include "app/Startup.h"
#include "sound/mdlSndAPI.h"

#include <QApplication>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 5) return 2;
    Startup startup(QString::fromLocal8Bit(argv[1]));
    startup.run();
    const QString sound = QString::fromLocal8Bit(argv[2]);
    const int signal = std::atoi(argv[3]);
    const bool sync = QByteArray(argv[4]) == "sync";
    QTimer::singleShot(0,
                       [=] { mdlSndAPI::SndPlay(sound, QStringLiteral("S1"), sync ? -1 : 0, 0); });
    QTimer::singleShot(400, [=] { ::kill(::getpid(), signal); });
    QTimer::singleShot(20000, [] { std::_Exit(99); });
    return QApplication::exec();
}
