#pragma once
// M_Degit: a number shown as a row of seven-segment lamps. Every one of the `Keta` cells
// always shows its full "8" in the base colour (unlit segments); the value is printed over
// it, flush right, in the digit colour. The text rules live in DegitText, the drawing in
// DegitRenderer; this widget holds the properties, keeps the image in a back buffer and
// only blits it on paint.
//
// The image changes only when a redrawing property is written (colours, Keta, DegitSize,
// DegitStyle, Value, BackColor), when ShowSetDlg returns or when ResetDegit runs. FillZero,
// ZeroMode and Shift are stored without redrawing: write Value again to show their effect.
// Writes never fail; out-of-range values are corrected as each setter says.
#include "platform/core/Colour.h"

#include <QImage>
#include <QVariant>
#include <QWidget>

class PropertyBag;

class M_Degit : public QWidget {
    Q_OBJECT
  public:
    // Creates the control as the designer lays it out (four size-0 cells, grey background)
    // with every field still zero, so it shows only its background until properties are
    // loaded or set. Hosts then call InitProperties or ReadProperties.
    explicit M_Degit(QWidget* parent = nullptr);

    // Colour of the unlit segments. Redraws.
    OleColor BaseForeColor() const { return m_baseForeColor; }
    void setBaseForeColor(OleColor colour);
    // Colour of the lit segments. Redraws.
    OleColor DegitForeColor() const { return m_degitForeColor; }
    void setDegitForeColor(OleColor colour);
    // Minimum digits of a number, 0 = none, negative = none. Above Keta is stored as Keta.
    qint16 FillZero() const { return m_fillZero; }
    void setFillZero(qint16 count);
    // How 0, -1 and empty values show (0 to 3, see DegitText). 4 and above store 0.
    qint16 ZeroMode() const { return m_zeroMode; }
    void setZeroMode(qint16 mode);
    // Blank cells kept at the right end, clamped to 0 .. Keta - 1.
    qint16 Shift() const { return m_shift; }
    void setShift(qint16 cells);
    // Number of cells, 1 to 15; other values store 4. Resizes and redraws.
    qint16 Keta() const { return m_keta; }
    void setKeta(qint16 cells);
    // Cell size code 0 to 3; other values store 0. Resizes and redraws.
    qint16 DegitSize() const { return m_degitSize; }
    void setDegitSize(qint16 size);
    // Segment face: 1 slanted, 2 square bars, any other value upright. Redraws.
    qint16 DegitStyle() const { return m_degitStyle; }
    void setDegitStyle(qint16 style);
    // What is shown: an invalid QVariant (nothing), a number or a QString. Redraws.
    QVariant Value() const { return m_value; }
    void setValue(const QVariant& value);
    // Whether the host may open the zero-display dialog on a double-click. Stored only.
    bool UserSet() const { return m_userSet; }
    void setUserSet(bool on) { m_userSet = on; }
    // Background of the drawing surface. Redraws.
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor colour);

    // Opens the zero-display dialog over this control, stores the zero mode, shift and fill
    // the dialog leaves as they are (without the setters' corrections), redraws and returns
    // the dialog's result (1 = accepted).
    int ShowSetDlg();
    // -1 lights every segment of every cell (lamp test); any other mode shows nothing lit.
    // Shift, ZeroMode and FillZero are kept (and range-checked again) for the next value.
    void ResetDegit(qint16 mode);

    // Defaults of a new instance; neither resizes nor redraws.
    void InitProperties();
    // Loads the eleven properties as stored, without corrections; applies BackColor to the
    // surface but neither resizes nor redraws.
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // Draws the control `scale` times its designed size: the size in pixels, the cells and
    // their segments all grow, drawn anew for the size. Resizes and redraws. 1 is the
    // designed size; sizes set by the host and by Keta/DegitSize are designed sizes.
    void setRenderScale(qreal scale);
    qreal renderScale() const { return m_scale; }

    // The image the control shows.
    const QImage& backBuffer() const { return m_buffer; }
    // The lit text now, without the blanks around it ("" when nothing is lit).
    QString shownText() const { return m_shownText; }

  signals:
    void DblClick();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void DrawDegit(const QVariant& value, OleColor baseColour, OleColor digitColour);
    void fitToCells();
    // The control's size at scale 1.
    QSize designedSize() const;

    OleColor m_baseForeColor = 0;
    OleColor m_degitForeColor = 0;
    qint16 m_fillZero = 0;
    qint16 m_zeroMode = 0;
    qint16 m_shift = 0;
    qint16 m_keta = 0;
    qint16 m_degitSize = 0;
    qint16 m_degitStyle = 0;
    QVariant m_value;
    bool m_userSet = false;
    OleColor m_backColor;
    // Fixed at creation: the segment strokes are drawn bold; the cells need no extra
    // spacing because one character advance is exactly one cell.
    const bool m_bold = true;

    QImage m_buffer;
    QString m_shownText;
    qreal m_scale = 1.0;
};
