#include "app/options/PanelPage.h"

#include "app/options/ColourButton.h"
#include "app/options/OptionContext.h"
#include "app/options/OptionWidgets.h"
#include "settings/OptionLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace OptionWidgets;

namespace {

const QString PictureFilter =
    QStringLiteral("ビットマップ(*.bmp)") + QChar(u'\0') + QStringLiteral("*.bmp") + QChar(u'\0') +
    QStringLiteral("GIF画像(*.gif)") + QChar(u'\0') + QStringLiteral("*.gif") + QChar(u'\0') +
    QStringLiteral("JPEG画像(*.jpg)") + QChar(u'\0') + QStringLiteral("*.jpg") + QChar(u'\0') +
    QChar(u'\0');

} // namespace

PanelPage::PanelPage(OptionContext& context, QWidget* parent)
    : QGroupBox(QStringLiteral("パネルと整理券番号表示"), parent), m_context(context) {
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    Check1 =
        checkBox(this, QStringLiteral("Check1"), QStringLiteral("整理券番号自動表示機能を使用"));
    left->addWidget(Check1);

    Frame4 = frame(this, QStringLiteral("Frame4"), QStringLiteral("本体パネル"));
    auto* panels = new QVBoxLayout(Frame4);
    Option3[0] = wrapRadio(Frame4, indexed("Option3", 0),
                           QStringLiteral("内蔵しているパネルを自動で割り当てる"));
    Option3[1] = radio(Frame4, indexed("Option3", 1), QStringLiteral("個別に設定する"));
    panels->addWidget(Option3[0]);
    panels->addWidget(Option3[1]);
    // Listed ON2, ON1, OFF: the brightest state first.
    panels->addWidget(buildPictureFrame(2, 4, 5));
    panels->addWidget(buildPictureFrame(1, 3, 2));
    panels->addWidget(buildPictureFrame(0, 7, 6));
    left->addWidget(Frame4);
    Label5 = note(this, indexed("Label5", 1),
                  QStringLiteral("※ユーザーパネルには、現在の機種に対応の画像をご使用ください。大"
                                 "きいパネルの場合、はみ出た部分（右・下）が切り取られます。逆に"
                                 "小さいパネルの場合は左上から表示され、余白部分はグレーになります"
                                 "のでご注意ください。"));
    left->addWidget(Label5);
    left->addStretch(1);

    buildNumbers();
    right->addWidget(Frame3);
    Label15 = note(this, QStringLiteral("Label15"),
                   QStringLiteral("※ユーザーパネルに直接番号をデザインしている場合には上記チェッ"
                                  "クをOFFにしてください。"));
    right->addWidget(Label15);
    right->addStretch(1);

    SettingBinder& b = context.binder;
    b.bind(Check1, "UseSeiriNumAuto");
    const char* panelSettings[8] = {"PanelAssignAuto", "PanelAssignEach", "PanelOn1User",
                                    "PanelOn1Builtin", "PanelOn2Builtin", "PanelOn2User",
                                    "PanelOffUser",    "PanelOffBuiltin"};
    for (int i = 0; i < 8; ++i)
        b.bind(Option3[size_t(i)], panelSettings[i]);
    b.bind(txtSelectPanel[0], "PanelOffFile");
    b.bind(txtSelectPanel[1], "PanelOn1File");
    b.bind(txtSelectPanel[2], "PanelOn2File");
    b.bind(Combo2, "SeiriNumStyle");
    b.bind(Check2, "SeiriNumZeroFill");
    b.bind(Command5[0], "SeiriNumColorOff");
    b.bind(Command5[1], "SeiriNumColorOn1");
    b.bind(Command5[2], "SeiriNumColorOn2");

    connect(Check1, &QCheckBox::toggled, this, &PanelPage::applyRules);
    for (QRadioButton* r : Option3)
        connect(r, &QRadioButton::toggled, this, &PanelPage::applyRules);
    applyRules();
}

QGroupBox* PanelPage::buildPictureFrame(int index, int builtin, int user) {
    const QString captions[3] = {QStringLiteral("バックライトOFF時の画像："),
                                 QStringLiteral("ON1の画像："), QStringLiteral("ON2の画像：")};
    const size_t k = size_t(index);
    QGroupBox* f = frame(this, indexed("Frame6", index), captions[index]);
    Option3[size_t(builtin)] = radio(f, indexed("Option3", builtin), QStringLiteral("内蔵"));
    Option3[size_t(user)] = radio(f, indexed("Option3", user), QStringLiteral("ユーザーパネル"));
    txtSelectPanel[k] = pathBox(f, indexed("txtSelectPanel", index), captions[index]);
    Command6[k] = button(f, indexed("Command6", index), QStringLiteral("..."), captions[index]);
    Command6[k]->setFixedWidth(32);
    connect(Command6[k], &QPushButton::clicked, this, [this, index] { Command6_Click(index); });

    auto* grid = new QGridLayout(f);
    grid->addWidget(Option3[size_t(builtin)], 0, 0);
    grid->addWidget(Option3[size_t(user)], 0, 1);
    grid->addWidget(txtSelectPanel[k], 1, 0, 1, 2);
    grid->addWidget(Command6[k], 1, 2);
    Frame6[k] = f;
    return f;
}

void PanelPage::buildNumbers() {
    Frame3 = frame(this, QStringLiteral("Frame3"), QString());
    auto* grid = new QGridLayout(Frame3);
    Label4[5] = label(Frame3, indexed("Label4", 5), QStringLiteral("整理券番号表示設定"));
    Combo2 = list(Frame3, QStringLiteral("Combo2"), Label4[5]->text(), {});
    Label4[5]->setBuddy(Combo2);
    AddComboItem();
    Check2 = checkBox(Frame3, QStringLiteral("Check2"),
                      QStringLiteral("数字が1桁の番号は頭に0を付け足す"));
    Label4[1] = label(Frame3, indexed("Label4", 1),
                      QStringLiteral("整理券番号のバックライトカラー(文字色)"));
    grid->addWidget(Label4[5], 0, 0, 1, 6);
    grid->addWidget(Combo2, 1, 0, 1, 6);
    grid->addWidget(Check2, 2, 0, 1, 6);
    grid->addWidget(Label4[1], 3, 0, 1, 6);

    const QString states[3] = {QStringLiteral("OFF："), QStringLiteral("ON1："),
                               QStringLiteral("ON2：")};
    for (int i = 0; i < 3; ++i) {
        QLabel* l = label(Frame3, indexed("Label4", i + 2), states[i]);
        Label4[size_t(i + 2)] = l;
        ColourButton* c = colourButton(Frame3, indexed("Command5", i), states[i]);
        l->setBuddy(c);
        Command5[size_t(i)] = c;
        connect(c, &QPushButton::clicked, this, [this, i] { Command5_Click(i); });
        grid->addWidget(l, 4, i * 2, Qt::AlignRight);
        grid->addWidget(c, 4, i * 2 + 1, Qt::AlignLeft);
    }
}

void PanelPage::AddComboItem() {
    Combo2->clear();
    Combo2->addItems(OptionLists::numberingStyles());
    Combo2->setCurrentIndex(0);
}

void PanelPage::Command6_Click(int Index) {
    const QString file = m_context.pickFile(PictureFilter, QStringLiteral("パネル画像の選択"));
    if (!file.isEmpty()) txtSelectPanel[size_t(Index)]->setText(file);
}

void PanelPage::Command5_Click(int Index) {
    m_context.GetBtnColor(Command5[size_t(Index)]);
}

void PanelPage::applyRules() {
    Frame3->setEnabled(Check1->isChecked());
    const bool each = !Option3[0]->isChecked();
    for (QGroupBox* f : Frame6) {
        f->setEnabled(each);
        f->setVisible(each);
    }
}
