// Broadcast data files of any content: every non-blank line is one record, whatever it holds.
#include "fuzz/FuzzCheck.h"
#include "tape/TapeFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::vector<TapeRec> records = TapeFile::parse(bytes);
    // A line ends at CR, LF or CR LF, so there cannot be more records than line ends plus one.
    K41_FUZZ_CHECK(qsizetype(records.size()) <= bytes.count('\n') + bytes.count('\r') + 1);
    return 0;
}
