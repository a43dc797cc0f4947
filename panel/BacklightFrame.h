#pragma once
// `Frame2` "バックライト": three push buttons of which one is down, "OFF", "ON1" and "ON2"
// (`Option4` 0 to 2). OFF is down at every start; the state is not kept between runs.
// A click asks the backlight rules (backlight/Backlight.h) what the state shows and hands the
// answer to the board.
#include <QGroupBox>
#include <QString>
#include <array>
#include <functional>

class BoardControl;
class QPushButton;
struct Settings;

class BacklightFrame : public QGroupBox {
    Q_OBJECT
  public:
    // `settings` and `board` must outlive the frame.
    BacklightFrame(QWidget* panel, const Settings& settings, BoardControl& board);

    std::array<QPushButton*, 3> Option4{};

    // The state now selected: 0 OFF, 1 ON1, 2 ON2.
    int selected() const;

    // Backlight button `Index` (0 OFF, 1 ON1, any other ON2), run by every click (the button
    // already down included) and by applying settings: the board takes the state's picture
    // (built in, or the user's file read afresh) and the ticket numbers its colour. A user's
    // file that is missing (or not named) leaves the picture as it is, silently; one that
    // cannot be read shows the error box and leaves it too. The numbers are recoloured in
    // every case, after the box is closed. The box names the file on a line of its own.
    void Option4_Click(int Index);
    // Option4_Click for the state already selected: what applying settings ends with. A
    // failure already told for the same unchanged file is not told again (a start applies
    // the state twice; one bad picture is one box).
    void applySelected();

    // Shows the error box (title "エラー", critical icon, OK); tests replace it.
    std::function<void(const QString&)> showErrorBox;

  private:
    void apply(int Index, bool fromSettings);
    void tell(const QString& text, const QString& file, bool fromSettings);

    const Settings& m_settings;
    BoardControl& m_board;
    QString m_lastTold; // the failure last told, with the file's size and time
};
