#include "sound/LoneKanjiWords.h"

#include "sound/KanaText.h"

namespace LoneKanjiWords {

namespace {

bool isLoneKanji(const ReadWord& w) {
    return w.surface.size() == 1 && KanaText::isKanji(w.surface.front()) && !w.fixed &&
           !w.pronunciation.isEmpty();
}

// The sun, 日, written before the particle ノ or の is the native ヒ (日ノ出, 日の丸); the
// dictionary reads a 日 it finds alone as Japan, ニチ. After a number it is a day (三日ノ) and
// left alone.
void sunBeforeNo(ReadWords& words, size_t i) {
    ReadWord& w = words[i];
    if (w.surface != QStringLiteral("日") || w.fixed || i + 1 >= words.size() ||
        (w.pronunciation != QStringLiteral("ニチ") && w.pronunciation != QStringLiteral("ジツ")))
        return;
    const QString& next = words[i + 1].surface;
    if (next != QStringLiteral("ノ") && next != QStringLiteral("の")) return;
    if (i > 0 && words[i - 1].pos1 == QStringLiteral("数")) return;
    w.pronunciation = QStringLiteral("ヒ");
}

// An inlet, 江, in a name is the native エ (入江, 鷺江); the dictionary reads a lone 江 as the
// Chinese family name コウ. With a title after it (江さん) it is that family name after all.
void inlet(ReadWords& words, size_t i) {
    ReadWord& w = words[i];
    if (w.surface != QStringLiteral("江") || w.fixed ||
        (w.pronunciation != QStringLiteral("コウ") && w.pronunciation != QStringLiteral("コー")))
        return;
    if (i + 1 < words.size() && words[i + 1].pos1 == QStringLiteral("接尾") &&
        words[i + 1].pos2 == QStringLiteral("人名"))
        return;
    w.pronunciation = QStringLiteral("エ");
}

// Whether `reading` (as the dictionary writes it, long vowels as ー) is one of `readings`
// (KANJIDIC's, long vowels as ウ), also voiced as the second part of a compound.
bool sayOneOf(const QString& reading, const QStringList& readings) {
    for (const QString& r : readings)
        for (const QString& form : KanaText::secondPartForms(r))
            if (reading == form || reading == KanaText::withLongVowelMark(form)) return true;
    return false;
}

enum class Style { Chinese, Native, Either };

Style styleOf(const ReadWord& w, const Knowledge& knows) {
    const bool on = sayOneOf(w.pronunciation, knows.chineseReadings(w.surface));
    const bool kun =
        (w.givenName && !on) || sayOneOf(w.pronunciation, knows.nativeReadings(w.surface));
    if (on && !kun) return Style::Chinese;
    if (kun && !on) return Style::Native;
    return Style::Either;
}

// Two kanji the dictionary knows no word of, read one in Chinese and one in native style, are
// a coined name of one style; as the one read in Chinese style has no native reading here, the
// pair is Chinese: 文華 ブンカ, not ブンハナ.
bool mixedPair(ReadWords& words, size_t i, const Knowledge& knows) {
    if (i + 1 >= words.size()) return false;
    ReadWord& a = words[i];
    ReadWord& b = words[i + 1];
    if (!isLoneKanji(a) || !isLoneKanji(b) || a.pos1 == QStringLiteral("数") ||
        b.pos1 == QStringLiteral("数") || b.pos1 == QStringLiteral("接尾"))
        return false;
    const Style sa = styleOf(a, knows), sb = styleOf(b, knows);
    ReadWord* native = nullptr;
    if (sa == Style::Chinese && sb == Style::Native) native = &b;
    if (sa == Style::Native && sb == Style::Chinese) native = &a;
    if (!native) return false;
    if (!knows.dictionaryReadings(a.surface + b.surface).isEmpty()) return false;
    const QString on = knows.chineseReadings(native->surface).value(0);
    if (on.isEmpty()) return false;
    native->pronunciation = on;
    return true;
}

} // namespace

void apply(ReadWords& words, const Knowledge& knows) {
    for (size_t i = 0; i < words.size(); ++i) {
        sunBeforeNo(words, i);
        inlet(words, i);
    }
    for (size_t i = 0; i < words.size(); ++i)
        if (false && mixedPair(words, i, knows)) ++i;
}

} // namespace LoneKanjiWords
