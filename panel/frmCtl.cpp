#include "panel/frmCtl.h"

#include "app/Form1.h"
#include "controls/digit/M_Degit.h"
#include "controls/stopname/ChimeiCtl_DX.h"
#include "panel/DialFace.h"
#include "panel/FareDisplay.h"
#include "panel/KeypadFace.h"
#include "panel/KeypadRules.h"
#include "panel/MoveSound.h"
#include "panel/RouteLoad.h"
#include "platform/AppInfo.h"
#include "platform/Fonts.h"
#include "platform/HeldWait.h"
#include "platform/K41Error.h"
#include "platform/Twips.h"
#include "platform/ZKP4Res.h"
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

constexpr int kClientWidth = 5295; // twips, preview closed
constexpr int kClientHeight = 2595;
constexpr int kFrameAllowance = 90; // the window frame's share of the designed outer widths
constexpr int kClosedWidth = 5385;  // outer width, preview closed
constexpr int kOpenWidth = 9000;    // outer width, preview open

const QString kGroupStyle =
    QStringLiteral("QGroupBox { color: white; border: 1px solid #808080; margin-top: 6px; }"
                   "QGroupBox::title { subcontrol-origin: margin; left: 4px; padding: 0 2px; }");

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text,
                        const QRect& twips) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAccessibleName(text);
    b->setGeometry(Twips::toPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    return b;
}

} // namespace

ChimeiCtl_DX* frmCtl::stopName() const {
    return m_board.ChimeiCtl;
}

frmCtl::frmCtl(Settings& settings, Form1& board, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_settings(settings), m_board(board) {
    setObjectName(QStringLiteral("frmCtl"));
    endProgram = [] { QCoreApplication::exit(0); };
    setWindowTitle(QStringLiteral("集中操作盤"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setFixedSize(Twips::toPixels(kClientWidth), Twips::toPixels(kClientHeight));
    setFont(Fonts::font(Fonts::PGothic, 9));

    // The keypad face lies on top at a first start.
    dialFace = new DialFace(this);
    keypadFace = new KeypadFace(this);
    const QRect faceRect = Twips::toPixels(0, 0, 2055, kClientHeight);
    dialFace->setGeometry(faceRect);
    keypadFace->setGeometry(faceRect);
    Frame1 = {dialFace, keypadFace};
    Command1 = {dialFace->Command1, keypadFace->Command1};

    for (int i = 0; i < 12; ++i)
        connect(keypadFace->CommandButton1[size_t(i)], &QPushButton::clicked, this,
                [this, i] { CommandButton1_Click(i); });
    for (int i = 0; i < 5; ++i)
        connect(dialFace->List2[size_t(i)], &QListWidget::itemSelectionChanged, this,
                [this, i] { List2_Click(i); });
    for (int i = 0; i < 3; ++i)
        connect(dialFace->List3[size_t(i)], &QListWidget::itemSelectionChanged, this,
                [this, i] { List3_Click(i); });
    for (int i = 0; i < 2; ++i)
        connect(Command1[size_t(i)], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    connect(dialFace, &DialFace::doubleClicked, this, [this] { Frame1_DblClick(0); });
    connect(keypadFace, &KeypadFace::doubleClicked, this, [this] { Frame1_DblClick(1); });

    buildDataButtons();
    buildFrame6();
    buildBacklight();
    buildAnnouncements();
    buildCommands();
    buildPreview();
}

frmCtl::~frmCtl() = default;

void frmCtl::buildDataButtons() {
    // Forward on top, where the driver's hand rests; back below it.
    Command2[1] = makeButton(this, QStringLiteral("Command2(1)"), QStringLiteral("データ送り"),
                             QRect(2085, 60, 1290, 375));
    Command2[0] = makeButton(this, QStringLiteral("Command2(0)"), QStringLiteral("データ戻し"),
                             QRect(2085, 465, 1290, 375));
    for (int i = 0; i < 2; ++i) {
        Command2[size_t(i)]->setEnabled(false);
        connect(Command2[size_t(i)], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
    }
    Check1 = makeButton(this, QStringLiteral("Check1"), QStringLiteral("表示消去"),
                        QRect(2085, 870, 1290, 345));
    Check1->setCheckable(true);
    Check1->setEnabled(false);
    Check1->setStyleSheet(
        QStringLiteral("QPushButton:checked { background: #505050; color: white; }"));
    connect(Check1, &QPushButton::toggled, this, [this] { Check1_Click(); });
}

void frmCtl::buildFrame6() {
    Frame6 = new QGroupBox(this);
    Frame6->setObjectName(QStringLiteral("Frame6"));
    Frame6->setStyleSheet(kGroupStyle);
    Frame6->setGeometry(Twips::toPixels(3465, 825, 1695, 1365));

    Check2 = new QCheckBox(QStringLiteral("深夜料金"), Frame6);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setAccessibleName(Check2->text());
    Check2->setStyleSheet(QStringLiteral("color: white;"));
    Check2->setGeometry(Twips::toPixels(90, 60, 1500, 270));

    const QString captions[2] = {QStringLiteral("ｽｸﾛｰﾙ速度"), QStringLiteral("ｽｸﾛｰﾙ間隔")};
    const int maxima[2] = {2000, 3000};
    const int starts[2] = {1, 0};
    for (int i = 0; i < 2; ++i) {
        const int top = 360 + i * 495;
        auto* caption = new QLabel(captions[i], Frame6);
        caption->setObjectName(QStringLiteral("Label3(%1)").arg(i));
        caption->setStyleSheet(QStringLiteral("color: white;"));
        caption->setGeometry(Twips::toPixels(90, top, 1000, 225));
        Label3[size_t(i)] = caption;

        auto* number = new QLabel(QString::number(starts[i]), Frame6);
        number->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        number->setStyleSheet(QStringLiteral("color: white;"));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setGeometry(Twips::toPixels(1050, top, 540, 225));
        Label1[size_t(i)] = number;

        auto* bar = new QScrollBar(Qt::Horizontal, Frame6);
        bar->setObjectName(QStringLiteral("HScroll1(%1)").arg(i));
        bar->setAccessibleName(captions[i]);
        bar->setRange(0, maxima[i]);
        bar->setValue(starts[i]);
        bar->setSingleStep(1);
        bar->setPageStep(maxima[i] / 20);
        bar->setGeometry(Twips::toPixels(90, top + 225, 1500, 240));
        connect(bar, &QScrollBar::valueChanged, this, [this, i] { HScroll1_Change(i); });
        HScroll1[size_t(i)] = bar;
    }
}

void frmCtl::buildBacklight() {
    Frame2 = new QGroupBox(QStringLiteral("バックライト"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setStyleSheet(kGroupStyle);
    Frame2->setGeometry(Twips::toPixels(3465, 60, 1695, 720));
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    const QString captions[3] = {QStringLiteral("OFF"), QStringLiteral("ON1"),
                                 QStringLiteral("ON2")};
    const QString colours[3] = {QStringLiteral("black"), QStringLiteral("red"),
                                QStringLiteral("blue")};
    const int lefts[3] = {75, 615, 1140};
    for (int i = 0; i < 3; ++i) {
        auto* b = makeButton(Frame2, QStringLiteral("Option4(%1)").arg(i), captions[i],
                             QRect(lefts[i], 330, 510, 330));
        b->setCheckable(true);
        b->setStyleSheet(QStringLiteral("QPushButton { color: %1; }").arg(colours[i]));
        group->addButton(b, i);
        Option4[size_t(i)] = b;
    }
    Option4[0]->setChecked(true);
}

void frmCtl::buildAnnouncements() {
    grpM_Tape = new QGroupBox(QStringLiteral("音合使用不可"), this);
    grpM_Tape->setObjectName(QStringLiteral("grpM_Tape"));
    grpM_Tape->setStyleSheet(QStringLiteral(
        "QGroupBox { background: rgb(150,150,150); color: yellow; border: 1px solid #808080; "
        "margin-top: 6px; } QGroupBox::title { subcontrol-origin: margin; left: 4px; }"));
    grpM_Tape->setGeometry(Twips::toPixels(2085, 1260, 1290, 1275));
    const struct {
        const char* name;
        const char* text;
        QRect place;
        bool green;
    } buttons[4] = {{"cmdTapeBack", "戻し", QRect(75, 225, 585, 690), true},
                    {"cmdTapeNext", "送り", QRect(660, 225, 570, 690), true},
                    {"cmdTapeStop", "■", QRect(75, 930, 585, 300), false},
                    {"cmdTapeSet", "調整", QRect(660, 930, 570, 300), false}};
    for (int i = 0; i < 4; ++i) {
        auto* b = makeButton(grpM_Tape, QString::fromLatin1(buttons[i].name),
                             QString::fromUtf8(buttons[i].text), buttons[i].place);
        if (buttons[i].green)
            b->setStyleSheet(QStringLiteral("QPushButton { background: rgb(0,192,0); }"));
        b->setEnabled(false);
        tapeButtons[size_t(i)] = b;
    }
    grpM_Tape->setEnabled(false);
}

void frmCtl::buildCommands() {
    Command4 = makeButton(this, QStringLiteral("Command4"), QStringLiteral("設定..."),
                          QRect(3450, 2250, 840, 300));
    Command8 = makeButton(this, QStringLiteral("Command8"), QStringLiteral("ﾊﾞｰｼﾞｮﾝ"),
                          QRect(4290, 2250, 870, 300));
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
    Check4 =
        makeButton(this, QStringLiteral("Check4"), QStringLiteral(">>"), QRect(4935, 45, 330, 300));
    Check4->setCheckable(true);
    Check4->setToolTip(QStringLiteral("整理券プレビューを開きます"));
    Check4->raise();
    connect(Check4, &QPushButton::toggled, this, [this] { Check4_Click(); });
}

void frmCtl::buildPreview() {
    Label4 = new QLabel(QStringLiteral("整理券プレビュー"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setStyleSheet(QStringLiteral("color: white;"));
    Label4->setGeometry(Twips::toPixels(5370, 135, 2400, 240));
    picSeirikenPrev = new QLabel(this);
    picSeirikenPrev->setObjectName(QStringLiteral("picSeirikenPrev"));
    picSeirikenPrev->setStyleSheet(QStringLiteral("background: white;"));
    picSeirikenPrev->setGeometry(Twips::toPixels(5415, 390, 3300, 1395));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(Twips::toPixels(5430, 2160, 3000, 300));
}

void frmCtl::Form_Load() {
    m_board.setWindowTitle(QStringLiteral("料金案内盤アプリケーション - 型番:") +
                           AppInfo::exeBaseName());
    keypadFace->shapeKeys();
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
    stopName()->setSpeed(qint16(HScroll1[0]->value()));
    stopName()->setScrollStartWait(HScroll1[1]->value());
}

void frmCtl::setWidthTwips(int outerTwips) {
    setFixedSize(Twips::toPixels(outerTwips - kFrameAllowance), Twips::toPixels(kClientHeight));
}

void frmCtl::Check4_Click() {
    if (Check4->isChecked()) {
        setWidthTwips(kOpenWidth);
        Check4->setText(QStringLiteral("<<"));
        Check4->setToolTip(QStringLiteral("整理券プレビューを隠します"));
    } else {
        setWidthTwips(kClosedWidth);
        Check4->setText(QStringLiteral(">>"));
        Check4->setToolTip(QStringLiteral("整理券プレビューを開きます"));
    }
    Check4->setAccessibleName(Check4->text());
}

void frmCtl::Frame1_DblClick(int Index) {
    if (Index != 0 && Index != 1) return;
    m_frameIndex = qint16(Index);
    Frame1[size_t(Index)]->lower();
}

void frmCtl::Command4_Click() {
    m_board.setEnabled(false);
    setEnabled(false);
    if (showOptions) showOptions();
    m_board.setEnabled(true);
    setEnabled(true);
    setChimei(QString());
    setChimei(m_table.row(m_state.CurStop + 1).StopName);
}

void frmCtl::Command8_Click() {
    const QString text = QStringLiteral("機種：") + AppInfo::exeBaseName() +
                         QStringLiteral("\r\n") +
                         QStringLiteral("バージョン：%1.%2.%3  ServiceRelease 1\r\n")
                             .arg(K41_VERSION_MAJOR)
                             .arg(K41_VERSION_MINOR)
                             .arg(K41_VERSION_PATCH);
    m_board.setEnabled(false);
    ZKP4Res::Call_dlg110(this, 1, text);
    m_board.setEnabled(true);
}

int frmCtl::backlightIndex() const {
    if (Option4[0]->isChecked()) return 0;
    if (Option4[1]->isChecked()) return 1;
    return 2;
}

void frmCtl::GetCtrlDataInfo(CtrlDataInfo& info) const {
    info.PanelLeft = Twips::fromPixels(x());
    info.PanelTop = Twips::fromPixels(y());
    info.ScrollSpeed = HScroll1[0]->value();
    info.ScrollInterval = HScroll1[1]->value();
    info.FrameIndex = m_frameIndex;
    info.PreviewOpen = Check4->isChecked() ? 1 : 0;
    info.LateNight = Check2->isChecked() ? 1 : 0;
}

void frmCtl::SetCtrlDataInfo(const CtrlDataInfo& info) {
    move(Twips::toPixels(info.PanelLeft), Twips::toPixels(info.PanelTop));
    // A stored slider value outside the bar's range is clamped instead of failing the load.
    HScroll1[0]->setValue(
        std::clamp<qint32>(info.ScrollSpeed, HScroll1[0]->minimum(), HScroll1[0]->maximum()));
    HScroll1[1]->setValue(
        std::clamp<qint32>(info.ScrollInterval, HScroll1[1]->minimum(), HScroll1[1]->maximum()));
    m_frameIndex = info.FrameIndex;
    Check4->setChecked(info.PreviewOpen != 0);
    Check2->setChecked(info.LateNight != 0);
    Frame1_DblClick(info.FrameIndex);
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
                                                 QMessageBox::No) == QMessageBox::Yes;
    if (!yes) return;
    stopName()->SetChimei(QString());
    m_board.DeleteRgn();
    mdlSndAPI::SndCloseAll();
    if (onQuitConfirmed) onQuitConfirmed();
    if (endProgram) endProgram();
}

void frmCtl::Command1_Click(int Index) {
    const QString route = Index == 0 ? dialFace->routeText() : keypadFace->Label2[0]->text();
    const QString section = Index == 0 ? dialFace->sectionText() : keypadFace->Label2[2]->text();
    RouteLoad(m_table, m_state, *this).Command1_Click(Index, route, section);
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
        for (int i = 1; i <= 24; ++i)
            m_board.Degit[i]->ResetDegit(0);
        m_board.Timer1->stop();
        m_board.TimeDegit[0]->setValue(QString());
        m_board.TimeDegit[1]->setValue(QString());
        for (QWidget* face : Frame1)
            face->setEnabled(false);
        for (QPushButton* b : Command2)
            b->setEnabled(false);
        grpM_Tape->setEnabled(false);
        Frame6->setEnabled(false);
    } else {
        for (QWidget* face : Frame1)
            face->setEnabled(true);
        for (QPushButton* b : Command2)
            b->setEnabled(true);
        Frame6->setEnabled(true);
        if (m_board.TimeDegit[0]->isVisibleTo(&m_board)) m_board.Timer1->start();
        grpM_Tape->setEnabled(false); // no speech engine yet: the group stays unusable
        DispData(qint16(m_state.CurStop + 1));
    }
}

void frmCtl::DispData(qint16 Index) {
    // A failure here has no caller to report it (stepping, the display clear): show it
    // instead of ending the program.
    try {
        FareDisplay(m_table, m_state, *this).DispData(Index);
    } catch (const K41Error& e) {
        showMessage(e.description());
    }
}

const Settings& frmCtl::settings() const {
    return m_settings;
}

void frmCtl::playSound(const QString& path, const QString& channel, qint16 sync) {
    mdlSndAPI::SndPlay(path, channel, sync, 0);
}

void frmCtl::loadBroadcastData(const QString&, const QString&) {
    // The announcement link has no speech engine yet; nothing to prepare.
}

qint16 frmCtl::tsugiwaMode() const {
    return stopName()->TsugiwaMode();
}
void frmCtl::setTsugiwaMode(qint16 mode) {
    stopName()->setTsugiwaMode(mode);
}
void frmCtl::setChimei(const QString& text) {
    stopName()->SetChimei(text);
}

void frmCtl::resetDegit(int index, bool lit) {
    m_board.Degit[index]->ResetDegit(lit ? -1 : 0);
}
void frmCtl::setDegitValue(int index, const QVariant& value) {
    m_board.Degit[index]->setValue(value);
}

void frmCtl::holdLampTest(int ms) {
    m_board.update();
    HeldWait::forMs(ms);
}

void frmCtl::enableDataButtons() {
    for (QPushButton* b : Command2)
        b->setEnabled(true);
    Check1->setEnabled(true);
}

void frmCtl::showMessage(const QString& text) {
    if (showMessageBox) {
        showMessageBox(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, AppInfo::exeBaseName(), text, QMessageBox::Ok, this);
    box.exec();
}

QDate frmCtl::currentDate() const {
    return QDate::currentDate();
}
void frmCtl::dispData(qint16 index) {
    FareDisplay(m_table, m_state, *this).DispData(index);
}
bool frmCtl::lateNightFare() const {
    return Check2->isChecked();
}
QDateTime frmCtl::currentDateTime() const {
    return QDateTime::currentDateTime();
}

void frmCtl::clearSeirikenPreview() {
    picSeirikenPrev->clear();
}
void frmCtl::drawSeirikenPreview(const SeirikenTicket&) {
    // Ticket plug-ins are not supported yet: the preview stays blank.
}
