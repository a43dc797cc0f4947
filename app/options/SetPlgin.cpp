#include "app/options/SetPlgin.h"

#include "platform/ZKP4Res.h"
#include "settings/PlgInfoLines.h"

#include <QComboBox>
#include <QTextEdit>

namespace PlgIn {

void SetPlgin(const QString& path, qint32& result, PlgInTarget& target) {
    result = 0;
    if (path.isEmpty()) return;
    ZKP4Res::PlgInfo info; // a fresh, zero-filled record for every query
    if (ZKP4Res::ZK4_GetPlgInfo(path, info) == 0) return;
    ZKP4Res::ZK4_SetPlgComment(path, target.commentBox());
    target.setCapabilityLines(PlgInfoLines(info));
    target.setPreviewSize(info.PreviewWidth, info.PreviewHeight);
    if (info.CompanySwitch > 0) ZKP4Res::ZK4_SetCorpAddList(path, target.companyList());
    result = 2;
}

void Command1_Click(PlgInTarget& target) {
    const QString path = target.pickFile(FileFilter, FileTitle);
    if (path.isEmpty()) return;
    // The company list belongs to the plug-in in use: it is replaced only when the new file
    // is taken, so a refused file leaves the previous plug-in with its companies.
    ZKP4Res::PlgInfo probe;
    QString reason;
    if (ZKP4Res::ZK4_GetPlgInfo(path, probe, &reason) == 0) {
        // The reader's own words say what is wrong with the file.
        target.showError(
            ErrorTitle, reason.isEmpty() ? ErrorText : ErrorText + QStringLiteral("\n\n") + reason);
        return;
    }
    if (QComboBox* companies = target.companyList()) companies->clear();
    qint32 result = 0;
    SetPlgin(path, result, target);
    if (result != 0)
        target.setPluginPath(path);
    else // the file changed between the two reads
        target.showError(ErrorTitle, ErrorText);
}

void Command11_Click(PlgInTarget& target) {
    target.setPluginPath(QString());
    target.setCapabilityLines({});
    if (QTextEdit* comment = target.commentBox()) comment->clear();
}

} // namespace PlgIn
