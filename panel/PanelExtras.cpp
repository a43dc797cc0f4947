#include "panel/PanelExtras.h"

#include "panel/AutoRideWindow.h"
#include "panel/frmCtl.h"

#include <QMenu>

PanelExtras::PanelExtras(frmCtl& panel, const Settings& settings)
    : QObject(&panel), m_panel(panel), m_settings(settings) {
    setObjectName(QStringLiteral("PanelExtras"));
    panel.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&panel, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = buildMenu(&m_panel);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(m_panel.mapToGlobal(at));
    });
}

QMenu* PanelExtras::buildMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    QAction* ride = menu->addAction(QStringLiteral("自動運行(&A)..."));
    ride->setObjectName(QStringLiteral("menuAutoRide"));
    connect(ride, &QAction::triggered, this, &PanelExtras::showAutoRide);
    if (m_recording) {
        QAction* record = menu->addAction(QStringLiteral("録画(&R)..."));
        record->setObjectName(QStringLiteral("menuRecord"));
        connect(record, &QAction::triggered, this, [this] { m_recording->openRecording(); });
    }
    return menu;
}

AutoRideWindow* PanelExtras::autoRideWindow() {
    if (!m_autoRide) m_autoRide = new AutoRideWindow(m_panel, m_settings);
    return m_autoRide;
}

void PanelExtras::showAutoRide() {
    AutoRideWindow* window = autoRideWindow();
    window->show();
    window->raise();
    window->activateWindow();
}
