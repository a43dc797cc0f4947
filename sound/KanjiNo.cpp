#include "sound/KanjiNo.h"

#include "sound/KanaText.h"

namespace KanjiNo {

QList<qsizetype> boundaries(const ReadWords& words, QStringView text) {
    QList<qsizetype> cuts;
    const std::vector<qsizetype> ends = wordEnds(words, text);
    for (size_t k = 0; k < ends.size(); ++k) {
        const ReadWord& w = words[k];
        if (w.surface.size() < 2 || w.listed || w.fixed || w.pronunciation.contains(u'ノ'))
            continue;
        // A given name after a family name is a person's (鷺山吉之 サギヤマヨシユキ, whose
        // monument or house the place may be named for).
        if (w.givenName && k > 0 && words[k - 1].pos1 == QStringLiteral("固有名詞") &&
            words[k - 1].surface.size() >= 2 && KanaText::allKanji(words[k - 1].surface))
            continue;
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
