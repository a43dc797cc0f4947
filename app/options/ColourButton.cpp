#include "app/options/ColourButton.h"

#include <QPainter>

ColourButton::ColourButton(QWidget* parent) : QPushButton(parent) {
    setAutoFillBackground(true);
    setFixedSize(48, 20);
    setColour(0);
}

void ColourButton::setColour(OleColor colour) {
    const bool changed = colour != m_colour;
    m_colour = colour;
    const QColor c = Colour::toQColor(colour);
    QPalette pal = palette();
    pal.setColor(QPalette::Button, c);
    pal.setColor(QPalette::Window, c);
    setPalette(pal);
    setAccessibleDescription(c.name(QColor::HexRgb).toUpper());
    if (changed) emit colourChanged(colour);
}

void ColourButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect all = rect();
    const QColor edge = hasFocus() ? palette().color(QPalette::Highlight) : QColor(Qt::black);
    const int outer = hasFocus() ? 2 : 1;
    p.fillRect(all, edge);
    p.fillRect(all.adjusted(outer, outer, -outer, -outer), Qt::white);
    const QRect face = all.adjusted(outer + 1, outer + 1, -outer - 1, -outer - 1);
    p.fillRect(face, Colour::toQColor(m_colour));
    // Greyed: a sparse grey screen over the colour, which stays recognisable.
    if (!isEnabled()) p.fillRect(face, QBrush(Qt::gray, Qt::Dense6Pattern));
    if (isDown()) p.fillRect(face, QColor(0, 0, 0, 60));
}
