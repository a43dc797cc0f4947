#include "panel/KeypadFace.h"

#include "platform/Fonts.h"
#include "platform/core/Twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegion>

namespace {

struct KeyPlace {
    int index, left, top;
};
// Calculator order: 7 8 9 on top, then 4 5 6, 1 2 3, and 0 "系統" "区間".
constexpr KeyPlace KeyPlaces[] = {
    {7, 330, 570},   {8, 810, 570},  {9, 1290, 570},  {4, 330, 975},
    {5, 810, 975},   {6, 1290, 975}, {1, 330, 1395},  {2, 810, 1395},
    {3, 1290, 1395}, {0, 330, 1815}, {10, 810, 1815}, {11, 1290, 1815},
};

// The key under focus: the rounded trim cuts off the border where a focus frame would go.
const QString FocusStyle = QStringLiteral("QPushButton:focus { background: rgb(140,190,255); }");

const QString LedStyle = QStringLiteral("color: rgb(255,128,0); background: black;");

} // namespace

KeypadFace::KeypadFace(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame1(1)"));
    setAccessibleName(objectName());
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("KeypadFace { background: black; border: 1px solid #606060; }"));

    for (const KeyPlace& k : KeyPlaces) {
        auto* key = new QPushButton(this);
        const bool digit = k.index <= 9;
        key->setText(digit ? QString::number(k.index)
                           : (k.index == 10 ? QStringLiteral("系統") : QStringLiteral("区間")));
        key->setObjectName(QStringLiteral("CommandButton1(%1)").arg(k.index));
        key->setAccessibleName(key->text());
        key->setGeometry(Twips::toPixels(k.left, k.top, 450, k.index == 0 ? 405 : 390));
        key->setFont(Fonts::font(Fonts::PGothic, digit ? 15.75 : 8.25, true));
        const QString look = digit
                                 ? QStringLiteral("QPushButton { background: rgb(224,224,224); "
                                                  "color: black; border: 1px solid gray; "
                                                  "border-radius: 2px; padding: 0; }"
                                                  "QPushButton:pressed { background: gray; }")
                                 : QStringLiteral("QPushButton { background: yellow; color: black; "
                                                  "border: 1px solid gray; border-radius: 2px; "
                                                  "padding: 0; }"
                                                  "QPushButton:pressed { background: #b0b000; }");
        key->setStyleSheet(look + FocusStyle);
        CommandButton1[size_t(k.index)] = key;
    }

    const QRect places[3] = {Twips::toPixels(225, 180, 810, 315),
                             Twips::toPixels(1125, 180, 150, 150),
                             Twips::toPixels(1290, 180, 465, 270)};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label2(%1)").arg(i));
        label->setGeometry(places[i]);
        label->setFont(Fonts::font(Fonts::Gothic, 14.25));
        label->setStyleSheet(LedStyle);
        label->setAlignment(i == 1 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
        Label2[size_t(i)] = label;
    }
    Label2[1]->setText(QStringLiteral("-"));

    Command1 = new QPushButton(QStringLiteral("リセット"), this);
    Command1->setObjectName(QStringLiteral("Command1(1)"));
    Command1->setAccessibleName(Command1->text());
    Command1->setGeometry(Twips::toPixels(330, 2250, 1410, 300));
}

void KeypadFace::shapeKeys() {
    for (QPushButton* key : CommandButton1) {
        // A 26 × 23 rounded rectangle with a 2 × 2 corner, inset by 2 pixels.
        QRegion region(QRect(2, 2, 26, 23));
        region -= QRegion(2, 2, 1, 1);
        region -= QRegion(27, 2, 1, 1);
        region -= QRegion(2, 24, 1, 1);
        region -= QRegion(27, 24, 1, 1);
        key->setMask(region);
    }
}

void KeypadFace::mouseDoubleClickEvent(QMouseEvent* event) {
    // Only the frame itself flips the faces; its captions and displays keep their own
    // double-clicks, which Qt would otherwise pass on to the frame.
    if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint()))
        emit doubleClicked();
    QFrame::mouseDoubleClickEvent(event);
}
