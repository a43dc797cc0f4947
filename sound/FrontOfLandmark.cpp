#include "sound/FrontOfLandmark.h"

namespace FrontOfLandmark {

void apply(ReadWords& words, WordKnowledge& knows) {
    for (size_t i = 1; i < words.size(); ++i) {
        ReadWord& w = words[i];
        const ReadWord& before = words[i - 1];
        if (w.fixed || before.pos != QStringLiteral("助詞") || before.pronunciation != u"ノ")
            continue;
        // The place's reading puts a ノ before its 前 that its characters do not write.
        if (w.surface.size() < 2 || !w.surface.endsWith(u'前') ||
            !w.pronunciation.endsWith(QStringLiteral("ノマエ")) || w.surface.contains(u'ノ') ||
            w.surface.contains(u'の') || w.surface.contains(u'之') || w.surface.contains(u'乃'))
            continue;
        // Where a noun goes on after it (湯前町), it is the place's name after all.
        if (i + 1 < words.size() && words[i + 1].pos == QStringLiteral("名詞")) continue;
        const QString landmark = knows.readAlone(w.surface.chopped(1));
        if (!landmark.isEmpty()) w.pronunciation = landmark + QStringLiteral("マエ");
    }
}

} // namespace FrontOfLandmark
