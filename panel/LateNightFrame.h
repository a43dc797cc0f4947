#pragma once
// `Frame6`: the late-night fare switch "深夜料金" (`Check2`) and the two scroll bars of the
// stop-name line, speed (`HScroll1` 0, 0 to 2000) and pause between passes (`HScroll1` 1,
// 0 to 3000), each with its caption (`Label3`) and its value (`Label1`).
#include <QGroupBox>
#include <array>

class QCheckBox;
class QLabel;
class QScrollBar;

class LateNightFrame : public QGroupBox {
    Q_OBJECT
  public:
    explicit LateNightFrame(QWidget* panel);

    QCheckBox* Check2 = nullptr;
    std::array<QScrollBar*, 2> HScroll1{};
    std::array<QLabel*, 2> Label1{};
    std::array<QLabel*, 2> Label3{};

  signals:
    // A scroll bar moved; its value label has already been updated.
    void scrollChanged(int index);
};
