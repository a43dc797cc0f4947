#include "sound/FirmNames.h"

#include "sound/KanaText.h"

namespace FirmNames {

namespace {

bool startsWithLatin(const QString& s) {
    if (s.isEmpty()) return false;
    const char16_t c = s.front().unicode();
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'Ａ' && c <= u'Ｚ') ||
           (c >= u'ａ' && c <= u'ｚ');
}

} // namespace

void apply(ReadWords& words, WordKnowledge& knows) {
    for (size_t i = 0; i + 1 < words.size(); ++i) {
        ReadWord& w = words[i];
        // Only a place the list read: a word of the dictionary's own is read as it says.
        if (w.fixed || w.pos2 != QStringLiteral("地域") || !startsWithLatin(words[i + 1].surface))
            continue;
        if (!KanaText::hasKanji(w.surface)) continue;
        const QStringList firm = knows.firmReadings(w.surface);
        if (!firm.isEmpty() && !firm.contains(w.pronunciation)) w.pronunciation = firm.front();
    }
}

} // namespace FirmNames
