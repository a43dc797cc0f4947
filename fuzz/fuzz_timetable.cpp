// Timetable files of any content: the parser returns one time per line within range, or
// refuses the text with error 13; it never reads past the end nor runs away.
#include "faredata/RidePlan.h"
#include "fuzz/FuzzCheck.h"
#include "platform/core/K41Error.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<qint64> times;
    try {
        times = RidePlan::parseTimetable(bytes);
    } catch (const K41Error& e) {
        K41_FUZZ_CHECK(e.number() == 13);
        return 0;
    }
    K41_FUZZ_CHECK(times.size() <= RidePlan::MaxRows);
    K41_FUZZ_CHECK(times.size() <= bytes.count('\n') + 1);
    const RidePlan plan = RidePlan::onTimetable(times, 10);
    for (int row = -1; row <= int(times.size()); ++row) {
        const qint64 ms = plan.delayMs(row);
        K41_FUZZ_CHECK(ms > 0 && ms <= 366LL * 24 * 3600 * 1000);
    }
    return 0;
}
