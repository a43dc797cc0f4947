#include "app/options/SoundPage.h"

#include "app/options/OptionContext.h"
#include "app/options/OptionWidgets.h"
#include "platform/ChoiceButton.h"
#include "settings/OptionLists.h"
#include "settings/SettingField.h"
#include "sound/MidiSynth.h"
#include "sound/mdlSndAPI.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace OptionWidgets;

namespace {

const QString SoundFilter = QStringLiteral("Waveサウンド(*.wav)") + QChar(u'\0') +
                            QStringLiteral("*.wav") + QChar(u'\0') +
                            QStringLiteral("MIDIサウンド(*.mid)") + QChar(u'\0') +
                            QStringLiteral("*.mid") + QChar(u'\0') + QChar(u'\0');

const QString Always = QStringLiteral("常に右記のサウンドを鳴らす");
const QString Cases[3] = {QStringLiteral("「1」の場合"), QStringLiteral("「2」の場合"),
                          QStringLiteral("「3」の場合")};

// The settings of the eleven sound boxes, by box index.
const char* const SoundSettings[11] = {"SoundKeitouSet", "SoundReset", nullptr,     "SoundPreFile",
                                       "SoundPre1",      "SoundPre2",  "SoundPre3", "SoundMoveFile",
                                       "SoundMove1",     "SoundMove2", "SoundMove3"};

// A "再生方法" frame of two radio buttons, `radioName`(0) synchronous and (1) asynchronous;
// `then` names what follows the sound ("運賃切り替え", "放送開始").
QGroupBox* playMethodFrame(QWidget* parent, const QString& name, const char* radioName,
                           std::array<QRadioButton*, 2>& radios, const QString& then) {
    QGroupBox* box = frame(parent, name, QStringLiteral("再生方法"));
    auto* play = new QVBoxLayout(box);
    radios[0] = radio(box, indexed(radioName, 0),
                      QStringLiteral("同期再生(サウンドが完全に再生された後で%1)").arg(then));
    radios[1] = radio(box, indexed(radioName, 1),
                      QStringLiteral("非同期再生(サウンドを再生しながら%1)").arg(then));
    play->addWidget(radios[0]);
    play->addWidget(radios[1]);
    return box;
}

} // namespace

SoundPage::SoundPage(OptionContext& context, QWidget* parent)
    : QGroupBox(
          QStringLiteral("サウンド（鳴らさなくてもいい項目にはファイル名を入れないで下さい）"),
          parent),
      m_context(context) {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    Label1[0] = label(this, indexed("Label1", 0), QStringLiteral("系統設定時のサウンド："));
    Label1[1] = label(this, indexed("Label1", 1), QStringLiteral("リセット時のサウンド："));
    addSoundRow(top, 0, 0, Label1[0]);
    addSoundRow(top, 1, 1, Label1[1]);
    layout->addLayout(top);

    auto* switcher = new QHBoxLayout;
    Option5[0] = radio(this, indexed("Option5", 0), QStringLiteral("放送前のサウンド..."));
    Option5[1] = radio(this, indexed("Option5", 1), QStringLiteral("送り・戻し時のサウンド..."));
    switcher->addWidget(Option5[0]);
    switcher->addWidget(Option5[1]);
    switcher->addStretch(1);
    layout->addLayout(switcher);

    subPages = new QStackedWidget(this);
    subPages->setObjectName(QStringLiteral("subPages"));
    buildPreSounds();
    buildMoveSounds();
    subPages->addWidget(Frame2[0]);
    subPages->addWidget(Frame2[1]);
    layout->addWidget(subPages, 1);
    for (int i = 0; i < 2; ++i)
        ChoiceButton::onChosen(Option5[size_t(i)], this, [this, i] { Option5_Click(i); });
    Option5[1]->setChecked(true);
    Option5_Click(1);

    SettingBinder& b = context.binder;
    for (int k = 0; k < 11; ++k)
        if (SoundSettings[k]) b.bind(txtSelectSound[size_t(k)], SoundSettings[k]);
    // A MIDI tune chosen here (or loaded into the box) loads the SoundFont in the background,
    // so that it is ready when the tune first plays.
    for (QLineEdit* box : txtSelectSound)
        if (box)
            connect(box, &QLineEdit::textChanged, this, [](const QString& path) {
                if (mdlSndAPI::IsMidiFile(path)) MidiSynth::preloadFont();
            });
    b.bind(Option2[0], "SoundMoveAlways");
    b.bind(Option2[1], "SoundMoveByColumn");
    b.bind(Option6[0], "SoundMoveSync");
    b.bind(Option6[1], "SoundMoveAsync");
    b.bind(Combo1, "SoundMoveColumn");
    b.bind(Option2[2], "SoundPreAlways");
    b.bind(Option2[3], "SoundPreByFlag");
    b.bind(Option7[0], "SoundPreSync");
    b.bind(Option7[1], "SoundPreAsync");
}

void SoundPage::addSoundRow(QGridLayout* grid, int row, int index, QLabel* caption, int column) {
    QWidget* parent = grid->parentWidget() ? grid->parentWidget() : this;
    const size_t k = size_t(index);
    const QString name = caption ? caption->text() : QString();
    txtSelectSound[k] = pathBox(parent, indexed("txtSelectSound", index), name);
    cmdSelectSound[k] =
        button(parent, indexed("cmdSelectSound", index), QStringLiteral("..."), name);
    cmdSelectSound[k]->setFixedWidth(32);
    connect(cmdSelectSound[k], &QPushButton::clicked, this,
            [this, index] { cmdSelectSound_Click(index); });
    if (caption) {
        caption->setBuddy(txtSelectSound[k]);
        grid->addWidget(caption, row, column);
    }
    grid->addWidget(txtSelectSound[k], row, column + 1);
    grid->addWidget(cmdSelectSound[k], row, column + 2);
}

void SoundPage::buildMoveSounds() {
    QGroupBox* f = Frame2[1] =
        frame(this, indexed("Frame2", 1), QStringLiteral("送り・戻し時のサウンド"));
    auto* grid = new QGridLayout(f);
    Option2[0] = radio(f, indexed("Option2", 0), Always);
    grid->addWidget(Option2[0], 0, 0);
    addSoundRow(grid, 0, 7, nullptr);
    txtSelectSound[7]->setAccessibleName(Always);
    Option2[1] = wrapRadio(f, indexed("Option2", 1),
                           QStringLiteral("運賃データ(*.hy3)の特定の列のデータから判断して、以下の"
                                          "指定したサウンドを鳴らす（指定した列のデータの内容が1～3"
                                          "以外の場合はサウンドは鳴りません）"));
    grid->addWidget(Option2[1], 1, 0, 1, 3);

    // "運賃データの" [column] "列目のデータが、"
    auto* column = new QHBoxLayout;
    Label1[2] = label(f, indexed("Label1", 2), QStringLiteral("運賃データの"));
    Combo1 = list(f, QStringLiteral("Combo1"), QStringLiteral("運賃データの列目"),
                  OptionLists::numbers(OptionLists::FareColumnCount));
    Combo1->setCurrentIndex(0);
    Label1[2]->setBuddy(Combo1);
    column->addWidget(Label1[2]);
    column->addWidget(Combo1);
    column->addWidget(
        label(f, QStringLiteral("lblColumnSuffix"), QStringLiteral("列目のデータが、")));
    column->addStretch(1);
    grid->addLayout(column, 2, 0, 1, 3);
    for (int i = 0; i < 3; ++i) {
        Label1[size_t(3 + i)] = label(f, indexed("Label1", 3 + i), Cases[i]);
        addSoundRow(grid, 3 + i, 8 + i, Label1[size_t(3 + i)]);
    }

    Frame8 = playMethodFrame(f, QStringLiteral("Frame8"), "Option6", Option6,
                             QStringLiteral("運賃切り替え"));
    grid->addWidget(Frame8, 6, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(7, 1);
}

void SoundPage::buildPreSounds() {
    QGroupBox* f = Frame2[0] = frame(
        this, indexed("Frame2", 0),
        QStringLiteral("放送前のサウンド：※音声合成放送機能が有効でない場合は以下の設定は意味を"
                       "持ちません。"));
    auto* grid = new QGridLayout(f);
    Option2[2] = radio(f, indexed("Option2", 2), Always);
    grid->addWidget(Option2[2], 0, 0);
    addSoundRow(grid, 0, 3, nullptr);
    txtSelectSound[3]->setAccessibleName(Always);
    Option2[3] = wrapRadio(f, indexed("Option2", 3),
                           QStringLiteral("放送データ(*.Tp.csv)内のフラグから判断して、以下の指定し"
                                          "たサウンドを鳴らす（フラグの内容が1～3以外の場合はサウン"
                                          "ドは鳴りません）"));
    grid->addWidget(Option2[3], 1, 0, 1, 3);
    for (int i = 0; i < 3; ++i) {
        Label1[size_t(9 + i)] = label(f, indexed("Label1", 9 + i), Cases[i]);
        addSoundRow(grid, 2 + i, 4 + i, Label1[size_t(9 + i)]);
    }

    Frame9 = playMethodFrame(f, QStringLiteral("Frame9"), "Option7", Option7,
                             QStringLiteral("放送開始"));
    grid->addWidget(Frame9, 5, 0, 1, 3);
    Label1[7] =
        note(f, indexed("Label1", 7),
             QStringLiteral("「放送前のサウンド」再生時は、停名のスクロールが停止することがあ"
                            "りますので、あらかじめご了承ください。"));
    grid->addWidget(Label1[7], 6, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(7, 1);
}

void SoundPage::cmdSelectSound_Click(int Index) {
    const QString file = m_context.pickFile(SoundFilter, QStringLiteral("サウンドの選択"));
    if (!file.isEmpty()) txtSelectSound[size_t(Index)]->setText(file);
}

bool SoundPage::choosesMidi(const Settings& settings) {
    for (const char* name : SoundSettings) {
        const SettingField* field = name ? SettingFields::find(QLatin1String(name)) : nullptr;
        if (field && field->text && mdlSndAPI::IsMidiFile(settings.*(field->text))) return true;
    }
    return false;
}

void SoundPage::Option5_Click(int Index) {
    subPages->setCurrentWidget(Frame2[size_t(Index)]);
}
