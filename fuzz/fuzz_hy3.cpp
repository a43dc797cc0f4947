// Fare data files of any content: the reader must refuse or read them without reading past
// the end, and the check must agree with the reader. A file the reader takes must come back
// byte for byte through k41tool's CSV, and written again from its rows must read back the same.
#include "faredata/Hy3File.h"
#include "fuzz/FuzzCheck.h"
#include "platform/core/K41Error.h"
#include "tools/k41tool/Hy3Csv.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    // The count alone: only a file too short to hold it is refused (error 62), as route
    // loading expects.
    try {
        (void)Hy3File::readCount(bytes);
        K41_FUZZ_CHECK(size != 1);
    } catch (const K41Error& e) {
        K41_FUZZ_CHECK(size == 1 && e.number() == 62);
    }
    const Hy3File::Check verdict = Hy3File::check(bytes);
    std::vector<FareRow> rows;
    try {
        rows = Hy3File::readRows(bytes);
    } catch (const K41Error&) {
        K41_FUZZ_CHECK(!verdict.ok);
        return 0;
    }
    K41_FUZZ_CHECK(verdict.ok && verdict.rows == int(rows.size()));
    K41_FUZZ_CHECK(!rows.empty() && rows.size() <= size_t(Hy3File::MaxRows));
    // The text round trip costs several times the reading; a file over 2 KB (some dozens of rows)
    // takes it one time in eight (by size), so that the run tries many files a second.
    if (!fuzzSampled(size <= 2048 || size % 8 == 0)) return 0;
    const QByteArray csv = Hy3Csv::toCsv(Hy3File::readStored(bytes));
    K41_FUZZ_CHECK(Hy3File::writeStored(Hy3Csv::fromCsv(QString::fromUtf8(csv))) == bytes);
    // Names that code page 932 cannot give back byte for byte are written in their usual form;
    // from then on writing and reading must agree.
    const QByteArray written = Hy3File::write(rows);
    K41_FUZZ_CHECK(Hy3File::write(Hy3File::readRows(written)) == written);
    return 0;
}
