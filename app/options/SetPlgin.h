#pragma once
// Choosing the ticket plug-in on the options dialog's preview page. SetPlgin asks the
// resource library whether a file is a plug-in; when it is, the page lists what it prints
// and shows its comment, and the operation panel takes its ticket size and its company
// names. The page's "..." (Command1) picks a file and loads it, its cross button
// (Command11) removes the plug-in. The controls are reached through PlgInTarget, which
// the options dialog implements with its page and the panel.
#include <QString>
#include <QStringList>

class QComboBox;
class QTextEdit;

class PlgInTarget {
  public:
    virtual ~PlgInTarget() = default;

    // The preview page: the capability list List1 (empty: cleared), the comment box
    // txtPlginComment, and the plug-in path (txtSeiriPlgDir, the setting SeiriPlgFile).
    virtual void setCapabilityLines(const QStringList& lines) = 0;
    virtual QTextEdit* commentBox() = 0;
    virtual void setPluginPath(const QString& path) = 0;

    // The operation panel: the size of the preview picSeirikenPrev, in twips, and its
    // company list Combo1.
    virtual void setPreviewSize(int widthTwips, int heightTwips) = 0;
    virtual QComboBox* companyList() = 0;

    // The file picker (`filter` as the resource library's picker takes it); empty when
    // cancelled. And the error box with a stop icon.
    virtual QString pickFile(const QString& filter, const QString& title) = 0;
    virtual void showError(const QString& title, const QString& text) = 0;
};

namespace PlgIn {

// Loads the plug-in at `path` (a path as stored). `result` is 2 when it was taken, 0 when
// the path is empty or the file is not a valid plug-in; then nothing is changed at all.
void SetPlgin(const QString& path, qint32& result, PlgInTarget& target);

// "...": picks a plug-in file and loads it; the panel's company list is replaced by the new
// plug-in's (left empty when it has no company switching). Cancelling changes nothing; a
// file that is not a plug-in gives the error box and changes nothing either.
void Command1_Click(PlgInTarget& target);

// The cross button: no plug-in. Empties the path, the capability list and the comment;
// the panel's company list and preview size stay as they are.
void Command11_Click(PlgInTarget& target);

inline const QString FileFilter = QStringLiteral("整理券プラグイン(*.4SP)") + QChar(0) +
                                  QStringLiteral("*.4SP") + QChar(0) + QChar(0);
inline const QString FileTitle = QStringLiteral("プラグインの選択");
inline const QString ErrorTitle = QStringLiteral("プラグインロードエラー");
inline const QString ErrorText =
    QStringLiteral("指定したファイルはプラグインでないか、内容が不正です");

} // namespace PlgIn
