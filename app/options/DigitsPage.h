#pragma once
// Page 2 of the options dialog: the information digits (stop order, ticket number, route
// number, a fare-data column shown in a chosen fare digit) and the three colours of every
// digit, with a preview digit that shows them at once.
//
// Enabling rules, kept whenever a box changes (a click or a settings load): Check3 0 enables
// Combo4 0 and Check3 4; Check3 1 enables Combo4 1; Check3 2 enables Combo4 2; Check3 3
// enables Combo4 3 and Combo4 4.
#include <QGroupBox>
#include <array>

class ColourButton;
class M_Degit;
struct OptionContext;
class QCheckBox;
class QComboBox;
class QLabel;

class DigitsPage : public QGroupBox {
    Q_OBJECT
  public:
    DigitsPage(OptionContext& context, QWidget* parent = nullptr);

    std::array<QGroupBox*, 2> Frame5{}; // 0 colours, 1 information digits
    // 0 stop order, 1 ticket number, 2 route number, 3 column value, 4 "0から数える".
    std::array<QCheckBox*, 5> Check3{};
    // 0 to 3 the fare digit of each (1 to 24), 4 the fare-data column (1 to 150).
    std::array<QComboBox*, 5> Combo4{};
    QLabel* Label7 = nullptr;
    std::array<ColourButton*, 3> Command8{}; // background, unlit, lit
    std::array<QLabel*, 4> Label6{};
    M_Degit* M_Degit1 = nullptr; // the preview

    void Command8_Click(int Index);
    // The preview digit takes the three colours of the Command8 buttons.
    void updatePreview();

  private:
    void buildInfoDigits();
    void buildColours();
    void applyRules();

    OptionContext& m_context;
};
