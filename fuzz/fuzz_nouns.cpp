// Tables of nouns' readings and dictionary sources of any content: a table read says of romaji
// only its own reading or one with long vowels added (ウ/オ, or a loanword's ー), the nouns and
// loanwords of any source are written as a table that reads back whole, and any phonemes are
// said as katakana whatever the table of loanwords holds.
#include "fuzz/FuzzCheck.h"
#include "sound/LoanwordKana.h"
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
    const QString text = QString::fromUtf8(bytes);
    for (const bool loanwords : {false, true}) {
        NounReadings::Costs costs;
        if (loanwords)
            NounReadings::addLoanwords(text, costs);
        else
            NounReadings::addNouns(text, costs);
        const NounReadings back = NounReadings::parse(NounReadings::format(costs, "# any\n"));
        K41_FUZZ_CHECK(back.size() == costs.size());
        for (auto it = costs.cbegin(); it != costs.cend(); ++it)
            K41_FUZZ_CHECK(back.cost(it.key()) == it.value());
    }
    // A word's phonemes are short; the bound keeps each run quick.
    const QString said = LoanwordKana::choose(QStringView(text).left(16), u"fuzzword",
                                              [&](const QString& kana) { return any.cost(kana); });
    for (QChar c : said)
        K41_FUZZ_CHECK((c >= u'\u30A1' && c <= u'\u30FA') || c == u'ー');
    return 0;
}
