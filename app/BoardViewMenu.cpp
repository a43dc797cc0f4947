#include "app/BoardViewMenu.h"

#include "app/Form1.h"

#include <QActionGroup>
#include <QColorDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QWindow>
#include <algorithm>

BoardViewMenu::BoardViewMenu(Form1& board) : QObject(&board), m_board(board) {
    setObjectName(QStringLiteral("BoardViewMenu"));
    board.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&board, &QWidget::customContextMenuRequested, this, &BoardViewMenu::popUp);
    auto* f11 = new QShortcut(QKeySequence(Qt::Key_F11), &board);
    connect(f11, &QShortcut::activated, this, [this] { setFullScreen(!m_fullScreen); });
    // Esc belongs to full screen only; otherwise the key stays free for the other windows.
    m_leaveFullScreen = new QShortcut(QKeySequence(Qt::Key_Escape), &board);
    m_leaveFullScreen->setEnabled(false);
    connect(m_leaveFullScreen, &QShortcut::activated, this, [this] { setFullScreen(false); });
}

void BoardViewMenu::setScaleChoice(qreal scale) {
    m_scale = scale > 0 ? scale : 0;
    apply();
}

void BoardViewMenu::setFullScreen(bool on) {
    if (on == m_fullScreen) return;
    m_fullScreen = on;
    m_leaveFullScreen->setEnabled(on);
    apply();
}

void BoardViewMenu::setAlwaysOnTop(bool on) {
    if (on == m_onTop) return;
    m_onTop = on;
    const bool shown = m_board.isVisible();
    // Changing a window flag hides the window; bring it back where it was.
    m_board.setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown) m_board.show();
}

void BoardViewMenu::setScreen(QScreen* screen) {
    m_screen = screen;
    QScreen* target = targetScreen();
    if (!target) return;
    if (!m_fullScreen) m_board.move(target->availableGeometry().topLeft());
    apply();
}

void BoardViewMenu::setKeyed(bool on) {
    m_keyed = on;
    apply();
}

void BoardViewMenu::setKeyColour(const QColor& colour) {
    if (!colour.isValid()) return;
    m_keyColour = colour.toRgb();
    apply();
}

QScreen* BoardViewMenu::targetScreen() const {
    if (m_screen) return m_screen;
    if (QScreen* s = m_board.screen()) return s;
    return QGuiApplication::primaryScreen();
}

void BoardViewMenu::apply() {
    QScreen* screen = targetScreen();
    const QColor key = m_keyed ? m_keyColour : QColor();
    if (!screen) {
        m_board.setView(BoardView::windowed(m_scale > 0 ? m_scale : 1.0, {}, key));
        return;
    }
    if (m_fullScreen) {
        const QRect area = screen->geometry();
        m_board.setView(BoardView::filling(m_scale, area.size(), key));
        if (QWindow* w = m_board.windowHandle()) w->setScreen(screen);
        m_board.move(area.topLeft());
        if (m_board.isVisible()) m_board.showFullScreen();
        return;
    }
    if (m_board.isFullScreen()) m_board.showNormal();
    const QRect area = screen->availableGeometry();
    // A scale too large for the screen shows the board as large as fits, never off it.
    const qreal fit = BoardView::fitScale(area.size());
    m_board.setView(
        BoardView::windowed(m_scale > 0 ? std::min(m_scale, fit) : 0, area.size(), key));
    // Keep the grown board on its screen: its top-left corner moves in as far as needed.
    QPoint at = m_board.pos();
    at.setX(qBound(area.left(), at.x(), qMax(area.left(), area.right() + 1 - m_board.width())));
    at.setY(qBound(area.top(), at.y(), qMax(area.top(), area.bottom() + 1 - m_board.height())));
    m_board.move(at);
}

void BoardViewMenu::chooseKeyColour() {
    const QColor c = QColorDialog::getColor(m_keyColour, &m_board, QStringLiteral("キー色"));
    if (!c.isValid()) return;
    m_keyed = true;
    setKeyColour(c);
}

QMenu* BoardViewMenu::buildMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("BoardViewMenu"));
    QMenu* scales = menu->addMenu(QStringLiteral("表示倍率(&Z)"));
    auto* scaleGroup = new QActionGroup(scales);
    for (int i = 0; i < int(std::size(Scales)); ++i) {
        const qreal s = Scales[i];
        QAction* a = scales->addAction(s > 0 ? QStringLiteral("%1 倍").arg(s)
                                             : QStringLiteral("画面に合わせる"));
        a->setObjectName(QStringLiteral("viewScale(%1)").arg(i));
        a->setCheckable(true);
        a->setChecked(m_scale == s);
        a->setActionGroup(scaleGroup);
        connect(a, &QAction::triggered, this, [this, s] { setScaleChoice(s); });
    }
    QAction* full = menu->addAction(QStringLiteral("全画面表示(&F)"));
    full->setObjectName(QStringLiteral("viewFullScreen"));
    full->setShortcut(QKeySequence(Qt::Key_F11));
    full->setCheckable(true);
    full->setChecked(m_fullScreen);
    connect(full, &QAction::triggered, this, &BoardViewMenu::setFullScreen);

    const QList<QScreen*> screens = QGuiApplication::screens();
    QMenu* screenMenu = menu->addMenu(QStringLiteral("表示する画面(&S)"));
    auto* screenGroup = new QActionGroup(screenMenu);
    for (int i = 0; i < screens.size(); ++i) {
        QScreen* s = screens.at(i);
        const QRect g = s->geometry();
        QAction* a = screenMenu->addAction(QStringLiteral("%1: %2 (%3 × %4)")
                                               .arg(i + 1)
                                               .arg(s->name())
                                               .arg(g.width())
                                               .arg(g.height()));
        a->setObjectName(QStringLiteral("viewScreen(%1)").arg(i));
        a->setCheckable(true);
        a->setChecked(s == targetScreen());
        a->setActionGroup(screenGroup);
        connect(a, &QAction::triggered, this, [this, s] { setScreen(s); });
    }

    QAction* top = menu->addAction(QStringLiteral("常に手前に表示(&T)"));
    top->setObjectName(QStringLiteral("viewOnTop"));
    top->setCheckable(true);
    top->setChecked(m_onTop);
    connect(top, &QAction::triggered, this, &BoardViewMenu::setAlwaysOnTop);

    menu->addSeparator();
    QAction* key = menu->addAction(QStringLiteral("周りをキー色で塗る(&K)"));
    key->setObjectName(QStringLiteral("viewKey"));
    key->setCheckable(true);
    key->setChecked(m_keyed);
    connect(key, &QAction::triggered, this, &BoardViewMenu::setKeyed);
    QAction* pick = menu->addAction(QStringLiteral("キー色の選択(&C)..."));
    pick->setObjectName(QStringLiteral("viewKeyColour"));
    connect(pick, &QAction::triggered, this, &BoardViewMenu::chooseKeyColour);
    return menu;
}

void BoardViewMenu::popUp(const QPoint& at) {
    QMenu* menu = buildMenu(&m_board);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_board.mapToGlobal(at));
}
