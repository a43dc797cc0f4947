#pragma once
// `Frame2` "バックライト": three push buttons of which one is down, "OFF", "ON1" and "ON2"
// (`Option4` 0 to 2). OFF is down at every start.
#include <QGroupBox>
#include <array>

class QPushButton;

class BacklightFrame : public QGroupBox {
    Q_OBJECT
  public:
    explicit BacklightFrame(QWidget* panel);

    std::array<QPushButton*, 3> Option4{};

    // The state now selected: 0 OFF, 1 ON1, 2 ON2.
    int selected() const;

  signals:
    void clicked(int index);
};
