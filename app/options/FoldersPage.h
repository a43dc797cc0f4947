#pragma once
// Page 0 of the options dialog: the fare data folder and the broadcast data folder, each
// with a folder picker and a button that shows the folder in the file manager.
#include <QGroupBox>
#include <array>

struct OptionContext;
class QLabel;
class QLineEdit;
class QPushButton;

class FoldersPage : public QGroupBox {
    Q_OBJECT
  public:
    FoldersPage(OptionContext& context, QWidget* parent = nullptr);

    std::array<QLabel*, 2> Label3{};
    std::array<QLineEdit*, 2> Text2{};       // FareDataDir, TapeDataDir
    std::array<QPushButton*, 2> Command3{};  // "..." folder pickers
    std::array<QPushButton*, 2> Command10{}; // open in the file manager

    void Command3_Click(int Index);
    void Command10_Click(int Index);

  private:
    OptionContext& m_context;
};
