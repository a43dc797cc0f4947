#include "sound/OpeningWord.h"

#include "platform/core/Kana.h"
#include "sound/KanaText.h"

namespace OpeningWord {

namespace {

// The kana whose voiced form `c` is (ダ: タ); a null QChar when `c` is no voiced kana.
QChar unvoiced(QChar c) {
    for (char16_t k = u'カ'; k <= u'ホ'; ++k)
        if (KanaText::voiced(QChar(k)) == c) return QChar(k);
    return {};
}

void mend(ReadWord& w, WordKnowledge& knows) {
    if (w.fixed || w.surface.isEmpty() || w.pronunciation.isEmpty() || w.surface[0].isSurrogate() ||
        !KanaText::isKanji(w.surface[0]))
        return;
    const QChar plain = unvoiced(w.pronunciation[0]);
    if (plain.isNull()) return;
    const QString kanji = w.surface.left(1);
    for (const QString& r : knows.chineseReadings(kanji) + knows.nativeReadings(kanji))
        if (Kana::toKatakana(r).startsWith(w.pronunciation[0])) return;
    // Only a native word takes the voiced sound of a compound: the reading unvoiced must open
    // with a native reading of the kanji (ダチョウ: タ of 田), not a Chinese one (a 坂鳩-type
    // name's バン is no ハン voiced).
    QString plainReading = w.pronunciation;
    plainReading[0] = plain;
    bool native = false;
    for (const QString& r : knows.nativeReadings(kanji))
        native = native || (!r.isEmpty() && plainReading.startsWith(Kana::toKatakana(r)));
    if (!native) return;
    for (const QString& r : knows.dictionaryReadings(w.surface))
        if (!r.isEmpty() && r[0] == plain) {
            w.pronunciation = r;
            return;
        }
}

} // namespace

void apply(ReadWords& words, WordKnowledge& knows) {
    if (!words.empty()) mend(words.front(), knows);
}

} // namespace OpeningWord
