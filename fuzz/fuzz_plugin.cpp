// Ticket plug-in files of any content: each is read or refused with a reason, never both.
#include "fuzz/FuzzCheck.h"
#include "platform/ticket/TicketPluginReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const TicketPluginReader::Result result = TicketPluginReader::parse(bytes);
    K41_FUZZ_CHECK(bool(result) == result.reason.isEmpty());
    return 0;
}
