// Settings files of any content: the reader must refuse or read them without reading past
// the end. A file it reads must come back byte for byte through k41tool's JSON, and what K41
// would save from it must read back to the same bytes.
#include "fuzz/FuzzCheck.h"
#include "platform/core/K41Error.h"
#include "settings/In4File.h"
#include "settings/In4Json.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    // Reading what a cut file holds never throws, and agrees with the whole read.
    In4File partial;
    const In4Format::Partial got = In4Format::readInto(bytes, partial);
    K41_FUZZ_CHECK(got.fieldsRead >= 0 && got.fieldsRead <= In4Format::FieldCount);
    K41_FUZZ_CHECK(got.failure.has_value() == (got.fieldsRead < In4Format::FieldCount));
    In4File file;
    try {
        file = In4Format::read(bytes);
    } catch (const K41Error&) {
        K41_FUZZ_CHECK(got.failure.has_value());
        return 0;
    }
    K41_FUZZ_CHECK(In4Format::writeExact(partial) == bytes);
    K41_FUZZ_CHECK(In4Format::writeExact(file) == bytes);
    K41_FUZZ_CHECK(In4Format::writeExact(In4Json::build(In4Json::dump(file))) == bytes);
    const QByteArray saved = In4Format::write(file);
    K41_FUZZ_CHECK(In4Format::write(In4Format::read(saved)) == saved);
    return 0;
}
