// k41shot: renders K41's board and operation panel, or a page of the options dialog, into a
// PNG, for the README and for a look at the program without a display.
//   k41shot [--board-only] [--backlight N] [--click NAME]... [--dblclick NAME]...
//           [--options PAGE] OUT.png SETTINGS.in4 [ROUTE [STEPS [WAIT_MS]]]
// With ROUTE, the route is keyed on the panel ("系統", the digits, "リセット") and stepped
// forward STEPS times; WAIT_MS lets a long stop name scroll before the picture is taken.
// --backlight N clicks the panel's backlight button N (0 OFF, 1 ON1, 2 ON2) before that.
// --click (buttons, check boxes) and --dblclick (the entry faces "Frame1(0)", "Frame1(1)")
// act on the panel's controls of those object names after the steps, in the order given.
// --options PAGE renders page PAGE (0 to 5) of the options dialog instead.
// --scale X shows the board X times its size, --fill WxH as in full screen on a W × H
// screen, --key RRGGBB with that key colour around its face; --ride starts the automatic
// ride after the steps and shows its window beside the panel.
#include "app/BoardView.h"
#include "app/Form1.h"
#include "app/Startup.h"
#include "app/WindowsIniHost.h"
#include "app/options/frmOption.h"
#include "panel/AutoRideWindow.h"
#include "panel/BacklightFrame.h"
#include "panel/PanelExtras.h"
#include "panel/PreviewPicture.h"
#include "panel/frmCtl.h"
#include "platform/core/HeldWait.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>

namespace {

// A click (or double-click) on the panel's control of that object name, as a user makes it.
bool clickControl(QWidget& panel, const QString& name, bool twice) {
    QWidget* control = panel.findChild<QWidget*>(name);
    if (!control) {
        std::fprintf(stderr, "k41shot: no control named %s\n", qPrintable(name));
        return false;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control); button && !twice) {
        button->click();
        return true;
    }
    const QPointF at(2, 2);
    QMouseEvent press(twice ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress, at,
                      control->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(control, &press);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    bool boardOnly = false;
    int backlight = -1;
    int optionsPage = -1;
    QList<std::pair<QString, bool>> clicks; // name, double-click
    qreal scale = 0;                        // not given: 1, or as large as fits with --fill
    QSize fill;
    QColor key;
    bool ride = false;
    bool usage = false;
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString flag = args.takeFirst();
        if (flag == QLatin1String("--board-only")) {
            boardOnly = true;
        } else if (flag == QLatin1String("--backlight") && !args.isEmpty()) {
            bool ok = false;
            backlight = args.takeFirst().toInt(&ok);
            usage |= !ok || backlight < 0 || backlight > 2;
        } else if (flag == QLatin1String("--options") && !args.isEmpty()) {
            bool ok = false;
            optionsPage = args.takeFirst().toInt(&ok);
            usage |= !ok || optionsPage < 0 || optionsPage >= OptionPageCount;
        } else if (flag == QLatin1String("--scale") && !args.isEmpty()) {
            bool ok = false;
            scale = args.takeFirst().toDouble(&ok);
            usage |= !ok || scale < 0.25 || scale > 8;
        } else if (flag == QLatin1String("--fill") && !args.isEmpty()) {
            const QStringList wh = args.takeFirst().split(QLatin1Char('x'));
            fill = wh.size() == 2 ? QSize(wh[0].toInt(), wh[1].toInt()) : QSize();
            usage |= fill.isEmpty();
        } else if (flag == QLatin1String("--key") && !args.isEmpty()) {
            bool ok = false;
            key = QColor::fromRgb(QRgb(args.takeFirst().toUInt(&ok, 16)));
            usage |= !ok;
        } else if (flag == QLatin1String("--ride")) {
            ride = true;
        } else if ((flag == QLatin1String("--click") || flag == QLatin1String("--dblclick")) &&
                   !args.isEmpty()) {
            clicks.append({args.takeFirst(), flag == QLatin1String("--dblclick")});
        } else {
            usage = true;
        }
    }
    if (usage || args.size() < 2) {
        std::fputs("usage: k41shot [--board-only] [--backlight N] [--click NAME]... "
                   "[--dblclick NAME]... [--options PAGE] [--scale X] [--fill WxH] "
                   "[--key RRGGBB] [--ride] OUT.png SETTINGS.in4 "
                   "[ROUTE [STEPS [WAIT_MS]]]\n",
                   stderr);
        return 2;
    }
    Startup startup(args.at(1));
    // No one is there to close an error box: say it and go on.
    startup.panel->backlightFrame->showErrorBox = [](const QString& text) {
        std::fprintf(stderr, "k41shot: %s\n", qPrintable(text));
    };
    // A settings file that fails to load makes a wrong picture: say why and end.
    bool settingsFailed = false;
    startup.iniHost->showBox = [&](const QString& text) {
        std::fprintf(stderr, "k41shot: %s: %s\n", qPrintable(args.at(1)), qPrintable(text));
        settingsFailed = true;
    };
    startup.run();
    if (settingsFailed) return 1;
    frmCtl& panel = *startup.panel;
    if (backlight >= 0) panel.Option4[size_t(backlight)]->click();
    if (args.size() >= 3) {
        panel.CommandButton1_Click(10);
        for (QChar c : args.at(2))
            if (c.isDigit()) panel.CommandButton1_Click(c.digitValue());
        panel.Command1_Click(1);
        const int steps = args.size() >= 4 ? args.at(3).toInt() : 0;
        for (int i = 0; i < steps; ++i)
            panel.Command2_Click(1);
    }
    for (const auto& [name, twice] : clicks)
        if (!clickControl(panel, name, twice)) return 2;
    if (!fill.isEmpty())
        startup.board->setView(BoardView::filling(scale, fill, key));
    else if (scale > 0 || key.isValid())
        startup.board->setView(BoardView::windowed(scale > 0 ? scale : 1.0, {}, key));
    AutoRideWindow* rideWindow = nullptr;
    if (ride) {
        startup.extras->showAutoRide();
        rideWindow = startup.extras->autoRideWindow();
        rideWindow->startRide();
    }
    if (args.size() >= 3 || !clicks.isEmpty())
        HeldWait::forMs(args.size() >= 5 ? args.at(4).toInt() : 100);
    if (optionsPage >= 0) {
        frmOption& options = *startup.options;
        options.Option1[size_t(optionsPage)]->click();
        options.show();
        HeldWait::forMs(50);
        const QImage page = options.grab().toImage();
        options.hide();
        return page.save(args.at(0)) ? 0 : 1;
    }
    // The ticket preview is drawn on a thread of its own: the picture waits for the newest.
    while (panel.picSeirikenPrev->pending())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const QImage board = startup.board->grab().toImage();
    if (boardOnly) return board.save(args.at(0)) ? 0 : 1;
    QImage ctl = panel.grab().toImage();
    if (rideWindow) {
        // The ride's window stands above the panel, as it opens beside it.
        HeldWait::forMs(300);
        const QImage extra = rideWindow->grab().toImage();
        QImage both(qMax(ctl.width(), extra.width()), ctl.height() + 8 + extra.height(),
                    QImage::Format_RGB32);
        both.fill(QColor(48, 48, 48));
        QPainter bp(&both);
        bp.drawImage(0, 0, extra);
        bp.drawImage(0, extra.height() + 8, ctl);
        bp.end();
        ctl = both;
    }
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
