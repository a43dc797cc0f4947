#pragma once
// Page 4 of the options dialog: the sound files. Route setting and reset have one sound
// each; the forward/back sound and the pre-announcement sound each have a sub-page (chosen by
// Option5 1 and 0) with "always this sound" or "the sound numbered by a data column/flag",
// and synchronous or asynchronous playing. An empty box means no sound.
#include <QGroupBox>
#include <array>

struct OptionContext;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct Settings;
class QStackedWidget;

class SoundPage : public QGroupBox {
    Q_OBJECT
  public:
    SoundPage(OptionContext& context, QWidget* parent = nullptr);

    // 0 route setting, 1 reset, 3 to 6 pre-announcement, 7 to 10 forward/back.
    std::array<QLineEdit*, 11> txtSelectSound{};
    std::array<QPushButton*, 11> cmdSelectSound{};
    std::array<QLabel*, 12> Label1{}; // 0 to 5, 7, 9 to 11 used
    // Sub-page buttons: 0 "放送前のサウンド...", 1 "送り・戻し時のサウンド...".
    std::array<QRadioButton*, 2> Option5{};
    QStackedWidget* subPages = nullptr;
    std::array<QGroupBox*, 2> Frame2{}; // 0 pre-announcement, 1 forward/back
    // "常に右記のサウンドを鳴らす" / by the fare column (0 / 1, forward/back), by the
    // broadcast flag (2 / 3, pre-announcement).
    std::array<QRadioButton*, 4> Option2{};
    QComboBox* Combo1 = nullptr;            // SoundMoveColumn
    QGroupBox* Frame8 = nullptr;            // "再生方法" forward/back
    std::array<QRadioButton*, 2> Option6{}; // 0 "同期再生", 1 "非同期再生"
    QGroupBox* Frame9 = nullptr;            // "再生方法" pre-announcement
    std::array<QRadioButton*, 2> Option7{}; // 0 "同期再生", 1 "非同期再生"

    void cmdSelectSound_Click(int Index);
    void Option5_Click(int Index);

    // True when any of the sound boxes' settings names a MIDI tune: only then does K41
    // load the General MIDI SoundFont.
    static bool choosesMidi(const Settings& settings);

  private:
    void buildMoveSounds();
    void buildPreSounds();
    // Label (optional), box and "..." of sound `index` on `row` of `grid`.
    void addSoundRow(QGridLayout* grid, int row, int index, QLabel* caption, int column = 0);

    OptionContext& m_context;
};
