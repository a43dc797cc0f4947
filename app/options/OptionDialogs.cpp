#include "app/options/OptionDialogs.h"

#include "platform/core/AppInfo.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

OptionDialogs OptionDialogs::standard() {
    OptionDialogs d;
    d.folder = [](QWidget* owner, const QString& prompt) {
        return ZKP4Res::Zk3FolderDlg(owner, prompt);
    };
    d.file = [](QWidget* owner, const QString& filter, const QString& title) {
        return ZKP4Res::Zk3FileDlg(owner, 0, filter, QString(), title);
    };
    d.colour = [](QWidget* owner, OleColor& colour, ZKP4Res::CustomColors& custom) {
        return ZKP4Res::Zk3ChooseColor(owner, colour, custom);
    };
    d.date = [](QWidget* owner, ZKP4Res::SystemTime& date) {
        return ZKP4Res::Call_dlg111(owner, date);
    };
    d.openFolder = [](const QString& folder) {
        // The file manager reports nothing useful back; a folder that cannot be shown is
        // simply not shown.
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    };
    d.message = [](QWidget* owner, const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, AppInfo::exeName(), text, QMessageBox::Ok, owner);
        box.exec();
    };
    return d;
}
