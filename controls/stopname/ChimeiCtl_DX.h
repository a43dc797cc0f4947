#pragma once
// ChimeiCtl_DX: the dot-matrix stop-name line of the board, "次は" followed by the coming
// stop's name, standing still when it fits in eight cells and scrolling right to left when it
// does not.
//
// Three surfaces make it up: the frame (432 × 58, bordered, clipped to the control's 56 rows),
// the dot strip inside it (56 pixels high, as wide as the name needs; all dots are drawn on
// it and it moves sideways to scroll) and a hidden 18 × 18 sampling box on which each
// character is printed and read back as dots. The strip is rasterised once per SetChimei;
// a scroll only moves its offset, driven by a frame-rate timer and a replaceable clock: the
// window's pixels are shifted and only the uncovered column is painted, and nothing is
// painted while the strip is out of sight. On X11 a StripWindow over the frame's inside lets
// the X server move the strip instead, and Qt paints nothing for a step; on the steady clock
// the StripWindow's thread then runs the steps, and the control's timer sleeps until it
// takes the scroll back (any change of picture, property, size or paint).
//
// Property writes never redraw a name: a change shows with the next SetChimei, except that
// Speed and ScrollStartWait act on a running scroll at once. Every write emits
// PropertyChanged with the property's name.
#include "controls/stopname/ChimeiScroll.h"
#include "platform/core/Colour.h"
#include "platform/core/PropertyBag.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>

class StripWindow;

class ChimeiCtl_DX : public QWidget {
    Q_OBJECT

  public:
    static constexpr int ControlWidth = 432;
    static constexpr int ControlHeight = 56;
    static constexpr int FrameHeight = 58;
    // Longest name drawn, in cells; more would only make the strip absurdly wide.
    static constexpr int MaxCells = 1000;

    explicit ChimeiCtl_DX(QWidget* parent = nullptr);
    ~ChimeiCtl_DX() override;

    // Background of strip and frame. A blank strip takes the new colour at once; a drawn
    // name keeps its colours until the next SetChimei.
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor v);
    // Dot colour of the name.
    OleColor ForeColor() const { return m_foreColor; }
    void setForeColor(OleColor v);
    // Scroll speed; read at every step of a running scroll.
    qint16 Speed() const { return m_speed; }
    void setSpeed(qint16 v);
    // Pause in milliseconds after each pass of a scrolling name; read at the end of a pass.
    qint32 ScrollStartWait() const { return m_scrollStartWait; }
    void setScrollStartWait(qint32 v);
    // Stored and persisted only.
    qint16 Mode() const { return m_mode; }
    void setMode(qint16 v);
    // Frame border: 0 flat, otherwise sunken. Repaints the frame.
    qint16 Appearance() const { return m_appearance; }
    void setAppearance(qint16 v);
    // Typefaces of the name: 0 Gothic, 1 Mincho, 2 kanji Gothic and the rest Mincho, 3 the
    // reverse, 4 full-width digits and letters Gothic and the rest Mincho; others Gothic.
    qint16 FontMode() const { return m_fontMode; }
    void setFontMode(qint16 v);
    bool FontBold() const { return m_fontBold; }
    void setFontBold(bool v);
    // "次は" prefix: 0 none, 1 with a smaller "は", 2 same size; other values store 0.
    qint16 TsugiwaMode() const { return m_tsugiwaMode; }
    void setTsugiwaMode(qint16 v);
    OleColor TsugiwaColor() const { return m_tsugiwaColor; }
    void setTsugiwaColor(OleColor v);
    // Faces of "次"/"は": 0 Gothic/Gothic, 1 Gothic/Mincho, 2 Mincho/Mincho, 3 Mincho/Gothic;
    // other values keep the face last set on the sampling box.
    qint16 TsugiwaFontMode() const { return m_tsugiwaFontMode; }
    void setTsugiwaFontMode(qint16 v);
    bool TsugiwaBold() const { return m_tsugiwaBold; }
    void setTsugiwaBold(bool v);

    // Shows a stop name: clears the strip, lays the cells out, draws them and, when the name
    // needs more than eight cells with the prefix, starts scrolling it from the right edge.
    // A new non-empty name ends a running scroll. The empty text blanks the strip and leaves
    // a running scroll running. Repaints.
    void SetChimei(const QString& text);
    // Draws one cell's text as dots of ForeColor with its top-left dot at (x, y) of the strip.
    void DrawDot54(int x, int y, const QString& ch);
    // Draws "次は" in TsugiwaColor into the two leftmost cells of the strip.
    void DrawTsugiwa();

    // Defaults of a new instance (the constructor applies them).
    void InitProperties();
    // Loads the twelve properties from the host's store, each with its load default; no
    // range corrections, no drawing.
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // The dot strip and its position in the frame.
    const QImage& strip() const { return m_strip; }
    int stripX() const;
    int stripWidth() const { return m_stripWidth; }
    bool scrolling() const { return m_scroll.running(); }
    // Whether the X server's side runs the steps (see StripWindow), the control's timer idle.
    bool steppedByServer() const;

    // Draws the line `scale` times its designed size (frame, dots and scroll steps all in
    // designed pixels, multiplied when drawn): resizes the control and draws the shown name
    // again at the new size, a running scroll going on where it was. 1 is the designed size.
    void setRenderScale(qreal scale);
    qreal renderScale() const { return m_scale; }

    // Replaces the time source of the scroll (milliseconds, monotonic); an empty function
    // restores the steady clock.
    void setClock(std::function<qint64()> ms);
    // Brings a running scroll up to the clock's time and repaints when it moved. The frame
    // timer calls this; tests call it after moving their clock.
    void advanceScroll();

  private slots:
    // Takes a running scroll back from the StripWindow's thread, to be stepped here again.
    void takeBack();

  signals:
    void PropertyChanged(const QString& name);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void drawCell(int x, int y, const QString& text, qint16 code);
    void redrawFrame();
    // The strip or the frame changed: the server's copy of the strip is out of date.
    void pictureChanged();
    void clearStrip(int width);
    void startScroll();
    void stopScroll();
    // Arms the frame timer for the moment the next step of the running scroll is due.
    void scheduleNextStep();
    // Brings the window's pixels from the strip at fromX to the strip at toX. Returns true
    // when the X server has shown it (see StripWindow), false when Qt paints it.
    bool moveStrip(int fromX, int toX);
    QRect clientRect() const;
    // Where the strip lies in the control with its left edge at x of the frame's inside.
    QRect stripRect(int x) const;
    // The whole line at a scale other than 1.
    void paintScaled();
    void setShownText(const QString& text);
    int borderWidth() const;
    qint64 now() const;

    OleColor m_backColor;
    OleColor m_foreColor;
    qint16 m_speed = 0;
    qint32 m_scrollStartWait = 0;
    qint16 m_mode = 0;
    qint16 m_appearance = 1;
    qint16 m_fontMode = 0;
    bool m_fontBold = false;
    qint16 m_tsugiwaMode = 0;
    OleColor m_tsugiwaColor = 0;
    qint16 m_tsugiwaFontMode = 0;
    bool m_tsugiwaBold = false;

    // The sampling box's face, kept between characters: a prefix face mode outside 0 to 3
    // prints in whatever face the box had last.
    QString m_boxFace;
    bool m_boxBold = false;

    QImage m_frame;
    QImage m_strip; // m_scale image pixels per designed pixel
    int m_stripWidth = 0;
    bool m_stripBlank = true;
    qreal m_scale = 1.0;
    // The last name shown, drawn again when the scale changes.
    QString m_name;
    int m_stripX = 0;
    ChimeiScroll m_scroll;
    QTimer m_frameTimer;
    std::chrono::steady_clock::time_point m_clockStart;
    std::function<qint64()> m_clock;
    StripWindow* m_stripWindow = nullptr; // only on X11
};
