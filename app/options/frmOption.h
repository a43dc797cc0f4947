#pragma once
// frmOption, "オプション": the dialog in which every setting is edited. Its controls edit the
// live settings store directly (there is no Cancel: every edit is kept), and a change of the
// store made by the settings file's load is shown in the controls at once. Six pages, one
// class each, are chosen by the page buttons Option1 0 to 5; OK (Command4) applies the display
// settings to the board and hides the dialog. Closing the window or pressing Escape does the
// same as OK, so that the board never shows something other than the dialog.
//
// Built once, when first wanted (see OptionsOnDemand), then only shown (modally, by the
// panel's "設定...") and hidden.
#include "app/options/DisplayTarget.h"
#include "app/options/OptionContext.h"
#include "app/options/OptionPage.h"
#include "settings/OptionInfo.h"

#include <QDialog>
#include <array>
#include <functional>

class DigitsPage;
class FoldersPage;
class PanelPage;
class PreviewPage;
class QHBoxLayout;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class SoundPage;
class StopNamePage;

class frmOption : public QDialog {
    Q_OBJECT
  public:
    // `store` is the live settings store and `display` where the display settings are
    // applied (the board and the panel's backlight). Both must outlive the dialog.
    frmOption(Settings& store, DisplayTarget& display, QWidget* parent = nullptr);
    ~frmOption() override;

    // Page buttons, in the order of OptionPage: "運賃データと 放送用データ", "パネルと整理券
    // 番号表示", "デジタル部品と情報用数字", "停名の設定", "サウンド", "整理券 プレビュー".
    std::array<QRadioButton*, OptionPageCount> Option1{};
    QStackedWidget* pages = nullptr;
    QPushButton* Command4 = nullptr; // "OK" (the panel's Command4 is "設定...")

    FoldersPage* folders = nullptr;
    PanelPage* panel = nullptr;
    DigitsPage* digits = nullptr;
    StopNamePage* stopName = nullptr;
    SoundPage* sound = nullptr;
    PreviewPage* preview = nullptr;

    // The pickers and the file manager; tests replace them.
    OptionDialogs& dialogs() { return m_context.dialogs; }
    // The control that holds a setting (every setting has one).
    QWidget* control(const SettingField& field) const;

    // Brings page `page` to the front, as its page button does.
    void Option1_Click(int Index);
    OptionPage currentPage() const;

    // The settings record of the store, and the store from a record with the dialog's side
    // effects (see optionInfoHooks). A refused value keeps the store's value; the refusals
    // come back in the order met.
    Settings GetOptionInfo() const;
    std::vector<K41Error> SetOptionInfo(const Settings& record);
    // What the dialog does while a record is copied into the store: every changed setting
    // shows in its control (running the enabling rules), the backlight picture is chosen
    // again after the panel settings, the preview digit takes the digit colours, and at the
    // end the plug-in named by SeiriPlgFile is loaded (when loadPlugin is set).
    OptionInfoHooks optionInfoHooks();

    // The display settings onto the board (DisplayTarget::SetProp).
    void SetProp();
    // Shows every setting of the store in its control.
    void refreshControls();

    // OK: SetProp, then hide.
    void Command4_Click();
    void reject() override;

    // Set by the ticket plug-in host: loads the plug-in at `path` (empty: none) and shows its
    // capabilities on the preview page. Runs at the end of SetOptionInfo.
    std::function<void(const QString& path)> loadPlugin;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildPageButtons(QHBoxLayout* row);

    OptionContext m_context;
    DisplayTarget& m_display;
};
