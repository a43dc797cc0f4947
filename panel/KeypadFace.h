#pragma once
// The panel's keypad entry face (`Frame1` 1): digit keys with 7, 8, 9 on top, "系統" and
// "区間", the orange LED-style route and section displays, and its "リセット" button.
// The face only lays out and shapes its controls; the panel handles their clicks.
#include <QFrame>
#include <array>

class QLabel;
class QPushButton;

class KeypadFace : public QFrame {
    Q_OBJECT
  public:
    explicit KeypadFace(QWidget* parent = nullptr);

    std::array<QPushButton*, 12> CommandButton1{}; // 0-9 digits, 10 "系統", 11 "区間"
    std::array<QLabel*, 3> Label2{};               // route display, "-", section display
    QPushButton* Command1 = nullptr;               // "リセット" (index 1 of the panel's pair)

    // Trims each key to a rounded rubber-key shape.
    void shapeKeys();

  signals:
    // A left double-click on the frame itself, not on one of its controls or captions.
    void doubleClicked();

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
