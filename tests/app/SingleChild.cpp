// Another process on a settings file, for SingleInstanceTest. Usage:
//   k41_single_child call SETTINGS   starts as K41 would and prints "first", "answered" or
//                                    "unanswered PID" (the holder's process id)
//   k41_single_child hold SETTINGS [FD]
//                                    takes the lock and listens like a first K41 whose event loop
//                                    never runs; given FD, forks a child that keeps all it
//                                    inherited and runs no program, as a child stopped before its
//                                    exec does, and waits for the end of the pipe FD; prints
//                                    "held CHILD-PID" (0 without one) and waits for the end of its
//                                    standard input
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

void waitForEnd(int fd) {
    char c;
    while (read(fd, &c, 1) != 0) {
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) return 2;
    const QByteArray mode = argv[1];
    SingleInstance single(QString::fromLocal8Bit(argv[2]), std::chrono::seconds(60));
    if (mode == "call") {
        if (single.acquire())
            std::printf("first\n");
        else if (single.firstAnswered())
            std::printf("answered\n");
        else
            std::printf("unanswered %lld\n", static_cast<long long>(single.firstPid()));
        return 0;
    }
    if (mode != "hold" || argc > 4 || !single.acquire()) return 2;
    const int pipe = argc == 4 ? std::atoi(argv[3]) : -1;
    const pid_t child = pipe >= 0 ? fork() : 0;
    if (child < 0) return 2;
    if (child == 0 && pipe >= 0) {
        // Out of the parent's output, so that the parent's end is seen when it comes.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        waitForEnd(pipe);
        _exit(0);
    }
    std::printf("held %lld\n", static_cast<long long>(child));
    std::fflush(stdout);
    if (pipe >= 0) close(pipe);
    waitForEnd(0);
    return 0;
}
