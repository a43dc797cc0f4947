// Reading tables of any content: every entry has a name and a reading of katakana only.
#include "fuzz/FuzzCheck.h"
#include "tape/ReadingTable.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const ReadingTable table = ReadingTable::parse(bytes);
    K41_FUZZ_CHECK(table.longestName() <= bytes.size());
    // Whatever was read, every name in the text gives back a clean reading.
    const QString text = QString::fromUtf8(bytes);
    for (qsizetype i = 0; i < text.size() && i < 64; ++i) {
        const QString reading = table.reading(QStringView(text).mid(i, 8));
        for (QChar c : reading)
            K41_FUZZ_CHECK((c >= u'\u30A1' && c <= u'\u30FA') || c == u'ー');
    }
    return 0;
}
