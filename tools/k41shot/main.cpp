// k41shot: renders K41's board and operation panel into a PNG, for the README and for a look
// at the program without a display.
//   k41shot [--board-only] OUT.png SETTINGS.in4 [ROUTE [STEPS [WAIT_MS]]]
// With ROUTE, the route is keyed on the panel ("系統", the digits, "リセット") and stepped
// forward STEPS times; WAIT_MS lets a long stop name scroll before the picture is taken.
#include "app/Form1.h"
#include "app/Startup.h"
#include "panel/frmCtl.h"
#include "platform/core/HeldWait.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool boardOnly = !args.isEmpty() && args.first() == QLatin1String("--board-only");
    if (boardOnly) args.removeFirst();
    if (args.size() < 2) {
        std::fputs("usage: k41shot [--board-only] OUT.png SETTINGS.in4 [ROUTE [STEPS [WAIT_MS]]]\n",
                   stderr);
        return 2;
    }
    Startup startup(args.at(1));
    startup.run();
    frmCtl& panel = *startup.panel;
    if (args.size() >= 3) {
        panel.CommandButton1_Click(10);
        for (QChar c : args.at(2))
            if (c.isDigit()) panel.CommandButton1_Click(c.digitValue());
        panel.Command1_Click(1);
        const int steps = args.size() >= 4 ? args.at(3).toInt() : 0;
        for (int i = 0; i < steps; ++i)
            panel.Command2_Click(1);
        HeldWait::forMs(args.size() >= 5 ? args.at(4).toInt() : 100);
    }
    const QImage board = startup.board->grab().toImage();
    if (boardOnly) return board.save(args.at(0)) ? 0 : 1;
    const QImage ctl = panel.grab().toImage();
    QImage out(board.width() + 12 + ctl.width(), qMax(board.height(), ctl.height()),
               QImage::Format_RGB32);
    out.fill(QColor(48, 48, 48));
    QPainter p(&out);
    p.drawImage(0, 0, board);
    p.drawImage(board.width() + 12, out.height() - ctl.height(), ctl);
    p.end();
    if (!out.save(args.at(0))) {
        std::fprintf(stderr, "k41shot: cannot write %s\n", qPrintable(args.at(0)));
        return 1;
    }
    return 0;
}
