#include "controls/stopname/ChimeiCtl_DX.h"

#include "controls/stopname/ChimeiLayout.h"
#include "controls/stopname/ChimeiText.h"
#include "controls/stopname/DotGlyph.h"
#include "controls/stopname/StripWindow.h"
#include "platform/Fonts.h"
#include "platform/QtColour.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

// Colours the surfaces were designed with.
constexpr OleColor DesignBackColor = 4210752; // grey 64
constexpr OleColor DesignForeColor = Colour::rgb(255, 192, 128);

QRgb toRgb(OleColor c) {
    return Colour::toQColor(c).rgb();
}

} // namespace

ChimeiCtl_DX::ChimeiCtl_DX(QWidget* parent)
    : QWidget(parent), m_backColor(DesignBackColor), m_foreColor(DesignForeColor),
      m_boxFace(Fonts::Gothic) {
    setObjectName(QStringLiteral("ChimeiCtl"));
    setAccessibleName(QStringLiteral("ChimeiCtl"));
    setFixedSize(ControlWidth, ControlHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_clockStart = std::chrono::steady_clock::now();
    // Armed for the moment the next step is due, so the control wakes once a step and
    // sleeps through the pass pause.
    m_frameTimer.setTimerType(Qt::PreciseTimer);
    m_frameTimer.setSingleShot(true);
    m_frameTimer.setParent(this);
    m_frameTimer.setObjectName(QStringLiteral("frameTimer"));
    connect(&m_frameTimer, &QTimer::timeout, this, &ChimeiCtl_DX::advanceScroll);
    m_stripWindow = StripWindow::create(this);
    if (m_stripWindow)
        connect(m_stripWindow, &StripWindow::stepsInterrupted, this, &ChimeiCtl_DX::takeBack);
    InitProperties();
    clearStrip(ChimeiLayout::FrameWidth);
    redrawFrame();
}

ChimeiCtl_DX::~ChimeiCtl_DX() {
    // The thread steps this control's scroll: it ends before the control's members go.
    if (m_stripWindow) m_stripWindow->takeBack();
}

// --- properties ---------------------------------------------------------------------------

void ChimeiCtl_DX::setBackColor(OleColor v) {
    m_backColor = v;
    if (m_stripBlank) clearStrip(m_stripWidth);
    redrawFrame();
    update();
    emit PropertyChanged(QStringLiteral("BackColor"));
}

void ChimeiCtl_DX::setForeColor(OleColor v) {
    m_foreColor = v;
    emit PropertyChanged(QStringLiteral("ForeColor"));
}

void ChimeiCtl_DX::setSpeed(qint16 v) {
    takeBack(); // the next step takes the new speed, wherever it is run
    m_speed = v;
    emit PropertyChanged(QStringLiteral("Speed"));
}

void ChimeiCtl_DX::setScrollStartWait(qint32 v) {
    takeBack();
    m_scrollStartWait = v;
    emit PropertyChanged(QStringLiteral("ScrollStartWait"));
}

void ChimeiCtl_DX::setMode(qint16 v) {
    m_mode = v;
    emit PropertyChanged(QStringLiteral("Mode"));
}

void ChimeiCtl_DX::setAppearance(qint16 v) {
    // The frame keeps its designed size whatever the border look.
    m_appearance = v;
    if (m_stripBlank) clearStrip(m_stripWidth);
    redrawFrame();
    update();
    emit PropertyChanged(QStringLiteral("Appearance"));
}

void ChimeiCtl_DX::setFontMode(qint16 v) {
    m_fontMode = v;
    emit PropertyChanged(QStringLiteral("FontMode"));
}

void ChimeiCtl_DX::setFontBold(bool v) {
    m_fontBold = v;
    m_boxBold = v;
    emit PropertyChanged(QStringLiteral("FontBold"));
}

void ChimeiCtl_DX::setTsugiwaMode(qint16 v) {
    // An options list with nothing selected passes -1.
    m_tsugiwaMode = (v < 0 || v > 2) ? 0 : v;
    emit PropertyChanged(QStringLiteral("TsugiwaMode"));
}

void ChimeiCtl_DX::setTsugiwaColor(OleColor v) {
    m_tsugiwaColor = v;
    emit PropertyChanged(QStringLiteral("TsugiwaColor"));
}

void ChimeiCtl_DX::setTsugiwaFontMode(qint16 v) {
    m_tsugiwaFontMode = v;
    emit PropertyChanged(QStringLiteral("TsugiwaFontMode"));
}

void ChimeiCtl_DX::setTsugiwaBold(bool v) {
    m_tsugiwaBold = v;
    emit PropertyChanged(QStringLiteral("TsugiwaBold"));
}

// --- drawing ------------------------------------------------------------------------------

void ChimeiCtl_DX::SetChimei(const QString& text) {
    m_name = text;
    if (text.isEmpty()) {
        // A running scroll goes on, moving the blank strip.
        clearStrip(m_stripWidth);
        setShownText({});
        update();
        return;
    }

    const QList<ChimeiText::Cell> cells = ChimeiText::cells(text, MaxCells);
    int byteCount = 0;
    for (const auto& cell : cells)
        byteCount += int(cell.bytes.size());
    const bool prefix = m_tsugiwaMode != 0;
    const ChimeiLayout layout = ChimeiLayout::of(byteCount, int(cells.size()), prefix);

    stopScroll();
    clearStrip(layout.stripWidth);
    m_stripX = layout.stripStartX;
    if (prefix) DrawTsugiwa();
    QString shown;
    for (int i = 0; i < cells.size(); ++i) {
        const ChimeiText::Cell& cell = cells.at(i);
        // The cell's own bytes give its code unless an upright form replaced a character.
        const QString upright = ChimeiText::uprightForm(cell.text);
        const qint16 code = upright == cell.text ? ChimeiText::signedCode(cell.bytes)
                                                 : ChimeiText::signedCode(upright);
        drawCell(layout.firstX + i * layout.pitch, 0, upright, code);
        shown += cell.text;
    }
    setShownText(prefix ? QStringLiteral("次は") + shown : shown);
    if (layout.scrolls) startScroll();
    update();
}

void ChimeiCtl_DX::DrawDot54(int x, int y, const QString& ch) {
    if (ch.isEmpty()) return;
    const QString cell = ChimeiText::uprightForm(ch);
    drawCell(x, y, cell, ChimeiText::signedCode(cell));
    update();
}

void ChimeiCtl_DX::drawCell(int x, int y, const QString& text, qint16 code) {
    if (text.isEmpty()) return;
    m_boxFace = ChimeiText::faceFor(m_fontMode, code);
    m_boxBold = m_fontBold;
    const DotPattern dots = DotGlyph::pattern(text, m_boxFace, DotGlyph::Size14pt, m_boxBold);
    DotGlyph::paint(m_strip, x, y, dots, toRgb(m_foreColor), m_scale);
    m_stripBlank = false;
    pictureChanged();
}

void ChimeiCtl_DX::DrawTsugiwa() {
    const QRgb colour = toRgb(m_tsugiwaColor);
    if (auto face = ChimeiText::tsugiFace(m_tsugiwaFontMode)) m_boxFace = *face;
    DotGlyph::paint(
        m_strip, 0, 0,
        DotGlyph::pattern(QStringLiteral("次"), m_boxFace, DotGlyph::Size14pt, m_tsugiwaBold),
        colour, m_scale);

    // The smaller "は" is printed 4 pixels lower so that it sits on the line of "次".
    const bool smallHa = m_tsugiwaMode == 1;
    if (auto face = ChimeiText::haFace(m_tsugiwaFontMode)) m_boxFace = *face;
    DotGlyph::paint(m_strip, ChimeiLayout::CellWidth, 0,
                    DotGlyph::pattern(QStringLiteral("は"), m_boxFace,
                                      smallHa ? DotGlyph::Size12pt : DotGlyph::Size14pt,
                                      m_tsugiwaBold, smallHa ? 4 : 0),
                    colour, m_scale);
    m_boxBold = false;
    m_stripBlank = false;
    pictureChanged();
    update();
}

void ChimeiCtl_DX::clearStrip(int width) {
    const QSize device(qRound(width * m_scale), qRound(ControlHeight * m_scale));
    if (m_strip.size() != device) {
        m_strip = QImage(device, QImage::Format_RGB32);
        m_strip.setDevicePixelRatio(m_scale);
    }
    m_stripWidth = width;
    m_strip.fill(Colour::toQColor(m_backColor));
    m_stripBlank = true;
    pictureChanged();
}

void ChimeiCtl_DX::pictureChanged() {
    takeBack();
    if (m_stripWindow) m_stripWindow->invalidate();
}

void ChimeiCtl_DX::setShownText(const QString& text) {
    if (accessibleDescription() != text) setAccessibleDescription(text);
}

// --- frame --------------------------------------------------------------------------------

int ChimeiCtl_DX::borderWidth() const {
    return m_appearance == 0 ? 1 : 2;
}

void ChimeiCtl_DX::redrawFrame() {
    m_frame = QImage(QSize(qRound(ControlWidth * m_scale), qRound(FrameHeight * m_scale)),
                     QImage::Format_RGB32);
    m_frame.setDevicePixelRatio(m_scale);
    m_frame.fill(Colour::toQColor(m_backColor));
    pictureChanged();
    // The server shows the strip over the frame's inside, only at the designed size.
    if (m_stripWindow) {
        m_stripWindow->setGeometry(clientRect());
        m_stripWindow->setVisible(m_scale == 1.0);
    }
    QPainter p(&m_frame);
    const int right = ControlWidth - 1, bottom = FrameHeight - 1;
    if (m_appearance == 0) {
        p.setPen(Qt::black);
        p.drawRect(0, 0, right, bottom);
        return;
    }
    // Sunken look: shadow above and left, light below and right, two lines deep.
    const auto edge = [&](int inset, QColor topLeft, QColor bottomRight) {
        p.setPen(topLeft);
        p.drawLine(inset, inset, right - inset, inset);
        p.drawLine(inset, inset, inset, bottom - inset);
        p.setPen(bottomRight);
        p.drawLine(inset, bottom - inset, right - inset, bottom - inset);
        p.drawLine(right - inset, inset, right - inset, bottom - inset);
    };
    edge(0, QColor(160, 160, 160), QColor(255, 255, 255));
    edge(1, QColor(105, 105, 105), QColor(227, 227, 227));
}

QRect ChimeiCtl_DX::clientRect() const {
    const int b = borderWidth();
    return QRect(b, b, ControlWidth - 2 * b, FrameHeight - 2 * b).intersected(rect());
}

QRect ChimeiCtl_DX::stripRect(int x) const {
    // The strip sits one pixel above the frame's inside, as it was placed in the frame.
    const QRect client = clientRect();
    return QRect(QPoint(client.left() + x, client.top() - 1), m_strip.size());
}

void ChimeiCtl_DX::paintEvent(QPaintEvent* event) {
    // What is painted here lands on the server after the steps the thread has sent, and
    // shows the strip where they left it.
    takeBack();
    if (m_scale != 1.0) {
        paintScaled();
        return;
    }
    // Only the asked-for part: while scrolling that is the column the strip uncovered.
    const QRect area = event->rect();
    QPainter p(this);
    p.drawImage(area, m_frame, area);
    const QRect strip = stripRect(stripX());
    const QRect target = strip.intersected(clientRect()).intersected(area);
    if (!target.isEmpty()) p.drawImage(target, m_strip, target.translated(-strip.topLeft()));
}

void ChimeiCtl_DX::paintScaled() {
    QPainter p(this);
    // The images are drawn for the scale: one image pixel to one pixel here.
    p.drawImage(QRect(QPoint(0, 0), m_frame.size()), m_frame);
    const int b = borderWidth();
    const QRect client = QRect(b, b, ControlWidth - 2 * b, FrameHeight - 2 * b)
                             .intersected(QRect(0, 0, ControlWidth, ControlHeight));
    // The strip sits one pixel above the frame's inside, as it was placed in the frame.
    const QPoint origin(client.left() + stripX(), client.top() - 1);
    const QRect target = QRect(origin, QSize(m_stripWidth, ControlHeight)).intersected(client);
    if (target.isEmpty()) return;
    // Whole image pixels on both sides, so that the dots are copied, never resampled.
    const auto device = [this](const QRect& r) {
        const int left = qRound(r.left() * m_scale), top = qRound(r.top() * m_scale);
        return QRect(left, top, qRound((r.left() + r.width()) * m_scale) - left,
                     qRound((r.top() + r.height()) * m_scale) - top);
    };
    const QRect to = device(target);
    const QRect from = device(target.translated(-origin));
    p.drawImage(to, m_strip, QRect(from.topLeft(), to.size()));
}

void ChimeiCtl_DX::setRenderScale(qreal scale) {
    if (!(scale > 0) || scale == m_scale) return;
    takeBack();
    m_scale = scale;
    setFixedSize(qRound(ControlWidth * scale), qRound(ControlHeight * scale));
    redrawFrame();
    // Draw the name again at the new size; the scroll keeps its place and its clock.
    const ChimeiScroll scroll = m_scroll;
    const bool wasBlank = m_stripBlank;
    if (m_name.isEmpty() || wasBlank) {
        clearStrip(m_stripWidth);
    } else {
        SetChimei(m_name);
        m_scroll = scroll;
        if (m_scroll.running())
            scheduleNextStep();
        else
            m_frameTimer.stop();
    }
    update();
}
