#pragma once
// How the board window shows the board: at which scale, where the board's face sits in the
// window and what lies around it. The face is always drawn for its size (segments, dots,
// numbers and the built-in picture at the scale); a user's picture is scaled smoothly.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>

struct BoardView {
    // The board's own size in pixels at scale 1.
    static QSize designedSize();

    qreal scale = 1.0;
    // The window's size and the face's top-left corner in it; in full screen the window is
    // the screen and the face sits in its middle.
    QSize window = designedSize();
    QPoint origin;
    // When valid, everything outside the board's face (around a smaller picture, around the
    // face in full screen) is this one colour, for keying the board out of a video.
    QColor key;

    // The designed size at scale 1 with no key colour: the board as it always was.
    bool isPlain() const;
    QSize faceSize() const { return designedSize() * scale; }

    // The largest scale at which the face fits into `area`.
    static qreal fitScale(QSize area);
    // The view of a window of exactly the face at `scale` (0: as large as fits `area`).
    static BoardView windowed(qreal scale, QSize area, QColor key);
    // The view that fills `screen` with the face at `scale` (0, or too large: as large as
    // fits), centred.
    static BoardView filling(qreal scale, QSize screen, QColor key);

    // The window's background in this view: `picture` on the face (the built-in picture of
    // backlight state `builtinState` drawn anew at the scale; with -1 a user's picture, scaled
    // smoothly), cut at the face's edges; the plain grey (or the key colour) on the rest of
    // the face and black (or the key colour) around it.
    QImage background(const QImage& picture, int builtinState) const;

    bool operator==(const BoardView&) const = default;
};
