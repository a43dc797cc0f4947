#include "tests/common/ModalUtil.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace TestUtil {

namespace {

// The onNextModal calls still waiting for their modal.
int expectedModals = 0;

class UnexpectedModalGuard : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
        auto* window = static_cast<QWidget*>(watched);
        if (!window->isWindow() || !window->isModal() || expectedModals > 0) return false;
        QString what = window->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(window))
            what += QStringLiteral(": ") + box->text();
        ADD_FAILURE() << "a modal window appeared that the test did not expect: "
                      << what.toStdString();
        // Closed from the event loop, as soon as its own loop runs.
        QTimer::singleShot(0, window, [w = QPointer<QWidget>(window)] {
            if (auto* dialog = qobject_cast<QDialog*>(w.data()))
                dialog->done(QDialog::Rejected);
            else if (w)
                w->close();
        });
        return false;
    }
};

} // namespace

void onNextModal(std::function<void(QWidget*)> action, int timeoutMs) {
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(10);
    ++expectedModals;
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action, timeoutMs] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            --expectedModals;
            action(modal);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            --expectedModals;
            ADD_FAILURE() << "no modal widget appeared";
        }
    });
    timer->start();
}

void failOnUnexpectedModals() {
    qApp->installEventFilter(new UnexpectedModalGuard);
}

} // namespace TestUtil
