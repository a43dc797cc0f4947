#pragma once
// Page 3 of the options dialog: colours and typefaces of the stop-name line and of its
// "次は" prefix.
#include <QGroupBox>
#include <array>

class ColourButton;
struct OptionContext;
class QCheckBox;
class QComboBox;
class QLabel;

class StopNamePage : public QGroupBox {
    Q_OBJECT
  public:
    StopNamePage(OptionContext& context, QWidget* parent = nullptr);

    QGroupBox* Frame11 = nullptr;            // the name
    QGroupBox* Frame12 = nullptr;            // the "次は" prefix
    std::array<ColourButton*, 3> Command9{}; // background, name, "次は"
    std::array<QLabel*, 3> Label8{};
    QComboBox* Combo3 = nullptr; // ChimeiFontMode
    QLabel* Label9 = nullptr;
    QCheckBox* Check4 = nullptr; // "太字" of the name (ChimeiFontBold); not the panel's ">>"
    QComboBox* Combo6 = nullptr; // TsugiwaMode
    QLabel* Label17 = nullptr;
    QComboBox* Combo5 = nullptr; // TsugiwaFontMode
    QLabel* Label16 = nullptr;
    QCheckBox* Check5 = nullptr; // "太字" of "次は" (TsugiwaBold)

    void Command9_Click(int Index);

  private:
    void buildName();
    void buildPrefix();

    OptionContext& m_context;
};
