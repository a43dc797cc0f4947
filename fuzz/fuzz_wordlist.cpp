// Any content as an English word list: the words kept are small letters a to z only, of a
// bounded length, sorted, and each is found again.
#include "fuzz/FuzzCheck.h"
#include "sound/EnglishWordList.h"

#include <QByteArray>
#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::vector<std::string_view> words = EnglishWordList::words(text);
    K41_FUZZ_CHECK(std::is_sorted(words.begin(), words.end()));
    for (std::string_view w : words) {
        K41_FUZZ_CHECK(!w.empty() && w.size() <= 32);
        K41_FUZZ_CHECK(
            std::all_of(w.begin(), w.end(), [](char c) { return c >= 'a' && c <= 'z'; }));
        K41_FUZZ_CHECK(std::binary_search(words.begin(), words.end(), w));
    }
    return 0;
}
