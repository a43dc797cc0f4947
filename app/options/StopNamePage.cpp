#include "app/options/StopNamePage.h"

#include "app/options/ColourButton.h"
#include "app/options/OptionContext.h"
#include "app/options/OptionWidgets.h"
#include "settings/OptionLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace OptionWidgets;

namespace {

const QString Bold = QStringLiteral("太字（表示の不具合はサポート対象外）");

} // namespace

StopNamePage::StopNamePage(OptionContext& context, QWidget* parent)
    : QGroupBox(QStringLiteral("停名の設定"), parent), m_context(context) {
    auto* layout = new QVBoxLayout(this);
    buildName();
    buildPrefix();
    layout->addWidget(Frame11);
    layout->addWidget(Frame12);
    layout->addStretch(1);

    SettingBinder& b = context.binder;
    b.bind(Command9[0], "ChimeiBackColor");
    b.bind(Command9[1], "ChimeiForeColor");
    b.bind(Combo3, "ChimeiFontMode");
    b.bind(Check4, "ChimeiFontBold");
    b.bind(Combo6, "TsugiwaMode");
    b.bind(Command9[2], "TsugiwaColor");
    b.bind(Combo5, "TsugiwaFontMode");
    b.bind(Check5, "TsugiwaBold");
    for (int i = 0; i < 3; ++i)
        connect(Command9[size_t(i)], &ColourButton::clicked, this,
                [this, i] { Command9_Click(i); });
}

void StopNamePage::buildName() {
    Frame11 = frame(this, QStringLiteral("Frame11"), QStringLiteral("停名部分の設定"));
    auto* grid = new QGridLayout(Frame11);
    const QString captions[2] = {QStringLiteral("背景色："), QStringLiteral("文字色：")};
    for (int i = 0; i < 2; ++i) {
        Label8[size_t(i)] = label(Frame11, indexed("Label8", i), captions[i]);
        Command9[size_t(i)] = colourButton(Frame11, indexed("Command9", i), captions[i]);
        Label8[size_t(i)]->setBuddy(Command9[size_t(i)]);
        grid->addWidget(Label8[size_t(i)], i, 0, Qt::AlignRight);
        grid->addWidget(Command9[size_t(i)], i, 1, Qt::AlignLeft);
    }
    Label9 = label(Frame11, QStringLiteral("Label9"), QStringLiteral("フォントオプション："));
    Combo3 =
        list(Frame11, QStringLiteral("Combo3"), Label9->text(), OptionLists::chimeiFontModes());
    Label9->setBuddy(Combo3);
    Check4 = checkBox(Frame11, QStringLiteral("Check4"), Bold);
    grid->addWidget(Label9, 2, 0, Qt::AlignRight);
    grid->addWidget(Combo3, 2, 1);
    grid->addWidget(Check4, 3, 1);
    grid->setColumnStretch(2, 1);
}

void StopNamePage::buildPrefix() {
    Frame12 = frame(this, QStringLiteral("Frame12"),
                    QStringLiteral("「次は」の表示設定(データの最初は「次は」は表示されません)"));
    auto* grid = new QGridLayout(Frame12);
    Label17 = label(Frame12, QStringLiteral("Label17"), QStringLiteral("「次は」表示オプション："));
    Combo6 = list(Frame12, QStringLiteral("Combo6"), Label17->text(), OptionLists::tsugiwaModes());
    Label17->setBuddy(Combo6);
    Label16 = label(Frame12, QStringLiteral("Label16"), QStringLiteral("フォントオプション："));
    Combo5 =
        list(Frame12, QStringLiteral("Combo5"), Label16->text(), OptionLists::tsugiwaFontModes());
    Label16->setBuddy(Combo5);
    Check5 = checkBox(Frame12, QStringLiteral("Check5"), Bold);
    Label8[2] = label(Frame12, indexed("Label8", 2), QStringLiteral("「次は」の文字色："));
    Command9[2] = colourButton(Frame12, indexed("Command9", 2), Label8[2]->text());
    Label8[2]->setBuddy(Command9[2]);
    grid->addWidget(Label17, 0, 0, Qt::AlignRight);
    grid->addWidget(Combo6, 0, 1);
    grid->addWidget(Label16, 1, 0, Qt::AlignRight);
    grid->addWidget(Combo5, 1, 1);
    grid->addWidget(Check5, 2, 1);
    grid->addWidget(Label8[2], 3, 0, Qt::AlignRight);
    grid->addWidget(Command9[2], 3, 1, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
}

void StopNamePage::Command9_Click(int Index) {
    m_context.GetBtnColor(Command9[size_t(Index)]);
}
