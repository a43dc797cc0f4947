#include "panel/AutoRideWindow.h"

#include "panel/frmCtl.h"
#include "platform/core/K41Error.h"
#include "settings/Settings.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int SpeedFactors[] = {1, 2, 10};
const QString StopHint = QStringLiteral("止めるには: 停止 (Esc)、■、データボタン");
} // namespace

AutoRideWindow::AutoRideWindow(frmCtl& panel, const Settings& settings)
    : QDialog(&panel, Qt::Tool), m_panel(panel), m_settings(settings) {
    setObjectName(QStringLiteral("AutoRideWindow"));
    setWindowTitle(QStringLiteral("自動運行"));
    m_ride = new AutoRide(panel);

    secondsBox = new QSpinBox(this);
    secondsBox->setObjectName(QStringLiteral("secondsPerStop"));
    secondsBox->setRange(1, 3600);
    secondsBox->setValue(RidePlan::DefaultSecondsPerStop);
    secondsBox->setSuffix(QStringLiteral(" 秒"));
    speedBox = new QComboBox(this);
    speedBox->setObjectName(QStringLiteral("timetableSpeed"));
    for (int f : SpeedFactors)
        speedBox->addItem(QStringLiteral("%1 倍").arg(f), f);
    startStop = new QPushButton(this);
    startStop->setObjectName(QStringLiteral("startStop"));
    startStop->setDefault(true);
    status = new QLabel(this);
    status->setObjectName(QStringLiteral("rideStatus"));
    status->setWordWrap(true);
    status->setMinimumWidth(260);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("停留所ごとの秒数(&S):"), secondsBox);
    form->addRow(QStringLiteral("時刻表の速さ(&T):"), speedBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(status);
    layout->addWidget(startStop);

    m_countdown = new QTimer(this);
    m_countdown->setInterval(250);
    connect(m_countdown, &QTimer::timeout, this, &AutoRideWindow::refresh);
    connect(startStop, &QPushButton::clicked, this, [this] {
        if (m_ride->running())
            m_ride->stop();
        else
            startRide();
    });
    connect(m_ride, &AutoRide::started, this, [this] {
        m_countdown->start();
        refresh();
    });
    connect(m_ride, &AutoRide::stepped, this, &AutoRideWindow::refresh);
    connect(m_ride, &AutoRide::stopped, this, &AutoRideWindow::showStopped);
    refresh();
}

void AutoRideWindow::showEvent(QShowEvent* event) {
    // The timetable belongs to the route loaded now; look for it every time the window opens.
    m_timetable.clear();
    const RouteState& route = m_panel.routeState();
    QString problem;
    if (route.StopCount > 0) {
        try {
            m_timetable = RidePlan::loadTimetable(m_settings.FareDataDir, route.RouteText);
            if (!m_timetable.isEmpty() && m_timetable.size() != route.StopCount)
                problem = QStringLiteral("時刻表の行数 (%1) が停留所の数 (%2) と違います")
                              .arg(m_timetable.size())
                              .arg(route.StopCount);
        } catch (const K41Error& e) {
            problem = e.description();
        }
    }
    if (!problem.isEmpty()) m_timetable.clear();
    refresh();
    if (!problem.isEmpty()) status->setText(problem + QStringLiteral("。秒数で走ります。"));
    QDialog::showEvent(event);
}

void AutoRideWindow::startRide() {
    const RidePlan plan = m_timetable.isEmpty()
                              ? RidePlan::everySeconds(secondsBox->value())
                              : RidePlan::onTimetable(m_timetable, speedBox->currentData().toInt());
    if (!m_ride->start(plan)) {
        status->setText(m_panel.routeState().StopCount <= 0
                            ? QStringLiteral("系統を設定してから始めてください。")
                            : QStringLiteral("終点です。"));
    }
}

void AutoRideWindow::refresh() {
    const bool running = m_ride->running();
    startStop->setText(running ? QStringLiteral("停止(&P)") : QStringLiteral("開始(&B)"));
    secondsBox->setEnabled(!running && m_timetable.isEmpty());
    speedBox->setEnabled(!running && !m_timetable.isEmpty());
    if (!running) {
        status->setText(m_timetable.isEmpty() ? QStringLiteral("停止中")
                                              : QStringLiteral("停止中 (時刻表あり)"));
        return;
    }
    const RouteState& route = m_panel.routeState();
    status->setText(QStringLiteral("自動運行中: %1 / %2 停留所、次まで %3 秒\n%4")
                        .arg(route.CurStop + 1)
                        .arg(route.StopCount)
                        .arg((m_ride->remainingMs() + 999) / 1000)
                        .arg(StopHint));
}

void AutoRideWindow::showStopped(AutoRide::StopReason reason) {
    m_countdown->stop();
    refresh();
    if (reason == AutoRide::StopReason::LastStop)
        status->setText(QStringLiteral("終点に着きました。"));
}

void AutoRideWindow::reject() {
    // Esc stops a running ride first; a second Esc closes the window.
    if (m_ride->running()) {
        m_ride->stop();
        return;
    }
    QDialog::reject();
}
