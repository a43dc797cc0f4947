// The baseline of the start-up benchmark: a bare Qt window of the same toolkit, in a program
// of its own that links nothing else.
#include "bench/app/DrawnWatcher.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    DrawnWatcher drawn;
    drawn.watch(&window);
    window.show();
    return QApplication::exec();
}
