#pragma once
// The operation panel ("集中操作盤"): the driver's console of the simulated bus. Two route-entry
// faces lie on top of each other (dials `Frame1` 0, keypad `Frame1` 1); "リセット" loads the
// route, "データ戻し"/"データ送り" step the stops, "表示消去" blanks the board, `Frame6` holds
// the late-night fare and the stop-name scroll settings. The panel owns the route state and
// drives the board (`Form1`) through its control arrays; settings are read from the live
// store at the moment they are needed.
#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class DialFace;
class Form1;
class KeypadFace;
struct Settings;

// The panel's part of the settings file, in the file's order.
struct PanelSnapshot {
    qint16 FrameIndex = 0;
    qint32 ScrollSpeed = 1;
    qint32 ScrollInterval = 0;
    qint16 LateNight = 0;
    qint16 PreviewOpen = 0;
    qint32 PanelLeft = 0; // twips
    qint32 PanelTop = 0;  // twips
};

class frmCtl : public QWidget {
    Q_OBJECT
public:
    frmCtl(Settings& settings, Form1& board, QWidget* parent = nullptr);
    ~frmCtl() override;

    // Controls, by their names and indexes.
    std::array<QWidget*, 2> Frame1{}; // 0 dial face, 1 keypad face
    DialFace* dialFace = nullptr;
    KeypadFace* keypadFace = nullptr;
    std::array<QPushButton*, 2> Command1{}; // "リセット": 0 dials, 1 keypad
    std::array<QPushButton*, 2> Command2{}; // 0 "データ戻し", 1 "データ送り"
    QPushButton* Check1 = nullptr;          // "表示消去", stays down while checked
    QGroupBox* Frame6 = nullptr;
    QCheckBox* Check2 = nullptr; // "深夜料金"
    std::array<QScrollBar*, 2> HScroll1{};
    std::array<QLabel*, 2> Label1{};
    std::array<QLabel*, 2> Label3{};
    QGroupBox* Frame2 = nullptr;              // "バックライト"
    std::array<QPushButton*, 3> Option4{};    // "OFF", "ON1", "ON2"
    QGroupBox* grpM_Tape = nullptr;           // announcements
    std::array<QPushButton*, 4> tapeButtons{}; // cmdTapeBack, cmdTapeNext, cmdTapeStop, cmdTapeSet
    QPushButton* Command4 = nullptr;          // "設定..."
    QPushButton* Command8 = nullptr;          // "ﾊﾞｰｼﾞｮﾝ"
    QPushButton* Check4 = nullptr;            // ">>" / "<<" preview toggle
    QLabel* Label4 = nullptr;
    QLabel* picSeirikenPrev = nullptr;
    QComboBox* Combo1 = nullptr;

    bool KeyInKeitou = false;

    // Start-up of the panel: the board's caption and the key shapes.
    void Form_Load();

    void CommandButton1_Click(int Index);
    void List2_Click(int Index);
    void List3_Click(int Index);
    void Command1_Click(int Index);
    void Command2_Click(int Index);
    void Check1_Click();
    void HScroll1_Change(int Index);
    void Check4_Click();
    void Frame1_DblClick(int Index);
    void Command8_Click();
    // The backlight state now selected: 0 OFF, 1 ON1, 2 ON2.
    int backlightIndex() const;

    // Puts row `Index` of the fare table on the board.
    void DispData(qint16 Index);

    void GetCtrlDataInfo(PanelSnapshot& info) const;
    void SetCtrlDataInfo(const PanelSnapshot& info);

    // Which entry face was last sent to the back (0 or 1).
    qint16 frameIndex() const { return m_frameIndex; }

    // What quitting does once confirmed (writing the settings file among it). The start-up
    // wires it; tests replace it so that nothing is written beside the executable.
    std::function<void()> onQuitConfirmed;
    // Asks the close question; tests replace it. Returns true for Yes.
    std::function<bool()> askQuit;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildDataButtons();
    void buildFrame6();
    void buildBacklight();
    void buildAnnouncements();
    void buildCommands();
    void buildPreview();
    void setWidthTwips(int twips);

    Settings& m_settings;
    Form1& m_board;
    qint16 m_frameIndex = 0;
};
