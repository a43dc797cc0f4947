// Cost of one digit redraw: a Value write on M_Degit until its back buffer is finished,
// against Qt's QLCDNumber showing the same digits at the same size rendered into an image of
// the same size. Both run in the same process; the ratio ours / QLCDNumber is printed.
#include "controls/digit/M_Degit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLCDNumber>
#include <QPainter>
#include <cstdio>

namespace {

// The values a fare column cycles through, so no run repeats the previous text.
const int Values[] = {210, 230, 1450, 0, 380, 9999, 5, 640};
constexpr int ValueCount = int(sizeof(Values) / sizeof(Values[0]));

template <typename F> double nanosPerCall(int iterations, F&& step) {
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < iterations; ++i)
        step(i);
    return double(clock.nsecsElapsed()) / iterations;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int iterations = argc > 1 ? std::max(1, atoi(argv[1])) : 20000;

    // A fare digit of the board: four cells of size 2, slanted face.
    M_Degit ours;
    ours.InitProperties();
    ours.setKeta(4);
    ours.setDegitSize(2);
    ours.setDegitStyle(1);
    ours.setBackColor(8421504);

    QLCDNumber lcd(4);
    lcd.setSegmentStyle(QLCDNumber::Filled);
    lcd.setFrameStyle(QFrame::NoFrame);
    lcd.setFixedSize(ours.size());
    lcd.ensurePolished();
    QImage lcdImage(ours.size(), QImage::Format_RGB32);

    quint64 sink = 0;
    auto runOurs = [&](int i) {
        ours.setValue(Values[i % ValueCount]);
        sink += ours.backBuffer().constBits()[0];
    };
    auto runLcd = [&](int i) {
        lcd.display(Values[i % ValueCount]);
        lcdImage.fill(Qt::gray);
        lcd.render(&lcdImage);
        sink += lcdImage.constBits()[0];
    };

    // Warm both up (glyph caches, style polish), then alternate runs to even out noise.
    nanosPerCall(500, runOurs);
    nanosPerCall(500, runLcd);
    double oursNs = 0, lcdNs = 0;
    for (int round = 0; round < 3; ++round) {
        oursNs += nanosPerCall(iterations, runOurs);
        lcdNs += nanosPerCall(iterations, runLcd);
    }
    oursNs /= 3;
    lcdNs /= 3;

    std::printf("M_Degit value write + redraw: %9.0f ns\n", oursNs);
    std::printf("QLCDNumber display + render:  %9.0f ns\n", lcdNs);
    std::printf("ratio ours/QLCDNumber:        %9.3f\n", oursNs / lcdNs);
    std::printf("(%d iterations x 3 rounds, %dx%d px, checksum %llu)\n", iterations, ours.width(),
                ours.height(), static_cast<unsigned long long>(sink));
    return 0;
}
