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
    };
    return entries;
}

} // namespace KanaOverrides
