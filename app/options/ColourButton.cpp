#include "app/options/ColourButton.h"

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
