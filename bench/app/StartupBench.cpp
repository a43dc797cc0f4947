// K41's start against a bare Qt window of the same toolkit, each in a fresh process (the
// dynamic loader's work included), alternately, several times: the time from starting the
// process to its windows drawn and the process ended, and the peak resident memory. Prints
// the median, minimum and maximum of each and the ratios K41 / bare window.
//
//   bench_startup [runs] [settings file]   (default: 7 runs, K41 on its defaults: no settings
//                                           file, so no MIDI sound is chosen)
// The window system is offscreen unless QT_QPA_PLATFORM says otherwise.
#include "app/Startup.h"
#include "panel/frmCtl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Quits the application once every watched window has painted.
struct DrawnWatcher : QObject {
    std::vector<QWidget*> waiting;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            std::erase(waiting, static_cast<QWidget*>(o));
            if (waiting.empty()) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
    void watch(QWidget* w) {
        waiting.push_back(w);
        w->installEventFilter(this);
    }
};

int runBare(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    DrawnWatcher drawn;
    drawn.watch(&window);
    window.show();
    return QApplication::exec();
}

int runK41(int argc, char** argv, const QString& settingsPath) {
    QApplication app(argc, argv);
    Startup k41(settingsPath);
    DrawnWatcher drawn;
    drawn.watch(k41.board.get());
    drawn.watch(k41.panel.get());
    k41.run();
    return QApplication::exec();
}

struct Sample {
    double ms;
    double mib;
};

Sample measure(const char* self, const std::vector<const char*>& args) {
    QElapsedTimer clock;
    clock.start();
    const pid_t child = fork();
    if (child == 0) {
        // The offscreen platform's notes about what it cannot do would bury the figures.
        if (FILE* null = std::fopen("/dev/null", "w")) dup2(fileno(null), STDERR_FILENO);
        std::vector<char*> argv{const_cast<char*>(self)};
        for (const char* a : args)
            argv.push_back(const_cast<char*>(a));
        argv.push_back(nullptr);
        execv(self, argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the %s run failed\n", args.front());
        std::exit(1);
    }
    return {double(clock.nsecsElapsed()) / 1e6, double(usage.ru_maxrss) / 1024.0};
}

void show(const char* what, std::vector<double> v, const char* unit) {
    std::sort(v.begin(), v.end());
    std::printf("%-34s median %7.2f %s, min %7.2f, max %7.2f\n", what, v[v.size() / 2], unit,
                v.front(), v.back());
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) return runBare(argc, argv);
    if (argc > 2 && std::strcmp(argv[1], "--k41") == 0)
        return runK41(argc, argv, QString::fromLocal8Bit(argv[2]));

    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    QTemporaryDir dir;
    const QByteArray settings =
        argc > 2 ? QByteArray(argv[2]) : QFile::encodeName(dir.filePath(QStringLiteral("K41.in4")));
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return 1;

    std::vector<double> bareMs, k41Ms, bareMiB, k41MiB, ratioMs, ratioMiB;
    for (int run = 0; run < runs; ++run) {
        const Sample bare = measure(self, {"--bare"});
        const Sample k41 = measure(self, {"--k41", settings.constData()});
        bareMs.push_back(bare.ms);
        k41Ms.push_back(k41.ms);
        bareMiB.push_back(bare.mib);
        k41MiB.push_back(k41.mib);
        ratioMs.push_back(k41.ms / bare.ms);
        ratioMiB.push_back(k41.mib / bare.mib);
    }
    std::printf("%d runs each, alternately; K41 with %s\n", runs,
                argc > 2 ? argv[2] : "no settings file");
    show("bare window: start, drawn, exit", bareMs, "ms ");
    show("K41: start, both windows, exit", k41Ms, "ms ");
    show("ratio K41 / bare window (time)", ratioMs, "   ");
    show("bare window: peak memory", bareMiB, "MiB");
    show("K41: peak memory", k41MiB, "MiB");
    show("ratio K41 / bare window (memory)", ratioMiB, "   ");
    std::printf("ratio of the medians: time %.2f, memory %.2f\n", median(k41Ms) / median(bareMs),
                median(k41MiB) / median(bareMiB));
    return 0;
}
