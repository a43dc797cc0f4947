#pragma once
// Page 5 of the options dialog: the ticket preview switch, the ticket plug-in (its path,
// capabilities and comment) and the date printed on the tickets.
//
// Enabling rule, kept whenever the box changes (a click or a settings load): Frame10 (the
// plug-in) and Frame7 (the date) are enabled and shown while chkUseSeiriPrev is on.
//
// The plug-in's controls are laid out here; choosing, checking and removing a plug-in belong
// to the ticket plug-in host (PlgInHost), which connects Command1 and Command11 and fills the
// list, the comment and the path through the functions below. Until it does, the two buttons
// stay disabled and the path box shows the stored path.
#include <QGroupBox>
#include <array>

struct OptionContext;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTextEdit;

class PreviewPage : public QGroupBox {
    Q_OBJECT
  public:
    PreviewPage(OptionContext& context, QWidget* parent = nullptr);

    QCheckBox* chkUseSeiriPrev = nullptr; // UseSeiriPrev
    QGroupBox* Frame10 = nullptr;         // the plug-in
    QLabel* Label2 = nullptr;
    QLineEdit* txtSeiriPlgDir = nullptr; // SeiriPlgFile (read-only: chosen with Command1)
    QPushButton* Command1 = nullptr;     // "..." plug-in picker
    QPushButton* Command11 = nullptr;    // remove the plug-in
    QLabel* Label11 = nullptr;
    QListWidget* List1 = nullptr; // capability lines
    QLabel* Label13 = nullptr;
    QTextEdit* txtPlginComment = nullptr; // the plug-in's comment
    QGroupBox* Frame7 = nullptr;          // the ticket date
    // The ticket date: 0 "システムの日付を使用" (updated with every ticket), 1 the same held
    // from the route's setting, 2 "右記の日付に固定". Not the panel's backlight Option4.
    std::array<QRadioButton*, 3> Option4{};
    QLabel* Label14 = nullptr;
    QLabel* Label10 = nullptr;       // SeiriDateValue, "yyyy/mm/dd"
    QPushButton* Command7 = nullptr; // "日付選択..."

    // Replaces the capability list with `lines` (empty: clears it).
    void setCapabilityLines(const QStringList& lines);
    // The plug-in path: into the setting SeiriPlgFile and its box.
    void setPluginPath(const QString& path);
    // The dialog's file picker (a path the settings file cannot hold is refused, as for every
    // picked file); empty when cancelled.
    QString pickFile(const QString& filter, const QString& title);
    void Command7_Click();

  private:
    void buildPlugin();
    void buildDate();
    void applyRules();

    OptionContext& m_context;
};
