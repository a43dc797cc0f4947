// Tables of nouns' readings and dictionary sources of any content: a table read says of romaji
// only its own reading or one with long vowels added (ウ/オ, or a loanword's ー), and the nouns of
// any source are written as a table that reads back whole.
#include "fuzz/FuzzCheck.h"
#include "sound/NounReadings.h"
#include "sound/Romaji.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const NounReadings any = NounReadings::parse(bytes);
    for (const char* kana : {"コベ", "トキョ", "オサカ", "リョカン"}) {
        const QString word = QString::fromUtf8(kana);
        const QString said = any.spoken(word);
        K41_FUZZ_CHECK(said == word || Romaji::longVowelReadings(word).contains(said) ||
                       Romaji::barLongVowelReadings(word).contains(said));
    }
    NounReadings::Costs costs;
    NounReadings::addNouns(QString::fromUtf8(bytes), costs);
    const NounReadings back = NounReadings::parse(NounReadings::format(costs, "# any\n"));
    K41_FUZZ_CHECK(back.size() == costs.size());
    for (auto it = costs.cbegin(); it != costs.cend(); ++it)
        K41_FUZZ_CHECK(back.cost(it.key()) == it.value());
    return 0;
}
