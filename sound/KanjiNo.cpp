#include "sound/KanjiNo.h"

#include "sound/KanaText.h"

namespace KanjiNo {

namespace {

// Whether `w` reads a 之 of it as the particle: its reading holds ノ, but not as the first kana
// of a word that opens with another kanji (紀之 ノリユキ is a given name).
bool readsParticle(const ReadWord& w) {
    const qsizetype no = w.pronunciation.indexOf(u'ノ', w.surface.startsWith(u'之') ? 0 : 1);
    return no >= 0;
}

} // namespace

QList<qsizetype> boundaries(const ReadWords& words, QStringView text) {
    QList<qsizetype> cuts;
    const std::vector<qsizetype> ends = wordEnds(words, text);
    for (size_t k = 0; k < ends.size(); ++k) {
        const ReadWord& w = words[k];
        if (w.surface.size() < 2 || w.listed || w.fixed || readsParticle(w)) continue;
        const qsizetype start = ends[k] - w.surface.size();
        for (qsizetype j = 0; j < w.surface.size(); ++j) {
            const qsizetype at = start + j;
            if (text[at] != u'之' || at == 0 || at + 1 >= text.size() ||
                !KanaText::isKanji(text[at - 1]) || !KanaText::isKanji(text[at + 1]))
                continue;
            cuts.append({at, at + 1});
        }
    }
    return cuts;
}

} // namespace KanjiNo
