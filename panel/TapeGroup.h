#pragma once
// `grpM_Tape`: the announcement buttons "戻し", "送り", "■" and "調整" (cmdTapeBack,
// cmdTapeNext, cmdTapeStop, cmdTapeSet). The group is captioned "音合使用不可" and disabled
// while no announcement can be spoken.
#include <QGroupBox>
#include <array>

class QPushButton;

class TapeGroup : public QGroupBox {
    Q_OBJECT
  public:
    explicit TapeGroup(QWidget* panel);

    std::array<QPushButton*, 4> tapeButtons{}; // back, next, stop, set

  signals:
    void clicked(int index);
};
