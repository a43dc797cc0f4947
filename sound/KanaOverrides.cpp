#include "sound/KanaOverrides.h"

namespace KanaOverrides {

const std::vector<KanaOverride>& table() {
    static const std::vector<KanaOverride> entries = {
        // Phrases of announcements.
        {QStringLiteral("お降り"), QStringLiteral("オオリ"), {}},
        {QStringLiteral("の方"), QStringLiteral("ノカタ"), {}},
        {QStringLiteral("なる方"), QStringLiteral("ナルカタ"), {}},
        {QStringLiteral("方々"), QStringLiteral("カタガタ"), {}},
        {QStringLiteral("行き"), QStringLiteral("ユキ"), QStringLiteral("名詞")},
        // Sound changes before 丁目, in kanji and in digits.
        {QStringLiteral("一丁目"), QStringLiteral("イッチョウメ"), {}},
        {QStringLiteral("1丁目"), QStringLiteral("イッチョウメ"), {}},
        {QStringLiteral("八丁目"), QStringLiteral("ハッチョウメ"), {}},
        {QStringLiteral("8丁目"), QStringLiteral("ハッチョウメ"), {}},
        {QStringLiteral("十丁目"), QStringLiteral("ジュッチョウメ"), {}},
        {QStringLiteral("10丁目"), QStringLiteral("ジュッチョウメ"), {}},
        // Stop names of the sample town.
        {QStringLiteral("本町"), QStringLiteral("ホンチョウ"), {}},
        {QStringLiteral("東町"), QStringLiteral("ヒガシマチ"), {}},
        {QStringLiteral("奥山鳩"), QStringLiteral("オクヤマバト"), {}},
        {QStringLiteral("川原橋"), QStringLiteral("カワラバシ"), {}},
        {QStringLiteral("山鳩川"), QStringLiteral("ヤマバトガワ"), {}},
    };
    return entries;
}

} // namespace KanaOverrides
