#pragma once
// Shared by both sides of the start-up benchmark: ends the application once every watched
// window (or a widget in it) has painted, first printing on stdout how many shared libraries
// the process has loaded by then.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <link.h>
#include <vector>

struct DrawnWatcher : QObject {
    std::vector<QWidget*> waiting;
    bool reported = false;
    bool eventFilter(QObject* o, QEvent* e) override {
        // A window whose children cover it is drawn when one of them paints.
        if (e->type() == QEvent::Paint && o->isWidgetType()) {
            std::erase(waiting, static_cast<QWidget*>(o)->window());
            if (waiting.empty()) {
                if (!reported) std::printf("%d\n", loadedLibraries());
                std::fflush(stdout);
                reported = true;
                // exit(), not quit(): quit() asks the windows to close, and a window that
                // asks the user first refuses.
                QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
            }
        }
        return false;
    }
    void watch(QWidget* w) {
        if (waiting.empty()) qApp->installEventFilter(this);
        waiting.push_back(w);
    }
    // Shared objects with a file name (the program itself and the kernel's vDSO have none).
    static int loadedLibraries() {
        int count = 0;
        dl_iterate_phdr(
            [](dl_phdr_info* info, size_t, void* n) {
                if (info->dlpi_name && *info->dlpi_name) ++*static_cast<int*>(n);
                return 0;
            },
            &count);
        return count;
    }
};
