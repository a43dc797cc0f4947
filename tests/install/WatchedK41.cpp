// K41 started as main() starts it, for tests that run it as a process of its own (as another
// user, two at once): each message box it shows is written on standard output as one line,
// "box: " and its text (line breaks as " / "), and answered with its default button; each
// window as it is shown, "shown: TITLE at X,Y", and as it becomes the active one, "active: TITLE".
// With --quit, once the start is over (only the main loop runs and no box is left, not even one
// whose own loop is winding down) the panel is closed as a user closes it, and its question is
// answered like any other box: はい. Usage: k41_watched [--quit]
#include "app/K41Main.h"
#include "panel/frmCtl.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <cstdio>

namespace {

void say(const QString& line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

class Watcher : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType() || !static_cast<QWidget*>(watched)->isWindow()) return false;
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::WindowActivate)
            say(QStringLiteral("active: ") + window->windowTitle());
        if (event->type() != QEvent::Show) return false;
        if (auto* box = qobject_cast<QMessageBox*>(window)) {
            say(QStringLiteral("box: ") +
                box->text().replace(QStringLiteral("\r\n"), QStringLiteral(" / ")));
            QTimer::singleShot(0, box, [box] {
                if (QPushButton* answer = box->defaultButton())
                    answer->click();
                else
                    box->buttons().constFirst()->click();
            });
        } else {
            const QPoint at = window->geometry().topLeft();
            say(QStringLiteral("shown: %1 at %2,%3")
                    .arg(window->windowTitle())
                    .arg(at.x())
                    .arg(at.y()));
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.installEventFilter(new Watcher);
    QTimer quit;
    if (QCoreApplication::arguments().contains(QStringLiteral("--quit"))) {
        QObject::connect(&quit, &QTimer::timeout, [&quit] {
            if (QThread::currentThread()->loopLevel() != 1 || QApplication::activeModalWidget())
                return;
            const QWidgetList windows = QApplication::topLevelWidgets();
            frmCtl* panel = nullptr;
            for (QWidget* window : windows) {
                if (qobject_cast<QMessageBox*>(window)) return;
                if (auto* found = qobject_cast<frmCtl*>(window); found && found->isVisible())
                    panel = found;
            }
            if (!panel) return;
            quit.stop();
            panel->close();
        });
        quit.start(50);
    }
    return K41Main::run();
}
