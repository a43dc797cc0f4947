#include "controls/digit/M_Degit.h"

#include "controls/digit/DegitRenderer.h"
#include "controls/digit/DegitText.h"
#include "controls/digit/SegmentFont.h"
#include "platform/QtColour.h"
#include "platform/ZKP4Res.h"
#include "platform/core/PropertyBag.h"
#include "platform/core/Twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <limits>

namespace {
constexpr OleColor DefaultBaseForeColor = 9868950;  // red, green and blue 150
constexpr OleColor DefaultDegitForeColor = 7525112; // red 248, green 210, blue 114
constexpr OleColor DefaultBackColor = 8421504;      // red, green and blue 128
constexpr qint16 DefaultKeta = 4;
constexpr QSize DesignerTwips(780, 300);

// Stored values are taken as they are, but a 16-bit field cannot hold more than 16 bits:
// out-of-range numbers saturate instead of wrapping round to a different value.
qint16 toInt16(const QVariant& v) {
    const qlonglong n = v.toLongLong();
    constexpr qlonglong lo = std::numeric_limits<qint16>::min();
    constexpr qlonglong hi = std::numeric_limits<qint16>::max();
    return qint16(n < lo ? lo : n > hi ? hi : n);
}
OleColor toColour(const QVariant& v) {
    return OleColor(v.toLongLong() & 0xFFFFFFFF);
}
} // namespace

M_Degit::M_Degit(QWidget* parent) : QWidget(parent), m_backColor(DefaultBackColor) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(Twips::toPixels(DesignerTwips));
    connect(this, &QObject::objectNameChanged, this,
            [this](const QString& name) { setAccessibleName(name); });
    DrawDegit(QStringLiteral("0"), m_baseForeColor, m_degitForeColor);
}

void M_Degit::setBaseForeColor(OleColor colour) {
    m_baseForeColor = colour;
    DrawDegit(m_value, m_baseForeColor, m_degitForeColor);
}

void M_Degit::setDegitForeColor(OleColor colour) {
    m_degitForeColor = colour;
    DrawDegit(m_value, m_baseForeColor, m_degitForeColor);
}

void M_Degit::setFillZero(qint16 count) {
    m_fillZero = count > m_keta ? m_keta : count;
}

void M_Degit::setZeroMode(qint16 mode) {
    m_zeroMode = mode >= 4 ? 0 : mode;
}

void M_Degit::setShift(qint16 cells) {
    // Upper bound first, so that a Keta below 1 (loaded from a store) still ends at 0.
    if (cells > m_keta - 1) cells = qint16(m_keta - 1);
    m_shift = cells < 0 ? 0 : cells;
}

void M_Degit::setKeta(qint16 cells) {
    m_keta = cells < 1 || cells > 15 ? DefaultKeta : cells;
    fitToCells();
    DrawDegit(m_value, m_baseForeColor, m_degitForeColor);
}

void M_Degit::setDegitSize(qint16 size) {
    m_degitSize = size >= 1 && size <= 3 ? size : 0;
    fitToCells();
    DrawDegit(m_value, m_baseForeColor, m_degitForeColor);
}

void M_Degit::setDegitStyle(qint16 style) {
    m_degitStyle = style;
    DrawDegit(m_value, m_baseForeColor, m_degitForeColor);
}

void M_Degit::setValue(const QVariant& value) {
    m_value = value;
    DrawDegit(m_value, m_baseForeColor, m_degitForeColor);
}

void M_Degit::setBackColor(OleColor colour) {
    m_backColor = colour;
    DrawDegit(m_value, m_baseForeColor, m_degitForeColor);
}

int M_Degit::ShowSetDlg() {
    qint16 zeroMode = m_zeroMode, shift = m_shift, fillZero = m_fillZero;
    const int result = ZKP4Res::Call_dlg100(this, m_keta, zeroMode, shift, fillZero);
    m_zeroMode = zeroMode;
    m_shift = shift;
    m_fillZero = fillZero;
    DrawDegit(m_value, m_baseForeColor, m_degitForeColor);
    return result;
}

void M_Degit::ResetDegit(qint16 mode) {
    const qint16 shift = m_shift, zeroMode = m_zeroMode, fillZero = m_fillZero;
    setShift(0);
    setZeroMode(0);
    setFillZero(0);
    setValue(mode == -1 ? QVariant(QString(qMax(int(m_keta), 0), QLatin1Char('8')))
                        : QVariant(QString()));
    setShift(shift);
    setZeroMode(zeroMode);
    setFillZero(fillZero);
}

void M_Degit::InitProperties() {
    m_baseForeColor = DefaultBaseForeColor;
    m_degitForeColor = DefaultDegitForeColor;
    m_fillZero = 0;
    m_zeroMode = 0;
    m_shift = 0;
    m_keta = DefaultKeta;
    m_degitSize = 0;
    m_degitStyle = 0;
    m_value = 0;
    m_userSet = true;
}

void M_Degit::ReadProperties(const PropertyBag& bag) {
    m_baseForeColor = toColour(bag.ReadProperty("BaseForeColor", DefaultBaseForeColor));
    m_degitForeColor = toColour(bag.ReadProperty("DegitForeColor", DefaultDegitForeColor));
    m_fillZero = toInt16(bag.ReadProperty("FillZero", 0));
    m_zeroMode = toInt16(bag.ReadProperty("ZeroMode", 0));
    m_shift = toInt16(bag.ReadProperty("Shift", 0));
    m_keta = toInt16(bag.ReadProperty("Keta", DefaultKeta));
    m_degitSize = toInt16(bag.ReadProperty("DegitSize", 0));
    m_degitStyle = toInt16(bag.ReadProperty("DegitStyle", 0));
    m_value = bag.ReadProperty("Value", 0);
    m_userSet = bag.ReadProperty("UserSet", true).toBool();
    m_backColor = toColour(bag.ReadProperty("BackColor", DefaultBackColor));
}

void M_Degit::WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty("BaseForeColor", m_baseForeColor, DefaultBaseForeColor);
    bag.WriteProperty("DegitForeColor", m_degitForeColor, DefaultDegitForeColor);
    bag.WriteProperty("FillZero", m_fillZero, qint16(0));
    bag.WriteProperty("ZeroMode", m_zeroMode, qint16(0));
    bag.WriteProperty("Shift", m_shift, qint16(0));
    bag.WriteProperty("Keta", m_keta, DefaultKeta);
    bag.WriteProperty("DegitSize", m_degitSize, qint16(0));
    bag.WriteProperty("DegitStyle", m_degitStyle, qint16(0));
    bag.WriteProperty("Value", m_value, 0);
    bag.WriteProperty("UserSet", m_userSet, true);
    bag.WriteProperty("BackColor", m_backColor, DefaultBackColor);
}

void M_Degit::fitToCells() {
    const QSize cell = SegmentFont::cellTwips(m_degitSize);
    const QSize designed = Twips::toPixels(QSize(cell.width() * m_keta, cell.height()));
    setFixedSize(m_scale == 1.0 ? designed : designed * m_scale);
}

QSize M_Degit::designedSize() const {
    if (m_scale == 1.0) return size();
    return QSize(qRound(width() / m_scale), qRound(height() / m_scale));
}

void M_Degit::setRenderScale(qreal scale) {
    if (!(scale > 0) || scale == m_scale) return;
    const QSize designed = designedSize();
    const bool fixed = minimumSize() == maximumSize();
    m_scale = scale;
    if (fixed)
        setFixedSize(designed * scale);
    else
        resize(designed * scale);
    DrawDegit(m_value, m_baseForeColor, m_degitForeColor);
}

void M_Degit::DrawDegit(const QVariant& value, OleColor baseColour, OleColor digitColour) {
    const QString text = DegitText::displayText(value, {m_zeroMode, m_fillZero, m_shift, m_keta});
    DegitRenderer::Look look;
    look.degitStyle = m_degitStyle;
    look.degitSize = m_degitSize;
    look.bold = m_bold;
    look.back = m_backColor;
    look.unlit = baseColour;
    look.lit = digitColour;
    look.scale = devicePixelRatioF() * m_scale;
    DegitRenderer::shared().render(m_buffer, designedSize(), m_keta, text, look);

    const QString shown = text.trimmed();
    if (shown != m_shownText) {
        m_shownText = shown;
        setAccessibleDescription(shown);
    }
    update();
}

void M_Degit::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_buffer.isNull())
        p.fillRect(rect(), Colour::toQColor(m_backColor));
    else if (m_scale == 1.0)
        p.drawImage(0, 0, m_buffer);
    else // drawn for the larger size: one image pixel to one device pixel
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(m_buffer.size()) / devicePixelRatioF()), m_buffer);
}

void M_Degit::resizeEvent(QResizeEvent*) {
    // A new size keeps the image drawn so far (nothing redraws on its own); the uncovered
    // part shows the background until the next redraw.
    if (m_scale != 1.0 || m_buffer.size() == size() * devicePixelRatioF()) return;
    QImage resized(size() * devicePixelRatioF(), QImage::Format_RGB32);
    if (resized.isNull()) {
        m_buffer = QImage();
        return;
    }
    resized.setDevicePixelRatio(devicePixelRatioF());
    resized.fill(Colour::toQColor(m_backColor));
    if (!m_buffer.isNull()) {
        QPainter p(&resized);
        p.drawImage(0, 0, m_buffer);
    }
    m_buffer = resized;
}

void M_Degit::mousePressEvent(QMouseEvent* event) {
    // A click on a digit belongs to the digit, never to a window drag of the host.
    event->accept();
}

void M_Degit::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) emit DblClick();
}
