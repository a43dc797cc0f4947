#include "app/options/OptionContext.h"

#include "app/options/ColourButton.h"
#include "platform/core/Codec932.h"
#include "platform/core/PathResolver.h"

OptionContext::OptionContext(Settings& s, QWidget* ownerWindow)
    : store(s), binder(s), owner(ownerWindow) {}

QString OptionContext::takePath(const QString& picked) {
    if (picked.isEmpty() || Codec932::canEncode(picked)) return picked;
    if (dialogs.message)
        dialogs.message(owner,
                        QStringLiteral("選択した場所の名前に設定ファイルに保存できない文字「%1」が"
                                       "含まれているため、設定を変更しませんでした。\n%2")
                            .arg(Codec932::firstUnencodable(picked), picked));
    return {};
}

QString OptionContext::GetPathString(const QString&) {
    return takePath(dialogs.folder(owner, QStringLiteral("フォルダーを選択してください")));
}

QString OptionContext::pickFile(const QString& filter, const QString& title) {
    return takePath(dialogs.file(owner, filter, title));
}

void OptionContext::GetBtnColor(ColourButton* button) {
    OleColor colour = button->colour();
    if (dialogs.colour(owner, colour, store.CustomColors) != 0) button->setColour(colour);
}

void OptionContext::openFolder(const QString& stored) {
    if (stored.isEmpty() || !dialogs.openFolder) return;
    dialogs.openFolder(PathResolver::resolve(stored));
}
