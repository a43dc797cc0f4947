#include "panel/frmCtl.h"

#include "faredata/FareDisplay.h"
#include "faredata/KeypadRules.h"
#include "faredata/MoveSound.h"
#include "faredata/RouteLoad.h"
#include "panel/BacklightFrame.h"
#include "panel/BoardControl.h"
#include "panel/DataButtons.h"
#include "panel/DialFace.h"
#include "panel/GtfsImportDialog.h"
#include "panel/KeypadFace.h"
#include "panel/LateNightFrame.h"
#include "panel/PanelHost.h"
#include "panel/PanelKeyboard.h"
#include "panel/PanelWidgets.h"
#include "panel/PreviewArea.h"
#include "panel/TapeGroup.h"
#include "panel/VersionBox.h"
#include "platform/Fonts.h"
#include "platform/TopLevelWindow.h"
#include "platform/core/AppInfo.h"
#include "platform/core/HeldWait.h"
#include "platform/core/K41Error.h"
#include "platform/core/Twips.h"
#include "settings/Settings.h"
#include "sound/mdlSndAPI.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr int ClientWidth = 5295; // twips, preview closed
constexpr int ClientHeight = 2595;
constexpr int FrameAllowance = 90; // the window frame's share of the designed outer widths
constexpr int ClosedWidth = 5385;  // outer width, preview closed
constexpr int OpenWidth = 9000;    // outer width, preview open

} // namespace

frmCtl::frmCtl(Settings& settings, BoardControl& board, PanelHost& host, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_board(board), m_host(host),
      m_lampTestMs(RouteLoad::LampTestMs) {
    setObjectName(QStringLiteral("frmCtl"));
    TopLevelWindow::presentAsWindow(this);
    TopLevelWindow::useFixedDialogFrame(this);
    endProgram = [] { QCoreApplication::exit(0); };
    setWindowTitle(QStringLiteral("集中操作盤"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));
    setFont(Fonts::font(Fonts::PGothic, 9));

    // The keypad face lies on top at a first start; the dial face is filled in by dials().
    dialFace = new DialFace(this);
    keypadFace = new KeypadFace(this);
    const QRect faceRect = Twips::toPixels(0, 0, 2055, ClientHeight);
    dialFace->setGeometry(faceRect);
    keypadFace->setGeometry(faceRect);
    Frame1 = {dialFace, keypadFace};
    Command1[1] = keypadFace->Command1;

    for (int i = 0; i < 12; ++i)
        connect(keypadFace->CommandButton1[size_t(i)], &QPushButton::clicked, this,
                [this, i] { CommandButton1_Click(i); });
    connect(Command1[1], &QPushButton::clicked, this, [this] { Command1_Click(1); });
    connect(dialFace, &DialFace::doubleClicked, this, [this] { Frame1_DblClick(0); });
    connect(keypadFace, &KeypadFace::doubleClicked, this, [this] { Frame1_DblClick(1); });

    dataButtons = new DataButtons(this);
    Command2 = dataButtons->Command2;
    Check1 = dataButtons->Check1;
    connect(dataButtons, &DataButtons::stepClicked, this, [this](int i) { Command2_Click(i); });
    connect(dataButtons, &DataButtons::clearToggled, this, [this] { Check1_Click(); });

    lateNightFrame = new LateNightFrame(this);
    Frame6 = lateNightFrame;
    Check2 = lateNightFrame->Check2;
    HScroll1 = lateNightFrame->HScroll1;
    Label1 = lateNightFrame->Label1;
    Label3 = lateNightFrame->Label3;
    connect(lateNightFrame, &LateNightFrame::scrollChanged, this,
            [this](int i) { HScroll1_Change(i); });

    backlightFrame = new BacklightFrame(this, m_settings, m_board);
    Frame2 = backlightFrame;
    Option4 = backlightFrame->Option4;

    tapeGroup = new TapeGroup(m_settings, m_host, this);
    grpM_Tape = tapeGroup;
    tapeButtons = tapeGroup->tapeButtons;
    connect(tapeGroup, &TapeGroup::dataStep, this, [this](int i) { Command2_Click(i); });

    buildCommands();
    GtfsImportDialog::addTo(this, m_settings);

    previewArea = new PreviewArea(this);
    Label4 = previewArea->Label4;
    picSeirikenPrev = previewArea->picSeirikenPrev;
    Combo1 = previewArea->Combo1;

    giveOwnFont(*this);

    keyboard = new PanelKeyboard(*this);
    Frame1_DblClick(0);
    // The stop-name line scrolls as the bars show from the start, not at its own defaults.
    HScroll1_Change(0);
}

frmCtl::~frmCtl() = default;

void frmCtl::giveOwnFont(QWidget& under) {
    // Qt does not hand the panel's font down through a frame that has a style sheet: the
    // controls inside it would draw in the application's font. Each control without a font of
    // its own is given the panel's.
    for (QWidget* w : under.findChildren<QWidget*>())
        if (!w->testAttribute(Qt::WA_SetFont)) w->setFont(font());
}

DialFace& frmCtl::dials() {
    if (!dialFace->build()) return *dialFace;
    giveOwnFont(*dialFace);
    Command1[0] = dialFace->Command1;
    for (int i = 0; i < 5; ++i)
        connect(dialFace->List2[size_t(i)], &QListWidget::itemSelectionChanged, this,
                [this, i] { List2_Click(i); });
    for (int i = 0; i < 3; ++i)
        connect(dialFace->List3[size_t(i)], &QListWidget::itemSelectionChanged, this,
                [this, i] { List3_Click(i); });
    connect(Command1[0], &QPushButton::clicked, this, [this] { Command1_Click(0); });
    keyboard->showKeysInTooltips();
    return *dialFace;
}

void frmCtl::buildCommands() {
    Command4 = PanelWidgets::makeButton(this, QStringLiteral("Command4"), QStringLiteral("設定..."),
                                        QRect(3450, 2250, 840, 300));
    Command8 = PanelWidgets::makeButton(this, QStringLiteral("Command8"), QStringLiteral("ﾊﾞｰｼﾞｮﾝ"),
                                        QRect(4290, 2250, 870, 300));
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
    Check4 = PanelWidgets::makeButton(this, QStringLiteral("Check4"), QStringLiteral(">>"),
                                      QRect(4935, 45, 330, 300));
    Check4->setCheckable(true);
    Check4->setToolTip(QStringLiteral("整理券プレビューを開きます"));
    Check4->raise();
    connect(Check4, &QPushButton::toggled, this, [this] { Check4_Click(); });
}

void frmCtl::Form_Load() {
    m_board.setBoardCaption(QStringLiteral("料金案内盤アプリケーション - 型番:") +
                            AppInfo::exeName());
    keypadFace->shapeKeys();
    tapeGroup->tape().TapeInit();
}

void frmCtl::loadVoice() {
    tapeGroup->tape().TapeLoadVoice();
}

void frmCtl::CommandButton1_Click(int Index) {
    mdlSndAPI::SndPlay(m_settings.SoundReset, QStringLiteral("S1"), 0, 0);
    QString route = keypadFace->Label2[0]->text();
    QString section = keypadFace->Label2[2]->text();
    KeypadRules::press(Index, KeyInKeitou, route, section);
    keypadFace->Label2[0]->setText(route);
    keypadFace->Label2[2]->setText(section);
}

// The route dials play the reset sound and the section dials the route-setting sound.
void frmCtl::List2_Click(int) {
    mdlSndAPI::SndPlay(m_settings.SoundReset, QStringLiteral("S1"), 0, 0);
}
void frmCtl::List3_Click(int) {
    mdlSndAPI::SndPlay(m_settings.SoundKeitouSet, QStringLiteral("S1"), 0, 0);
}

void frmCtl::HScroll1_Change(int Index) {
    Label1[size_t(Index)]->setText(QString::number(HScroll1[size_t(Index)]->value()));
    m_board.setStopNameScroll(qint16(HScroll1[0]->value()), HScroll1[1]->value());
}

void frmCtl::setWidthTwips(int outerTwips) {
    setFixedSize(Twips::toPixels(outerTwips - FrameAllowance), Twips::toPixels(ClientHeight));
}

void frmCtl::Check4_Click() {
    if (Check4->isChecked()) {
        setWidthTwips(OpenWidth);
        previewArea->setOpen(true);
        Check4->setText(QStringLiteral("<<"));
        Check4->setToolTip(QStringLiteral("整理券プレビューを隠します"));
    } else {
        setWidthTwips(ClosedWidth);
        previewArea->setOpen(false);
        Check4->setText(QStringLiteral(">>"));
        Check4->setToolTip(QStringLiteral("整理券プレビューを開きます"));
    }
    Check4->setAccessibleName(Check4->text());
}

void frmCtl::Frame1_DblClick(int Index) {
    if (Index != 0 && Index != 1) return;
    if (Index == 1) dials(); // about to show
    m_frameIndex = qint16(Index);
    Frame1[size_t(Index)]->lower();
    Frame1[size_t(Index)]->hide();
    Frame1[size_t(1 - Index)]->show();
    keyboard->orderTabs();
}

bool frmCtl::keyRefusedNow(int key, Qt::KeyboardModifiers modifiers) const {
    return keyboard->refusedNow(key, modifiers);
}

void frmCtl::Command4_Click() {
    m_board.setBoardEnabled(false);
    setEnabled(false);
    m_host.showOptions();
    m_board.setBoardEnabled(true);
    setEnabled(true);
    setChimei(QString());
    setChimei(m_table.row(m_state.CurStop + 1).StopName);
}

void frmCtl::Command8_Click() {
    m_board.setBoardEnabled(false);
    VersionBox::show(this);
    m_board.setBoardEnabled(true);
}

void frmCtl::GetCtrlDataInfo(CtrlDataInfo& info) const {
    const QPoint at = m_position.twips(*this);
    info.PanelLeft = at.x();
    info.PanelTop = at.y();
    info.ScrollSpeed = HScroll1[0]->value();
    info.ScrollInterval = HScroll1[1]->value();
    info.FrameIndex = m_frameIndex;
    info.PreviewOpen = Check4->isChecked() ? 1 : 0;
    info.LateNight = Check2->isChecked() ? 1 : 0;
}

void frmCtl::SetCtrlDataInfo(const CtrlDataInfo& info) {
    m_position.restore(*this, QPoint(info.PanelLeft, info.PanelTop));
    // A stored slider value outside the bar's range is clamped instead of failing the load.
    HScroll1[0]->setValue(
        std::clamp<qint32>(info.ScrollSpeed, HScroll1[0]->minimum(), HScroll1[0]->maximum()));
    HScroll1[1]->setValue(
        std::clamp<qint32>(info.ScrollInterval, HScroll1[1]->minimum(), HScroll1[1]->maximum()));
    m_frameIndex = info.FrameIndex;
    Check4->setChecked(info.PreviewOpen != 0);
    Check2->setChecked(info.LateNight != 0);
    Frame1_DblClick(info.FrameIndex);
    // A restored value equal to the bar's own raises no change: send both values anyway.
    HScroll1_Change(0);
    HScroll1_Change(1);
}

void frmCtl::closeEvent(QCloseEvent* event) {
    event->ignore();
    // A close asked for during a held wait is answered once the wait is over.
    if (HeldWait::active()) {
        HeldWait::afterWait([panel = QPointer<frmCtl>(this)] {
            if (panel) panel->close();
        });
        return;
    }
    const bool yes = askQuit
                         ? askQuit()
                         : QMessageBox::question(this, QStringLiteral("料金案内盤アプリの終了確認"),
                                                 QStringLiteral("料金案内盤アプリを終了しますか？"),
                                                 QMessageBox::Yes | QMessageBox::No,
                                                 QMessageBox::Yes) == QMessageBox::Yes;
    if (!yes) return;
    m_board.showStopName(QString());
    m_board.DeleteRgn();
    mdlSndAPI::SndCloseAll();
    tapeGroup->tape().TapeRelease();
    m_host.quitConfirmed();
    if (endProgram) endProgram();
}

void frmCtl::Command1_Click(int Index) {
    const QString route = Index == 0 ? dialFace->routeText() : keypadFace->Label2[0]->text();
    const QString section = Index == 0 ? dialFace->sectionText() : keypadFace->Label2[2]->text();
    RouteLoad(m_table, m_state, *this, m_lampTestMs).Command1_Click(Index, route, section);
}

void frmCtl::Command2_Click(int Index) {
    const bool moved = Index == 0 ? m_state.stepBack() : m_state.stepForward();
    if (!moved) return;
    const QString sound = MoveSound::choose(m_settings, m_table.row(m_state.CurStop + 1));
    if (!sound.isEmpty())
        mdlSndAPI::SndPlay(sound, QStringLiteral("S2"), m_settings.SoundMoveSync ? -1 : 0, 0);
    DispData(qint16(m_state.CurStop + 1));
}

void frmCtl::Check1_Click() {
    if (Check1->isChecked()) {
        setChimei(QString());
        m_board.clearDisplay();
        for (QWidget* face : Frame1)
            face->setEnabled(false);
        dataButtons->setSteppingEnabled(false);
        tapeGroup->tape().displayCleared(true);
        Frame6->setEnabled(false);
    } else {
        for (QWidget* face : Frame1)
            face->setEnabled(true);
        dataButtons->setSteppingEnabled(true);
        Frame6->setEnabled(true);
        m_board.resumeClock();
        tapeGroup->tape().displayCleared(false);
        DispData(qint16(m_state.CurStop + 1));
    }
}

void frmCtl::DispData(qint16 Index) {
    // A failure here has no caller to report it (stepping, the display clear): show it
    // instead of ending the program.
    try {
        FareDisplay(m_table, m_state, *this).DispData(Index);
    } catch (const std::exception& failure) {
        showMessage(K41Error::from(failure).description());
    }
}

const Settings& frmCtl::settings() const {
    return m_settings;
}

void frmCtl::playSound(const QString& path, const QString& channel, qint16 sync) {
    mdlSndAPI::SndPlay(path, channel, sync, 0);
}

void frmCtl::loadBroadcastData(const QString& folder, const QString& route) {
    tapeGroup->tape().TapeLoad(folder, route);
}

qint16 frmCtl::tsugiwaMode() const {
    return m_board.tsugiwaMode();
}
void frmCtl::setTsugiwaMode(qint16 mode) {
    m_board.setTsugiwaMode(mode);
}
void frmCtl::setChimei(const QString& text) {
    m_board.showStopName(text);
}

void frmCtl::resetDegit(int index, bool lit) {
    m_board.lampTest(index, lit);
}
void frmCtl::setDegitValue(int index, const QVariant& value) {
    m_board.showFare(index, value);
}

void frmCtl::holdLampTest(int ms) {
    m_board.repaintBoard();
    HeldWait::forMs(ms);
}

void frmCtl::enableDataButtons() {
    dataButtons->setSteppingEnabled(true);
    Check1->setEnabled(true);
}

void frmCtl::showMessage(const QString& text) {
    if (showMessageBox) {
        showMessageBox(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, AppInfo::exeName(), text, QMessageBox::Ok, this);
    box.exec();
}

QDate frmCtl::currentDate() const {
    return QDate::currentDate();
}
bool frmCtl::lateNightFare() const {
    return Check2->isChecked();
}
QDateTime frmCtl::currentDateTime() const {
    return QDateTime::currentDateTime();
}

void frmCtl::clearSeirikenPreview() {
    previewArea->clear();
}
void frmCtl::drawSeirikenPreview(const SeirikenTicket& ticket) {
    previewArea->draw(m_settings.SeiriPlgFile, ticket);
}
