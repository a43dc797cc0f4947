#include "app/options/FoldersPage.h"

#include "app/options/OptionContext.h"
#include "app/options/OptionWidgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace OptionWidgets;

FoldersPage::FoldersPage(OptionContext& context, QWidget* parent)
    : QGroupBox(QStringLiteral("運賃データと放送用データ"), parent), m_context(context) {
    const QString captions[2] = {QStringLiteral("運賃データ(*.hy3)のあるフォルダー："),
                                 QStringLiteral("放送用データ(*****Tp.csv)のあるフォルダー：")};
    const QString openers[2] = {QStringLiteral("上記運賃データの場所をエクスプローラで開く"),
                                QStringLiteral("上記放送用データの場所をエクスプローラで開く")};
    const char* settings[2] = {"FareDataDir", "TapeDataDir"};

    auto* grid = new QGridLayout(this);
    for (int i = 0; i < 2; ++i) {
        const size_t k = size_t(i);
        Label3[k] = label(this, indexed("Label3", i), captions[i]);
        Text2[k] = pathBox(this, indexed("Text2", i), captions[i]);
        Label3[k]->setBuddy(Text2[k]);
        Command3[k] = button(this, indexed("Command3", i), QStringLiteral("..."), captions[i]);
        Command3[k]->setFixedWidth(32);
        Command10[k] = button(this, indexed("Command10", i), openers[i]);
        context.binder.bind(Text2[k], settings[i]);
        connect(Command3[k], &QPushButton::clicked, this, [this, i] { Command3_Click(i); });
        connect(Command10[k], &QPushButton::clicked, this, [this, i] { Command10_Click(i); });

        const int row = i * 4;
        grid->addWidget(Label3[k], row, 0, 1, 2);
        grid->addWidget(Text2[k], row + 1, 0);
        grid->addWidget(Command3[k], row + 1, 1);
        grid->addWidget(Command10[k], row + 2, 0, 1, 2, Qt::AlignRight);
        grid->setRowMinimumHeight(row + 3, 16);
    }
    grid->setRowStretch(8, 1);
}

void FoldersPage::Command3_Click(int Index) {
    const QString folder = m_context.GetPathString(Text2[size_t(Index)]->text());
    if (!folder.isEmpty()) Text2[size_t(Index)]->setText(folder);
}

void FoldersPage::Command10_Click(int Index) {
    m_context.openFolder(Text2[size_t(Index)]->text());
}
