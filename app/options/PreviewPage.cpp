#include "app/options/PreviewPage.h"

#include "app/options/OptionContext.h"
#include "app/options/OptionWidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace OptionWidgets;

namespace {

constexpr int CapabilityLines = 10;

} // namespace

PreviewPage::PreviewPage(OptionContext& context, QWidget* parent)
    : QGroupBox(QStringLiteral("整理券プレビュー"), parent), m_context(context) {
    auto* layout = new QVBoxLayout(this);
    chkUseSeiriPrev = checkBox(this, QStringLiteral("chkUseSeiriPrev"),
                               QStringLiteral("整理券プレビュー機能を使用する"));
    layout->addWidget(chkUseSeiriPrev);
    buildPlugin();
    layout->addWidget(Frame10, 1);
    buildDate();
    layout->addWidget(Frame7);
    // With the frames hidden the check box stays at the top, not in the middle of the page.
    layout->addStretch(0);

    SettingBinder& b = context.binder;
    b.bind(chkUseSeiriPrev, "UseSeiriPrev");
    b.bind(txtSeiriPlgDir, "SeiriPlgFile");
    b.bind(Option4[0], "SeiriDateAuto");
    b.bind(Option4[1], "SeiriDateHold");
    b.bind(Option4[2], "SeiriDateFixed");
    b.bind(Label10, "SeiriDateValue");
    connect(chkUseSeiriPrev, &QCheckBox::toggled, this, &PreviewPage::applyRules);
    applyRules();
}

void PreviewPage::buildPlugin() {
    Frame10 = frame(this, QStringLiteral("Frame10"), QStringLiteral("整理券プラグイン設定"));
    auto* grid = new QGridLayout(Frame10);
    Label2 =
        note(Frame10, QStringLiteral("Label2"),
             QStringLiteral("整理券プラグイン（整理券プレビューを使用しない場合は、何も入れない"
                            "でください）："));
    txtSeiriPlgDir = pathBox(Frame10, QStringLiteral("txtSeiriPlgDir"), Label2->text());
    txtSeiriPlgDir->setReadOnly(true);
    Label2->setBuddy(txtSeiriPlgDir);
    Command1 = button(Frame10, QStringLiteral("Command1"), QStringLiteral("..."), Label2->text());
    Command1->setFixedWidth(32);
    Command11 = button(Frame10, QStringLiteral("Command11"), QStringLiteral("×"),
                       QStringLiteral("整理券プラグインを外す"));
    Command11->setAccessibleName(QStringLiteral("整理券プラグインを外す"));
    Command11->setFixedWidth(24);
    // Brought to life by the ticket plug-in host.
    Command1->setEnabled(false);
    Command11->setEnabled(false);

    Label11 =
        label(Frame10, QStringLiteral("Label11"), QStringLiteral("上記プラグインのプロパティ："));
    List1 = new QListWidget(Frame10);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(Label11->text());
    Label11->setBuddy(List1);
    Label13 =
        label(Frame10, QStringLiteral("Label13"), QStringLiteral("上記プラグインの特記事項："));
    txtPlginComment = new QTextEdit(Frame10);
    txtPlginComment->setObjectName(QStringLiteral("txtPlginComment"));
    txtPlginComment->setAccessibleName(Label13->text());
    txtPlginComment->setReadOnly(true);
    Label13->setBuddy(txtPlginComment);

    grid->addWidget(Label2, 0, 0, 1, 3);
    grid->addWidget(txtSeiriPlgDir, 1, 0);
    grid->addWidget(Command1, 1, 1);
    grid->addWidget(Command11, 1, 2);
    grid->addWidget(Label11, 2, 0, 1, 3);
    grid->addWidget(List1, 3, 0, 1, 3);
    grid->addWidget(Label13, 4, 0, 1, 3);
    grid->addWidget(txtPlginComment, 5, 0, 1, 3);
    // The list is as tall as every capability line (ten) needs, no taller; the comment, free
    // text, takes what height is left.
    List1->addItem(QStringLiteral("0"));
    List1->setFixedHeight(CapabilityLines * List1->sizeHintForRow(0) + 2 * List1->frameWidth());
    List1->clear();
    txtPlginComment->setMinimumHeight(txtPlginComment->fontMetrics().lineSpacing() * 3 + 12);
    grid->setRowStretch(5, 1);
}

void PreviewPage::buildDate() {
    Frame7 =
        frame(this, QStringLiteral("Frame7"),
              QStringLiteral("日付の設定（整理券プラグインが日付の印字をサポートしているときに有"
                             "効）"));
    auto* layout = new QVBoxLayout(Frame7);
    Option4[0] = radio(Frame7, indexed("Option4", 0),
                       QStringLiteral("システムの日付を使用（整理券印字と同時に日付を更新、デフォル"
                                      "ト）"));
    Option4[1] = radio(Frame7, indexed("Option4", 1),
                       QStringLiteral("システムの日付を使用（系統設定した時点の日付を保持）"));
    Label14 = note(Frame7, QStringLiteral("Label14"),
                   QStringLiteral("系統設定した際の日付が保持され、日付が途中で変わっても次回系統設"
                                  "定するまで整理券の日付変更を行いません。"));
    Label14->setContentsMargins(20, 0, 0, 0);
    auto* fixed = new QHBoxLayout;
    Option4[2] = radio(Frame7, indexed("Option4", 2), QStringLiteral("右記の日付に固定"));
    Label10 = label(Frame7, QStringLiteral("Label10"), QString());
    Label10->setAccessibleName(Option4[2]->text());
    Label10->setFrameShape(QFrame::Panel);
    Label10->setFrameShadow(QFrame::Sunken);
    Label10->setMinimumWidth(90);
    Command7 = button(Frame7, QStringLiteral("Command7"), QStringLiteral("日付選択..."));
    connect(Command7, &QPushButton::clicked, this, &PreviewPage::Command7_Click);
    fixed->addWidget(Option4[2]);
    fixed->addWidget(Label10);
    fixed->addWidget(Command7);
    fixed->addStretch(1);
    layout->addWidget(Option4[0]);
    layout->addWidget(Option4[1]);
    layout->addWidget(Label14);
    layout->addLayout(fixed);
}

void PreviewPage::setCapabilityLines(const QStringList& lines) {
    List1->clear();
    List1->addItems(lines);
}

void PreviewPage::setPluginPath(const QString& path) {
    m_context.binder.setText("SeiriPlgFile", path);
}

QString PreviewPage::pickFile(const QString& filter, const QString& title) {
    return m_context.pickFile(filter, title);
}

void PreviewPage::Command7_Click() {
    ZKP4Res::SystemTime date{};
    if (m_context.dialogs.date(m_context.owner, date) == 0) return;
    // Four-digit years, so that year 99 is not read back as 1999 or 2099.
    m_context.binder.setText("SeiriDateValue", QStringLiteral("%1/%2/%3")
                                                   .arg(date.wYear, 4, 10, QLatin1Char('0'))
                                                   .arg(date.wMonth, 2, 10, QLatin1Char('0'))
                                                   .arg(date.wDay, 2, 10, QLatin1Char('0')));
}

void PreviewPage::applyRules() {
    const bool on = chkUseSeiriPrev->isChecked();
    for (QGroupBox* f : {Frame10, Frame7}) {
        f->setEnabled(on);
        f->setVisible(on);
    }
}
