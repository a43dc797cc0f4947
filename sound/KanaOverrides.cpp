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
        // Common words the dictionary lacks, which it would read by their characters: the
        // tunnel 隧道 (not スイミチ).
        {QStringLiteral("隧道"), QStringLiteral("ズイドー"), {}},
    };
    return entries;
}

} // namespace KanaOverrides
