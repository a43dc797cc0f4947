#include "app/options/DigitsPage.h"

#include "app/options/ColourButton.h"
#include "app/options/OptionContext.h"
#include "app/options/OptionWidgets.h"
#include "controls/digit/M_Degit.h"
#include "settings/OptionLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace OptionWidgets;

namespace {

// What the preview shows: a fare, so that lit and unlit cells both appear.
constexpr int PreviewValue = 180;

QComboBox* positionList(QWidget* parent, int index, const QString& accessibleName, int count) {
    QComboBox* c =
        list(parent, indexed("Combo4", index), accessibleName, OptionLists::numbers(count));
    c->setCurrentIndex(0);
    return c;
}

} // namespace

DigitsPage::DigitsPage(OptionContext& context, QWidget* parent)
    : QGroupBox(QStringLiteral("デジタル部品と情報用数字"), parent), m_context(context) {
    auto* layout = new QVBoxLayout(this);
    buildInfoDigits();
    layout->addWidget(Frame5[1]);
    Label7 = note(this, QStringLiteral("Label7"),
                  QStringLiteral("デジタル数字の桁ずらし、ゼロ埋めの設定は各部品をダブルクリックし"
                                 "て設定してください。また、これら情報用数字は運賃の表示よりも優"
                                 "先されます。"));
    layout->addWidget(Label7);
    buildColours();
    layout->addWidget(Frame5[0]);
    layout->addStretch(1);

    SettingBinder& b = context.binder;
    b.bind(Command8[0], "DegitBackColor");
    b.bind(Command8[1], "DegitUnlitColor");
    b.bind(Command8[2], "DegitLitColor");
    b.bind(Check3[0], "InfoOrderUse");
    b.bind(Combo4[0], "InfoOrderPos");
    b.bind(Check3[4], "InfoOrderFromZero");
    b.bind(Check3[1], "InfoSeiriNumUse");
    b.bind(Combo4[1], "InfoSeiriNumPos");
    b.bind(Check3[2], "InfoKeitouUse");
    b.bind(Combo4[2], "InfoKeitouPos");
    b.bind(Check3[3], "InfoColumnUse");
    b.bind(Combo4[4], "InfoColumnNo");
    b.bind(Combo4[3], "InfoColumnPos");
    updatePreview();

    for (int i = 0; i < 4; ++i)
        connect(Check3[size_t(i)], &QCheckBox::toggled, this, &DigitsPage::applyRules);
    applyRules();
}

void DigitsPage::buildInfoDigits() {
    Frame5[1] = frame(this, indexed("Frame5", 1), QStringLiteral("情報用数字の設定"));
    QGroupBox* f = Frame5[1];
    auto* grid = new QGridLayout(f);
    const QString suffix = QStringLiteral("コマ目に表示する。");
    const QString captions[3] = {QStringLiteral("停留所の順番（区間・個数）を、"),
                                 QStringLiteral("整理券番号を、"), QStringLiteral("系統番号を、")};
    int row = 0;
    for (int i = 0; i < 3; ++i) {
        Check3[size_t(i)] = checkBox(f, indexed("Check3", i), captions[i]);
        Combo4[size_t(i)] =
            positionList(f, i, captions[i] + suffix, OptionLists::DigitPositionCount);
        grid->addWidget(Check3[size_t(i)], row, 0, 1, 3);
        grid->addWidget(Combo4[size_t(i)], row, 3);
        grid->addWidget(label(f, indexed("lblDigitSuffix", i), suffix), row, 4);
        ++row;
        if (i == 0) {
            Check3[4] = checkBox(f, indexed("Check3", 4), QStringLiteral("0から数える"));
            grid->addWidget(Check3[4], row++, 1, 1, 4);
        }
    }
    // "データの" [column] "列目の値を、" [digit] "コマ目に表示する。"
    Check3[3] = checkBox(f, indexed("Check3", 3), QStringLiteral("データの"));
    Combo4[4] = positionList(f, 4, QStringLiteral("データの列目"), OptionLists::FareColumnCount);
    Combo4[3] = positionList(f, 3, QStringLiteral("データの列目の値を、") + suffix,
                             OptionLists::DigitPositionCount);
    grid->addWidget(Check3[3], row, 0);
    grid->addWidget(Combo4[4], row, 1);
    grid->addWidget(label(f, QStringLiteral("lblColumnSuffix"), QStringLiteral("列目の値を、")),
                    row, 2);
    grid->addWidget(Combo4[3], row, 3);
    grid->addWidget(label(f, indexed("lblDigitSuffix", 3), suffix), row, 4);
    grid->setColumnStretch(5, 1);
}

void DigitsPage::buildColours() {
    Frame5[0] =
        frame(this, indexed("Frame5", 0),
              QStringLiteral("デジタル部品の背景色と文字色（時計つきの場合はこの部分も同色と"
                             "なります）"));
    QGroupBox* f = Frame5[0];
    auto* row = new QHBoxLayout(f);
    auto* buttons = new QGridLayout;
    const QString captions[3] = {QStringLiteral("背景色："), QStringLiteral("未発光時の文字色："),
                                 QStringLiteral("発光時の文字色：")};
    for (int i = 0; i < 3; ++i) {
        Label6[size_t(i)] = label(f, indexed("Label6", i), captions[i]);
        Command8[size_t(i)] = colourButton(f, indexed("Command8", i), captions[i]);
        Label6[size_t(i)]->setBuddy(Command8[size_t(i)]);
        connect(Command8[size_t(i)], &ColourButton::clicked, this,
                [this, i] { Command8_Click(i); });
        buttons->addWidget(Label6[size_t(i)], i, 0, Qt::AlignRight);
        buttons->addWidget(Command8[size_t(i)], i, 1);
    }
    row->addLayout(buttons);
    row->addSpacing(24);

    Label6[3] = label(f, indexed("Label6", 3), QStringLiteral("プレビュー"));
    M_Degit1 = new M_Degit(f);
    M_Degit1->setObjectName(QStringLiteral("M_Degit1"));
    M_Degit1->setAccessibleName(Label6[3]->text());
    M_Degit1->InitProperties();
    // The fare digits' face, so that the preview looks like the board.
    M_Degit1->setDegitStyle(1);
    M_Degit1->setDegitSize(2);
    M_Degit1->setValue(PreviewValue);
    M_Degit1->setFixedSize(M_Degit1->size()); // the control sizes itself to its cells
    auto* preview = new QVBoxLayout;
    preview->addWidget(Label6[3]);
    preview->addWidget(M_Degit1);
    preview->addStretch(1);
    row->addLayout(preview);
    row->addStretch(1);
}

void DigitsPage::Command8_Click(int Index) {
    m_context.GetBtnColor(Command8[size_t(Index)]);
    // Also after a cancelled pick: the preview always shows what the buttons hold.
    updatePreview();
}

void DigitsPage::updatePreview() {
    M_Degit1->setBackColor(Command8[0]->colour());
    M_Degit1->setBaseForeColor(Command8[1]->colour());
    M_Degit1->setDegitForeColor(Command8[2]->colour());
}

void DigitsPage::applyRules() {
    Combo4[0]->setEnabled(Check3[0]->isChecked());
    Check3[4]->setEnabled(Check3[0]->isChecked());
    Combo4[1]->setEnabled(Check3[1]->isChecked());
    Combo4[2]->setEnabled(Check3[2]->isChecked());
    Combo4[3]->setEnabled(Check3[3]->isChecked());
    Combo4[4]->setEnabled(Check3[3]->isChecked());
}
