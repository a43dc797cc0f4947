// Settings files of any content: the reader must refuse or read them without reading past
// the end. What it reads is written again, and that file must read back to the same bytes.
#include "fuzz/FuzzCheck.h"
#include "platform/K41Error.h"
#include "settings/In4File.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    In4File file;
    try {
        file = In4Format::read(bytes);
    } catch (const K41Error&) {
        return 0;
    }
    const QByteArray written = In4Format::write(file);
    K41_FUZZ_CHECK(In4Format::write(In4Format::read(written)) == written);
    return 0;
}
