#pragma once
// The panel's dial entry face (`Frame1` 0): five route digit lists and three section digit
// lists with the items "0" to "9", and its "リセット" button. The panel handles the clicks.
// The face starts behind the keypad, and its eight lists cost more to make than the rest of
// the panel's controls together, so the frame is made empty and its contents by build(),
// when the face is first needed.
#include <QFrame>
#include <array>

class QLabel;
class QListWidget;
class QPushButton;

class DialFace : public QFrame {
    Q_OBJECT
  public:
    explicit DialFace(QWidget* parent = nullptr);

    // Makes the captions, the dials and the button, the first time only. Returns true when it
    // did so now.
    bool build();
    bool built() const { return Command1 != nullptr; }

    // Null until build().
    std::array<QListWidget*, 5> List2{}; // route digits, 0 leftmost and most significant
    std::array<QListWidget*, 3> List3{}; // section digits, 0 leftmost
    QPushButton* Command1 = nullptr;     // "リセット" (index 0 of the panel's pair)

    // The route digits selected, joined left to right (a list without a selection adds nothing).
    QString routeText() const;
    QString sectionText() const;

  signals:
    // A left double-click on the frame itself, not on one of its controls or captions.
    void doubleClicked();

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
