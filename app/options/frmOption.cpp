#include "app/options/frmOption.h"

#include "app/options/DigitsPage.h"
#include "app/options/FoldersPage.h"
#include "app/options/OptionWidgets.h"
#include "app/options/PageButton.h"
#include "app/options/PanelPage.h"
#include "app/options/PreviewPage.h"
#include "app/options/SoundPage.h"
#include "app/options/StopNamePage.h"
#include "platform/ChoiceButton.h"
#include "platform/Fonts.h"
#include "platform/core/K41Error.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

frmOption::frmOption(Settings& store, DisplayTarget& display, QWidget* parent)
    : QDialog(parent), m_context(store, this), m_display(display) {
    setObjectName(QStringLiteral("frmOption"));
    setWindowTitle(QStringLiteral("オプション"));
    setFont(Fonts::font(Fonts::PGothic, 9));

    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    pages = new QStackedWidget(this);
    pages->setObjectName(QStringLiteral("Frame1"));
    folders = new FoldersPage(m_context);
    panel = new PanelPage(m_context);
    digits = new DigitsPage(m_context);
    stopName = new StopNamePage(m_context);
    sound = new SoundPage(m_context);
    preview = new PreviewPage(m_context);
    const std::array<QWidget*, OptionPageCount> frames = {folders,  panel, digits,
                                                          stopName, sound, preview};
    for (int i = 0; i < OptionPageCount; ++i) {
        frames[size_t(i)]->setObjectName(OptionWidgets::indexed("Frame1", i));
        pages->addWidget(frames[size_t(i)]);
    }
    buildPageButtons(buttons);
    layout->addWidget(pages, 1);

    Command4 = OptionWidgets::button(this, QStringLiteral("Command4"), QStringLiteral("OK"));
    Command4->setDefault(true);
    Command4->setMinimumWidth(90);
    connect(Command4, &QPushButton::clicked, this, &frmOption::Command4_Click);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(Command4);
    layout->addLayout(bottom);

    Option1[0]->setChecked(true);
    Option1_Click(0);
    // A page's rules may show one of its frames while the page is built, before it joins the
    // dialog and takes the dialog's font; showing lays the frame out, and its layouts would
    // keep sizes measured in the other font. Every layout measures afresh.
    for (QLayout* l : findChildren<QLayout*>())
        l->invalidate();
    resize(660, 600);
}

frmOption::~frmOption() = default;

void frmOption::buildPageButtons(QHBoxLayout* row) {
    const QString captions[OptionPageCount] = {QStringLiteral("運賃データと　放送用データ"),
                                               QStringLiteral("パネルと整理券番号表示"),
                                               QStringLiteral("デジタル部品と情報用数字"),
                                               QStringLiteral("停名の設定"),
                                               QStringLiteral("サウンド"),
                                               QStringLiteral("　　整理券　　　プレビュー")};
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < OptionPageCount; ++i) {
        auto* b = new PageButton(captions[i], this);
        b->setObjectName(OptionWidgets::indexed("Option1", i));
        // The full-width blanks only place the line break; the spoken name goes without.
        b->setAccessibleName(QString(captions[i]).remove(QChar(0x3000)));
        group->addButton(b, i);
        ChoiceButton::onChosen(b, this, [this, i] { Option1_Click(i); });
        Option1[size_t(i)] = b;
        row->addWidget(b);
    }
}

QWidget* frmOption::control(const SettingField& field) const {
    return m_context.binder.control(field);
}

void frmOption::Option1_Click(int Index) {
    pages->setCurrentIndex(Index);
    Option1[size_t(Index)]->setChecked(true); // when called, not chosen: the button follows
}

OptionPage frmOption::currentPage() const {
    return OptionPage(pages->currentIndex());
}

Settings frmOption::GetOptionInfo() const {
    return ::GetOptionInfo(m_context.store);
}

std::vector<K41Error> frmOption::SetOptionInfo(const Settings& record) {
    return ::SetOptionInfo(record, m_context.store, optionInfoHooks());
}

OptionInfoHooks frmOption::optionInfoHooks() {
    OptionInfoHooks hooks;
    hooks.changed = [this](const SettingField& f) { m_context.binder.show(f); };
    hooks.panelSettingsApplied = [this] { m_display.applyBacklight(); };
    hooks.digitColoursApplied = [this] { digits->updatePreview(); };
    hooks.allApplied = [this] {
        if (loadPlugin) loadPlugin(m_context.store.SeiriPlgFile);
    };
    return hooks;
}

void frmOption::SetProp() {
    m_display.SetProp();
}

void frmOption::refreshControls() {
    m_context.binder.showAll();
    digits->updatePreview();
}

void frmOption::Command4_Click() {
    // Nothing may escape into the event loop; a failure is shown and the dialog still closes,
    // since every edit is already kept in the store.
    try {
        SetProp();
    } catch (const K41Error& e) {
        QMessageBox::critical(this, QStringLiteral("エラー"),
                              QStringLiteral("エラーです。\r\n\r\nエラーコード：%1\r\n%2")
                                  .arg(e.number())
                                  .arg(e.description()));
    }
    accept();
}

void frmOption::reject() {
    Command4_Click();
}

void frmOption::showEvent(QShowEvent* event) {
    // Start-up writes some defaults straight into the store; whatever did, the dialog opens
    // on the store as it is.
    refreshControls();
    QDialog::showEvent(event);
}
