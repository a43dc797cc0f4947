#pragma once
// What every page of the options dialog works with: the live settings store, the binder
// between the store and the controls, the pickers, and the dialog window that owns them.
#include "app/options/OptionDialogs.h"
#include "app/options/SettingBinder.h"

class ColourButton;
class QWidget;

struct OptionContext {
    OptionContext(Settings& store, QWidget* owner);

    Settings& store;
    SettingBinder binder;
    OptionDialogs dialogs = OptionDialogs::standard();
    QWidget* const owner;

    // The folder picker with its prompt; the chosen folder, empty when cancelled or when
    // the folder cannot be kept (see takePath). `initial` is not used.
    QString GetPathString(const QString& initial);
    // The file picker with `filter` and `title`; the chosen file, empty as above.
    QString pickFile(const QString& filter, const QString& title);
    // The colour picker on a colour button, started at its colour with the store's custom
    // colours; a chosen colour becomes the button's (and so the setting's).
    void GetBtnColor(ColourButton* button);
    // Shows the folder named by `stored` (a path as the user wrote it, "\" allowed) in the
    // file manager. An empty text does nothing.
    void openFolder(const QString& stored);

  private:
    // A picked path is taken only when the settings file can store it: characters that code
    // page 932 cannot hold would come back as "?" at the next start. Otherwise the user is
    // told and the empty text returned.
    QString takePath(const QString& picked);
};
