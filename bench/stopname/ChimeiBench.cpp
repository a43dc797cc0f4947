// Stop-name line costs, measured on the offscreen platform in one run:
//  (a) CPU time of the process while a 20-cell name scrolls with the real clock, as a share
//      of the elapsed time, against the same control showing a name that stands still (the
//      idle board) for as long, alternately, several times; prints the median, minimum and
//      maximum of each and of the difference;
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
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

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
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 4;
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
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    std::vector<double> scrollShare, idleShare, extraShare;
    int scrollPaints = 0;
    double scrollElapsed = 0;
    for (int run = 0; run < runs; ++run) {
        double share[2] = {0, 0};
        for (int idle = 0; idle < 2; ++idle) {
            control.SetChimei(idle ? QStringLiteral("駅前") : Name);
            counter.paints = 0;
            const double cpu0 = cpuSeconds();
            QElapsedTimer wall;
            wall.start();
            QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
            app.exec();
            const double elapsed = double(wall.nsecsElapsed()) / 1e9;
            share[idle] = 100.0 * (cpuSeconds() - cpu0) / elapsed;
            if (!idle) {
                scrollPaints += counter.paints;
                scrollElapsed += elapsed;
            }
        }
        scrollShare.push_back(share[0]);
        idleShare.push_back(share[1]);
        extraShare.push_back(share[0] - share[1]);
    }
    const auto show = [](const char* what, std::vector<double> v) {
        std::sort(v.begin(), v.end());
        std::printf("%s: median %.3f %%, min %.3f %%, max %.3f %% of one core\n", what,
                    v[v.size() / 2], v.front(), v.back());
    };
    std::printf("%d runs of %d s each, scrolling a 20-cell name at speed 200 and idle:\n", runs,
                seconds);
    show("scrolling", scrollShare);
    show("idle board", idleShare);
    show("scrolling minus idle", extraShare);
    std::printf("paint events while scrolling: %.1f per second\n", scrollPaints / scrollElapsed);
    std::printf(
        "SetChimei (20 cells, glyphs cached): %.1f us; first call (glyphs printed): %.1f us\n",
        setNs / 1000, coldNs / 1000);
    std::printf("QPainter::drawText of the same string into a %dx%d image: %.1f us\n",
                image.width(), image.height(), textNs / 1000);
    std::printf("ratio SetChimei / drawText: %.2f\n", setNs / textNs);
    return 0;
}
