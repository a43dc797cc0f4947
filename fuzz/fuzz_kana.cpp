// Announcement text of any content through the character rules of its reading: what the voice
// is given is katakana and pauses only, romaji gives katakana or nothing, abbreviations leave a
// text without letters or digits as it is, iteration marks keep its length, and a number in
// kanji has a value in range or none.
#include "fuzz/FuzzCheck.h"
#include "sound/Abbreviations.h"
#include "sound/IterationMarks.h"
#include "sound/KanaText.h"
#include "sound/NumeralWords.h"
#include "sound/Romaji.h"

#include <cstddef>
#include <cstdint>

namespace {

bool isKatakana(QChar c) {
    return (c >= u'\u30A1' && c <= u'\u30F4') || c == u'ー';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (QChar c : KanaText::speakable(text))
        K41_FUZZ_CHECK(isKatakana(c) || QStringView(u"、。？！").contains(c));
    for (QChar c : Romaji::toKana(text))
        K41_FUZZ_CHECK(isKatakana(c));
    const QString expanded = Abbreviations::expand(text);
    bool plain = true;
    for (QChar c : text)
        plain = plain && !(c.unicode() < 0x80 && c.isLetterOrNumber());
    K41_FUZZ_CHECK(!plain || expanded == text);
    // Each mark stands for one character.
    K41_FUZZ_CHECK(IterationMarks::expandKana(text).size() == text.size());
    const long long n = NumeralWords::value(text);
    K41_FUZZ_CHECK(n == -1 || (n >= 0 && n < 100000000));
    return 0;
}
