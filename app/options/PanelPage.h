#pragma once
// Page 1 of the options dialog: the panel pictures of the three backlight states (built-in
// or the user's own file) and the ticket-number column (auto display, numbering style, zero
// fill, colour per backlight state).
//
// Enabling rules, kept whenever a governing control changes (a click or a settings load):
// Frame3 is enabled while Check1 is on; the three picture frames Frame6 0 to 2 are enabled
// and shown exactly when Option3 0 (the built-in pictures assigned automatically) is not
// selected.
#include <QGroupBox>
#include <array>

class ColourButton;
struct OptionContext;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class PanelPage : public QGroupBox {
    Q_OBJECT
  public:
    PanelPage(OptionContext& context, QWidget* parent = nullptr);

    // "整理券番号自動表示機能を使用" (UseSeiriNumAuto); not the panel's "表示消去" Check1.
    QCheckBox* Check1 = nullptr;
    QGroupBox* Frame4 = nullptr; // "本体パネル"
    // 0 "内蔵しているパネルを自動で割り当てる", 1 "個別に設定する"; then "内蔵" / "ユーザー
    // パネル" of each state: 7 / 6 OFF, 3 / 2 ON1, 4 / 5 ON2.
    std::array<QRadioButton*, 8> Option3{};
    std::array<QGroupBox*, 3> Frame6{}; // picture frames OFF, ON1, ON2
    std::array<QLineEdit*, 3> txtSelectPanel{};
    std::array<QPushButton*, 3> Command6{};  // "..." picture pickers
    std::array<QLabel*, 6> Label4{};         // 1 to 5 used
    QLabel* Label5 = nullptr;                // Label5(1), the note on user pictures
    QGroupBox* Frame3 = nullptr;             // the ticket-number settings
    QComboBox* Combo2 = nullptr;             // SeiriNumStyle
    QCheckBox* Check2 = nullptr;             // zero fill of one-digit numbers (SeiriNumZeroFill)
    std::array<ColourButton*, 3> Command5{}; // number colour for OFF, ON1, ON2
    QLabel* Label15 = nullptr;

    // Fills Combo2 with the twelve numbering styles and selects the first.
    void AddComboItem();
    void Command6_Click(int Index);
    void Command5_Click(int Index);

  private:
    QGroupBox* buildPictureFrame(int index, int builtin, int user);
    void buildNumbers();
    void applyRules();

    OptionContext& m_context;
};
