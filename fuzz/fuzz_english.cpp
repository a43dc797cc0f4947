// The synthesiser's English phonemes of any content made katakana: the first line is the
// word's spelling, the rest its phonemes. What comes out is katakana and ー only, a few kana
// a phoneme at most.
#include "fuzz/FuzzCheck.h"
#include "sound/EnglishKana.h"

#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype newline = text.indexOf(u'\n');
    const QStringView spelling = newline < 0 ? QStringView() : QStringView(text).left(newline);
    const QStringView phonemes =
        newline < 0 ? QStringView(text) : QStringView(text).mid(newline + 1);
    const QString kana = EnglishKana::fromPhonemes(phonemes, spelling);
    for (QChar c : kana)
        K41_FUZZ_CHECK((c >= u'\u30A1' && c <= u'\u30F4') || c == u'ー');
    K41_FUZZ_CHECK(kana.size() <= 4 * phonemes.size());
    return 0;
}
