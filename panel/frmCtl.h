#pragma once
// The operation panel ("集中操作盤"): the driver's console of the simulated bus. Two route-entry
// faces lie on top of each other (dials `Frame1` 0, keypad `Frame1` 1); "リセット" loads the
// route, "データ戻し"/"データ送り" step the stops, "表示消去" blanks the board, `Frame6` holds
// the late-night fare and the stop-name scroll settings. Each face and frame is a small class
// of its own; this class assembles them and wires their handlers. The panel owns the route
// state and drives the board through BoardControl; settings are read from the live store at
// the moment they are needed.
#include "faredata/FareTable.h"
#include "faredata/RouteLoadHost.h"
#include "faredata/RouteState.h"
#include "platform/HeldInput.h"
#include "platform/SavedPosition.h"
#include "settings/CtrlDataInfo.h"

#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class BacklightFrame;
class BoardControl;
class DataButtons;
class DialFace;
class KeypadFace;
class LateNightFrame;
class PanelHost;
class PanelKeyboard;
class PreviewArea;
class PreviewPicture;
class TapeGroup;
struct Settings;

class frmCtl : public QWidget, public HeldInput::KeyTarget, private RouteLoadHost {
    Q_OBJECT
  public:
    // `settings`, `board` and `host` must outlive the panel.
    frmCtl(Settings& settings, BoardControl& board, PanelHost& host, QWidget* parent = nullptr);
    ~frmCtl() override;

    // The pieces of the panel. The dial face's controls are made when it first shows or
    // dials() is asked for; until then it is an empty frame behind the keypad.
    DialFace* dialFace = nullptr;
    KeypadFace* keypadFace = nullptr;
    DataButtons* dataButtons = nullptr;
    LateNightFrame* lateNightFrame = nullptr;
    BacklightFrame* backlightFrame = nullptr;
    TapeGroup* tapeGroup = nullptr;
    PreviewArea* previewArea = nullptr;
    PanelKeyboard* keyboard = nullptr;

    // Controls, by their names and indexes.
    std::array<QWidget*, 2> Frame1{};          // 0 dial face, 1 keypad face
    std::array<QPushButton*, 2> Command1{};    // "リセット": 0 dials (once made), 1 keypad
    std::array<QPushButton*, 2> Command2{};    // 0 "データ戻し", 1 "データ送り"
    QPushButton* Check1 = nullptr;             // "表示消去", stays down while checked
                                               // (the options' Check1 is a check box)
    QGroupBox* Frame6 = nullptr;               // late-night fare and the stop-name scroll
    QCheckBox* Check2 = nullptr;               // "深夜料金"
    std::array<QScrollBar*, 2> HScroll1{};     // stop-name scroll: 0 speed, 1 pause
    std::array<QLabel*, 2> Label1{};           // their values
    std::array<QLabel*, 2> Label3{};           // their captions
    QGroupBox* Frame2 = nullptr;               // "バックライト"
    std::array<QPushButton*, 3> Option4{};     // backlight "OFF", "ON1", "ON2"
    QGroupBox* grpM_Tape = nullptr;            // announcements
    std::array<QPushButton*, 4> tapeButtons{}; // cmdTapeBack, cmdTapeNext, cmdTapeStop, cmdTapeSet
    QPushButton* Command4 = nullptr;           // "設定..."
    QPushButton* Command8 = nullptr;           // "ﾊﾞｰｼﾞｮﾝ"
    QPushButton* Check4 = nullptr;             // ">>" / "<<" preview toggle
    QLabel* Label4 = nullptr;                  // "整理券プレビュー"
    PreviewPicture* picSeirikenPrev = nullptr;
    QComboBox* Combo1 = nullptr; // the company printed on the ticket

    bool KeyInKeitou = false;

    // The dial face with its controls, made and wired on the first call.
    DialFace& dials();

    // Start-up of the panel: the board's caption and the key shapes.
    void Form_Load();
    // Has the announcements' speech load in the background (once the windows are shown).
    void loadVoice();

    void CommandButton1_Click(int Index);
    void List2_Click(int Index);
    void List3_Click(int Index);
    void Command1_Click(int Index);
    void Command2_Click(int Index);
    void Check1_Click();
    void HScroll1_Change(int Index);
    void Check4_Click();
    // Sends entry face `Index` to the back and hides it, so that it takes neither focus nor
    // keys; the other face shows and the Tab order follows it.
    void Frame1_DblClick(int Index);
    // "設定...": the options dialog (PanelHost::showOptions) over a disabled board and panel,
    // then the stop name
    // cleared and drawn again so that changed stop-name settings show at once.
    void Command4_Click();
    void Command8_Click();

    // Puts row `Index` of the fare table on the board.
    void DispData(qint16 Index);

    void GetCtrlDataInfo(CtrlDataInfo& info) const;
    void SetCtrlDataInfo(const CtrlDataInfo& info);
    // Whether the settings file has given the panel its position.
    bool positionRestored() const { return m_position.restored(); }

    // The loaded route.
    const FareTable& fareTable() const { return m_table; }
    const RouteState& routeState() const { return m_state; }

    // How long the lamp test after a route load holds the panel (RouteLoad::LampTestMs unless
    // set); tests shorten it.
    void setLampTestLength(int ms) { m_lampTestMs = ms; }

    // Which entry face was last sent to the back (0 or 1).
    qint16 frameIndex() const { return m_frameIndex; }

    // Ends the program after a confirmed quit (QCoreApplication::exit). Tests replace it: once
    // called, every event loop of the process would return at once.
    std::function<void()> endProgram;
    // Asks the close question; tests replace it. Returns true for Yes.
    std::function<bool()> askQuit;
    // Shows an operator message (OK only, no icon, the application's title); tests replace it.
    std::function<void(const QString&)> showMessageBox;

    bool keyRefusedNow(int key, Qt::KeyboardModifiers modifiers) const override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // What the route load and the fare display update ask of the board and the panel.
    const Settings& settings() const override;
    void playSound(const QString& path, const QString& channel, qint16 sync) override;
    void loadBroadcastData(const QString& folder, const QString& route) override;
    qint16 tsugiwaMode() const override;
    void setTsugiwaMode(qint16 mode) override;
    void setChimei(const QString& text) override;
    void resetDegit(int index, bool lit) override;
    void setDegitValue(int index, const QVariant& value) override;
    void holdLampTest(int ms) override;
    void enableDataButtons() override;
    void showMessage(const QString& text) override;
    QDate currentDate() const override;
    bool lateNightFare() const override;
    QDateTime currentDateTime() const override;
    void clearSeirikenPreview() override;
    void drawSeirikenPreview(const SeirikenTicket& ticket) override;

    void buildCommands();
    void giveOwnFont(QWidget& under);
    void setWidthTwips(int twips);

    Settings& m_settings;
    BoardControl& m_board;
    PanelHost& m_host;
    qint16 m_frameIndex = 0;
    int m_lampTestMs;
    SavedPosition m_position;
    FareTable m_table;
    RouteState m_state;
};
