#pragma once
// Qt's own texts (standard buttons such as "はい" and "キャンセル", the file and colour dialogs)
// in Japanese like every other text of K41, whatever the system's language.
namespace QtTexts {

// Loads Qt's Japanese translation into the application, once. False when the translation is
// not installed: Qt's English texts then remain.
bool installJapanese();

} // namespace QtTexts
