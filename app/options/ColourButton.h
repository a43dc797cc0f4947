#pragma once
// A button whose face shows the colour of a setting, flat and exact: no style shading, so
// that what it shows is the colour the board will use. A black outer and a white inner line
// keep its edge visible on any colour; the focus widens the outer line. Clicking it does
// nothing by itself; the page that owns it opens the colour picker. The colour is exposed to
// assistive technology as the accessible description ("#RRGGBB").
#include "platform/QtColour.h"

#include <QPushButton>

class ColourButton : public QPushButton {
    Q_OBJECT
  public:
    explicit ColourButton(QWidget* parent = nullptr);

    OleColor colour() const { return m_colour; }
    // Repaints the face; emits colourChanged when the colour differs.
    void setColour(OleColor colour);

  signals:
    void colourChanged(OleColor colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    OleColor m_colour = 0;
};
