// Stop-name line costs, measured on the offscreen platform in one run:
//  (a) CPU time of the process while a 20-cell name scrolls for 10 seconds with the real
//      clock, as a share of the elapsed time (target: under 5 % of one core);
//  (b) SetChimei for that name against QPainter::drawText of the same string into an image
//      of the strip's size, as a ratio.
#include "controls/stopname/ChimeiCtl_DX.h"
#include "controls/stopname/ChimeiText.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPainter>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

const QString Name = QStringLiteral("県立中央病院前経由市役所東口バスターミナ"); // 20 cells

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

double nsPerCall(int calls, const std::function<void()>& f) {
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < calls; ++i)
        f();
    return double(t.nsecsElapsed()) / calls;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    if (ChimeiText::cells(Name, 1000).size() != 20) {
        std::fprintf(stderr, "the bench name must have 20 cells\n");
        return 1;
    }

    ChimeiCtl_DX control;
    PaintCounter counter;
    control.installEventFilter(&counter);
    control.show();

    // (b) first, so that (a) also scrolls with a warm glyph cache, as the board would.
    QElapsedTimer cold;
    cold.start();
    control.SetChimei(Name);
    const double coldNs = double(cold.nsecsElapsed());

    const int calls = 300;
    const double setNs = nsPerCall(calls, [&] { control.SetChimei(Name); });
    QImage image(control.stripWidth(), ChimeiCtl_DX::ControlHeight, QImage::Format_RGB32);
    QFont font(Fonts::substitute(Fonts::Gothic));
    font.setPixelSize(19);
    const double textNs = nsPerCall(calls, [&] {
        image.fill(Qt::darkGray);
        QPainter p(&image);
        p.setFont(font);
        p.setPen(QColor(255, 192, 128));
        p.drawText(0, 17, Name);
    });

    // (a)
    control.setSpeed(200); // 128 pixels a second
    control.setScrollStartWait(1500);
    control.SetChimei(Name);
    counter.paints = 0;
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    app.exec();
    const double elapsed = double(wall.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpu0;

    std::printf("scroll: %d s of a 20-cell name at speed 200: CPU %.3f s of %.3f s elapsed = %.2f "
                "%% of one core, "
                "%d repaints (%.1f per second)\n",
                seconds, cpu, elapsed, 100.0 * cpu / elapsed, counter.paints,
                counter.paints / elapsed);
    std::printf(
        "SetChimei (20 cells, glyphs cached): %.1f us; first call (glyphs printed): %.1f us\n",
        setNs / 1000, coldNs / 1000);
    std::printf("QPainter::drawText of the same string into a %dx%d image: %.1f us\n",
                image.width(), image.height(), textNs / 1000);
    std::printf("ratio SetChimei / drawText: %.2f\n", setNs / textNs);
    return 0;
}
