// K41's start against a bare Qt window of the same toolkit, each in a fresh process (the
// dynamic loader's work included), alternately, several times: the time from starting the
// process to its windows drawn and the process ended, the processor time it used, the peak
// resident memory and the shared libraries loaded. Prints the median, minimum and maximum of
// each and the ratios K41 / bare window. The bare window is a program of its own
// (bench_startup_bare, beside this one) that links Qt Widgets only, so it pays for none of K41's
// libraries.
//
//   bench_startup [runs] [settings file]   (default: 7 runs, K41 on its defaults: no settings
//                                           file, so no MIDI sound is chosen)
// The window system is offscreen unless QT_QPA_PLATFORM says otherwise.
#include "app/Startup.h"
#include "bench/app/DrawnWatcher.h"
#include "panel/frmCtl.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
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

int runK41(int argc, char** argv, const QString& settingsPath) {
    Fonts::readConfigurationEarly(); // as K41's main does
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
    // The processor time the process used (user and system): unlike the time to the drawn
    // windows, it hardly changes with what else the machine is running.
    double cpuMs;
    double mib;
    double libraries;
};

Sample measure(const char* program, const std::vector<const char*>& args) {
    int out[2];
    if (pipe(out) != 0) std::exit(1);
    QElapsedTimer clock;
    clock.start();
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        // The offscreen platform's notes about what it cannot do would bury the figures.
        if (FILE* null = std::fopen("/dev/null", "w")) dup2(fileno(null), STDERR_FILENO);
        std::vector<char*> argv{const_cast<char*>(program)};
        for (const char* a : args)
            argv.push_back(const_cast<char*>(a));
        argv.push_back(nullptr);
        execv(program, argv.data());
        _exit(127);
    }
    close(out[1]);
    char text[32] = {};
    std::size_t got = 0;
    // Up to the line's end: a helper the child started may hold the pipe open after it ends.
    for (ssize_t n; got < sizeof text - 1 && !std::memchr(text, '\n', got) &&
                    (n = read(out[0], text + got, sizeof text - 1 - got)) > 0;)
        got += std::size_t(n);
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the %s run failed\n", program);
        std::exit(1);
    }
    const auto ms = [](const timeval& t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    return {double(clock.nsecsElapsed()) / 1e6, ms(usage.ru_utime) + ms(usage.ru_stime),
            double(usage.ru_maxrss) / 1024.0, atof(text)};
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
    if (argc > 2 && std::strcmp(argv[1], "--k41") == 0)
        return runK41(argc, argv, QString::fromLocal8Bit(argv[2]));

    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    QTemporaryDir dir;
    const QByteArray settings =
        argc > 2 ? QByteArray(argv[2]) : QFile::encodeName(dir.filePath(QStringLiteral("K41.in4")));
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return 1;
    const QByteArray bareProgram =
        QFile::encodeName(QFileInfo(QFile::decodeName(self)).dir().filePath("bench_startup_bare"));

    std::vector<double> bareCpu, k41Cpu, ratioCpu;
    std::vector<double> bareMs, k41Ms, bareMiB, k41MiB, ratioMs, ratioMiB, bareLibs, k41Libs;
    for (int run = 0; run < runs; ++run) {
        const Sample bare = measure(bareProgram.constData(), {});
        const Sample k41 = measure(self, {"--k41", settings.constData()});
        bareLibs.push_back(bare.libraries);
        k41Libs.push_back(k41.libraries);
        bareCpu.push_back(bare.cpuMs);
        k41Cpu.push_back(k41.cpuMs);
        ratioCpu.push_back(k41.cpuMs / bare.cpuMs);
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
    show("bare window: processor time", bareCpu, "ms ");
    show("K41: processor time", k41Cpu, "ms ");
    show("ratio K41 / bare window (CPU)", ratioCpu, "   ");
    show("bare window: peak memory", bareMiB, "MiB");
    show("K41: peak memory", k41MiB, "MiB");
    show("ratio K41 / bare window (memory)", ratioMiB, "   ");
    show("bare window: shared libraries", bareLibs, "   ");
    show("K41: shared libraries", k41Libs, "   ");
    std::printf("ratio of the medians: time %.2f, memory %.2f\n", median(k41Ms) / median(bareMs),
                median(k41MiB) / median(bareMiB));
    return 0;
}
