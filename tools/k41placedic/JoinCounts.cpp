#include "tools/k41placedic/JoinCounts.h"

#include "sound/KanaText.h"

#include <QSet>
#include <algorithm>

namespace JoinCounts {

namespace {

// Whether `word` holds a voiced sound after its first: such a word is not voiced at a join
// (Lyman's law: 鏡 カガミ stays カガミ), so it is not counted either.
bool holdsVoicedSound(QStringView word) {
    static const QString voicedKana = QStringLiteral("ガギグゲゴザジズゼゾダヂヅデドバビブベボ");
    for (qsizetype i = 1; i < word.size(); ++i)
        if (voicedKana.contains(word[i])) return true;
    return false;
}

} // namespace

JoinVoicing::Table count(const QList<std::pair<QString, QString>>& names,
                         const QHash<QString, KanjiReadings::Kinds>& kanji) {
    QSet<QString> listed;
    for (const auto& [name, reading] : names)
        listed.insert(name);
    JoinVoicing::Table all;
    for (const auto& [name, reading] : names) {
        if (name.size() < 2 || !KanaText::isKanji(name.back())) continue;
        const QString last(name.back());
        const QString part = name.chopped(1);
        const bool afterParticle = JoinVoicing::closesWithParticle(part.back());
        const bool closesWithListed = name.size() > 2 && listed.contains(name.right(2));
        // The longer readings first, so that a name is counted by the fullest word it ends in.
        QStringList natives = kanji.value(last).kun;
        std::stable_sort(natives.begin(), natives.end(),
                         [](const QString& a, const QString& b) { return a.size() > b.size(); });
        for (const QString& native : natives) {
            if (native.isEmpty() || KanaText::voiced(native.front()).isNull() ||
                holdsVoicedSound(native) || reading.size() <= native.size())
                continue;
            const QString voicedForm = KanaText::voiced(native.front()) + native.mid(1);
            const bool voiced = reading.endsWith(voicedForm);
            if (!voiced && !reading.endsWith(native)) continue;
            const QString partReading = reading.chopped(native.size());
            // After a particle, the word is counted by that particle alone.
            if (afterParticle) {
                all.add(last, native, QString(part.back()), voiced);
                break;
            }
            if (name.size() > 2)
                all.add(last, native, JoinVoicing::closingPair(part.back()), voiced);
            if (!closesWithListed) {
                all.add(last, native, QString(part.back()), voiced);
                all.add(last, native, JoinVoicing::soundClass(part, partReading), voiced);
                all.add(last, native, JoinVoicing::anyPart(), voiced);
            }
            break;
        }
    }
    JoinVoicing::Table kept;
    for (auto it = all.counts.cbegin(); it != all.counts.cend(); ++it) {
        if (it->voiced + it->plain < MinNames) continue;
        const QStringList k = it.key().split(u'\t');
        kept.add(k[0], k[1], k[2], true, it->voiced);
        kept.add(k[0], k[1], k[2], false, it->plain);
    }
    return kept;
}

} // namespace JoinCounts
