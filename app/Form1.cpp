#include "app/Form1.h"

#include "app/BoardLayout.h"
#include "app/BoardPicture.h"
#include "app/BoardViewMenu.h"
#include "app/mdlK41_000.h"
#include "backlight/Backlight.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "platform/Fonts.h"
#include "platform/QtColour.h"
#include "platform/TopLevelWindow.h"
#include "platform/core/PropertyBag.h"
#include "platform/core/Twips.h"
#include "settings/Settings.h"
#include "sound/mdlSndAPI.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QTime>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <limits>

namespace {

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// Gives ticket-number label i its face, drawn `scale` times its designed size.
void setLabelFont(QLabel& label, int i, qreal scale) {
    if (i == 0)
        Fonts::apply(label, Fonts::LunaNumber, 12.75 * scale, true);
    else
        Fonts::apply(label, Fonts::NumC2, 12 * scale);
}

// Where control `designed` (designed pixels) sits in `view`.
QRect scaled(const QRect& designed, const BoardView& view) {
    const QPoint topLeft = view.origin + designed.topLeft() * view.scale;
    const QPoint bottomRight =
        view.origin +
        (designed.topLeft() + QPoint(designed.width(), designed.height())) * view.scale;
    return QRect(topLeft, bottomRight - QPoint(1, 1));
}

} // namespace

Form1::Form1(Settings& settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_settings(settings) {
    setObjectName(QStringLiteral("Form1"));
    TopLevelWindow::presentAsWindow(this);
    setFixedSize(Twips::toPixels(BoardLayout::ClientWidthTwips),
                 Twips::toPixels(BoardLayout::ClientHeightTwips));
    setAttribute(Qt::WA_OpaquePaintEvent);
    buildControls();
    redrawBackBuffer();
    m_viewMenu = new BoardViewMenu(*this);
}

Form1::~Form1() = default;

void Form1::buildControls() {
    // The fare digits as the board was designed: large cells (size 2) in the second segment
    // face, four cells each. Loading stored properties neither resizes nor redraws, so the
    // geometry comes from the layout and the first Value written draws them.
    PropertyBag fareDesign;
    fareDesign.WriteProperty(QStringLiteral("DegitSize"), qint16(2), qint16(0));
    fareDesign.WriteProperty(QStringLiteral("DegitStyle"), qint16(1), qint16(0));
    for (int i = 0; i <= BoardLayout::Cells; ++i) {
        auto* d = new M_Degit(this);
        d->setObjectName(indexed("Degit", i));
        if (i == 0) {
            d->InitProperties();
            d->setGeometry(BoardLayout::pixels(BoardLayout::Degit0Twips));
            d->hide();
        } else {
            d->ReadProperties(fareDesign);
            d->setGeometry(BoardLayout::pixels(BoardLayout::degitTwips(i)));
        }
        connect(d, &M_Degit::DblClick, this, [this, i] { Degit_DblClick(i); });
        Degit.append(d);
    }

    for (int i = 0; i <= BoardLayout::Cells; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(indexed("lblSeiriNum", i));
        l->setAlignment(Qt::AlignCenter);
        l->setAutoFillBackground(false);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(pal);
        setLabelFont(*l, i, 1.0);
        l->setGeometry(
            BoardLayout::pixels(i == 0 ? BoardLayout::Label0Twips : BoardLayout::labelTwips(i)));
        lblSeiriNum.append(l);
        // Placeholder numbers until the numbering style is applied at start-up.
        setSeiriNumCaption(i, i == 0 ? QStringLiteral("１") : QString());
    }

    PropertyBag clockDesign;
    clockDesign.WriteProperty(QStringLiteral("Keta"), qint16(2), qint16(4));
    for (int i = 0; i < 2; ++i) {
        auto* d = new M_Degit(this);
        d->setObjectName(indexed("TimeDegit", i));
        d->ReadProperties(clockDesign);
        d->setGeometry(BoardLayout::pixels(BoardLayout::TimeDegitTwips[size_t(i)]));
        d->hide();
        TimeDegit.append(d);
    }

    ChimeiCtl = new ChimeiCtl_DX(this);
    ChimeiCtl->setObjectName(QStringLiteral("ChimeiCtl"));
    ChimeiCtl->setGeometry(BoardLayout::pixels(BoardLayout::ChimeiTwips));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
}

void Form1::setPanelWindow(QWidget* panel) {
    m_panel = panel;
}

void Form1::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (m_panel) m_panel->close();
}

QImage Form1::builtinPicture(int state) const {
    QImage& picture = imgRes[state == 1 || state == 2 ? size_t(state) : 0];
    if (picture.isNull()) picture = BoardPicture::image(int(&picture - imgRes.data()));
    return picture;
}

void Form1::setPicture(const QImage& picture) {
    m_picture = picture;
    redrawBackBuffer();
}

int Form1::builtinState() const {
    for (int i = 0; i < 3; ++i)
        if (!imgRes[size_t(i)].isNull() && m_picture.cacheKey() == imgRes[size_t(i)].cacheKey())
            return i;
    return -1;
}

void Form1::redrawBackBuffer() {
    m_backBuffer = m_view.background(m_picture, builtinState());
    update();
}

void Form1::setView(const BoardView& view) {
    if (view == m_view) return;
    m_view = view;
    setFixedSize(view.window);
    placeControls();
    // A clip region set at start-up follows the new size.
    if (!mask().isEmpty()) setMask(QRegion(rect()));
    redrawBackBuffer();
}

void Form1::placeControls() {
    const auto place = [this](M_Degit* d, const QRect& designed) {
        d->setRenderScale(m_view.scale);
        d->move(scaled(designed, m_view).topLeft());
    };
    place(Degit[0], BoardLayout::pixels(BoardLayout::Degit0Twips));
    for (int i = 1; i <= BoardLayout::Cells; ++i)
        place(Degit[i], BoardLayout::pixels(BoardLayout::degitTwips(i)));
    for (int i = 0; i < 2; ++i)
        place(TimeDegit[i], BoardLayout::pixels(BoardLayout::TimeDegitTwips[size_t(i)]));
    for (int i = 0; i <= BoardLayout::Cells; ++i) {
        setLabelFont(*lblSeiriNum[i], i, m_view.scale);
        lblSeiriNum[i]->setGeometry(scaled(
            BoardLayout::pixels(i == 0 ? BoardLayout::Label0Twips : BoardLayout::labelTwips(i)),
            m_view));
    }
    ChimeiCtl->setRenderScale(m_view.scale);
    ChimeiCtl->move(scaled(BoardLayout::pixels(BoardLayout::ChimeiTwips), m_view).topLeft());
}

void Form1::setSeiriNumForeColor(OleColor colour) {
    const QColor c = Colour::toQColor(colour);
    for (int i = 1; i <= BoardLayout::Cells; ++i) {
        QLabel* l = lblSeiriNum[i];
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, c);
        l->setPalette(pal);
    }
}

void Form1::setSeiriNumCaption(int index, const QString& caption) {
    QLabel* l = lblSeiriNum[index];
    l->setText(caption);
    l->setAccessibleName(caption);
}

void Form1::Form_Load(BoardStartup* steps) {
    mdlSndAPI::SndCloseAll();
    mdlK41_000::ClearFareDigits(*this);
    // The panel is not shown yet and starts with its OFF button selected.
    mdlK41_000::InitDefaults(*this, m_settings, steps ? &steps->backlight() : nullptr);
    if (steps) steps->showPanel();
    // Clip to the client area so that no frame ever shows (ignored where the window system
    // has no masks).
    setMask(QRegion(rect()));
    update();
    if (steps) steps->loadSettings();
}

void Form1::Form_MouseDown(Qt::MouseButton button) {
    // Window managers without a move request (and some X11 set-ups) refuse the system move;
    // then the board moves itself while the button is held.
    m_dragging = button == Qt::LeftButton && !beginSystemMove();
}

bool Form1::beginSystemMove() {
    QWindow* w = windowHandle();
    return w && w->startSystemMove();
}

void Form1::mousePressEvent(QMouseEvent* event) {
    // Presses that a child control left unhandled bubble up here; only the bare background
    // starts a drag.
    if (childAt(event->position().toPoint())) {
        event->ignore();
        return;
    }
    event->accept();
    m_dragGrip = event->globalPosition().toPoint() - pos();
    Form_MouseDown(event->button());
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging || !(event->buttons() & Qt::LeftButton)) {
        m_dragging = false;
        event->ignore();
        return;
    }
    event->accept();
    move(event->globalPosition().toPoint() - m_dragGrip);
}

void Form1::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_dragging = false;
    event->ignore();
}

void Form1::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect(), m_backBuffer, event->rect());
}

void Form1::Degit_DblClick(int Index) {
    M_Degit* clicked = Degit[Index];
    if (!clicked->UserSet()) return;

    // Keep the operator from stepping fares while the dialog is open; the panel comes back
    // however the dialog ends, a failure included.
    QPointer<QWidget> panel = m_panel;
    if (panel) panel->setEnabled(false);
    try {
        if (clicked->ShowSetDlg() == 1) CopyZeroRules(Index);
    } catch (const std::exception& failure) {
        const K41Error e = K41Error::from(failure);
        QMessageBox::critical(this, QStringLiteral("エラー"),
                              QStringLiteral("エラーです。\r\n\r\nエラーコード：%1\r\n%2")
                                  .arg(e.number())
                                  .arg(e.description()));
    }
    if (panel) panel->setEnabled(true);
}

void Form1::CopyZeroRules(int Index) {
    M_Degit* source = Degit[Index];
    const qint16 shift = source->Shift();
    const qint16 fillZero = source->FillZero();
    const qint16 zeroMode = source->ZeroMode();
    for (int i = 1; i <= BoardLayout::Cells; ++i) {
        M_Degit* d = Degit[i];
        const QVariant value = d->Value();
        d->setShift(shift);
        d->setFillZero(fillZero);
        d->setZeroMode(zeroMode);
        // These three rules do not redraw; writing the value back does.
        d->setValue(value);
    }
}

void Form1::Timer1_Timer() {
    ShowClock(QTime::currentTime());
}

void Form1::ShowClock(const QTime& time) {
    TimeDegit[0]->setValue(time.hour());
    TimeDegit[1]->setValue(time.minute());
}

void Form1::GetFormInfo() {
    const QPoint at = m_position.twips(*this);
    BoardLeft = at.x();
    BoardTop = at.y();
}

void Form1::SetFormInfo() {
    m_position.restore(*this, QPoint(BoardLeft, BoardTop));
}

void Form1::DeleteRgn() {}

void Form1::setBoardCaption(const QString& caption) {
    setWindowTitle(caption);
}

void Form1::setBoardEnabled(bool enabled) {
    setEnabled(enabled);
}

void Form1::showFare(int ticket, const QVariant& value) {
    Degit[ticket]->setValue(value);
}

void Form1::lampTest(int ticket, bool lit) {
    Degit[ticket]->ResetDegit(lit ? -1 : 0);
}

void Form1::repaintBoard() {
    update();
}

void Form1::clearDisplay() {
    for (int i = 1; i <= 24; ++i)
        Degit[i]->ResetDegit(0);
    Timer1->stop();
    TimeDegit[0]->setValue(QString());
    TimeDegit[1]->setValue(QString());
}

void Form1::showStopName(const QString& name) {
    ChimeiCtl->SetChimei(name);
}

qint16 Form1::tsugiwaMode() const {
    return ChimeiCtl->TsugiwaMode();
}

void Form1::setTsugiwaMode(qint16 mode) {
    ChimeiCtl->setTsugiwaMode(mode);
}

void Form1::setStopNameScroll(qint16 speed, qint32 pauseMs) {
    ChimeiCtl->setSpeed(speed);
    ChimeiCtl->setScrollStartWait(pauseMs);
}

void Form1::resumeClock() {
    if (TimeDegit[0]->isVisibleTo(this)) Timer1->start();
}
