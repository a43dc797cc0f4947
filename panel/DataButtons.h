#pragma once
// The panel's stepping buttons: "データ送り" (`Command2` 1) above "データ戻し" (`Command2` 0),
// and "表示消去" (`Check1`), a push button that stays down while the display is cleared.
// All three are disabled until a route has been loaded.
#include <QObject>
#include <array>

class QPushButton;
class QWidget;

class DataButtons : public QObject {
    Q_OBJECT
  public:
    explicit DataButtons(QWidget* panel);

    std::array<QPushButton*, 2> Command2{}; // 0 "データ戻し", 1 "データ送り"
    QPushButton* Check1 = nullptr;

    void setSteppingEnabled(bool enabled);

  signals:
    void stepClicked(int index);
    void clearToggled();
};
