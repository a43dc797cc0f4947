// Kanji databases and kanji tables of any content: every reading taken is katakana, every
// variant read instead is itself read, and a table reads back as the build wrote it.
#include "fuzz/FuzzCheck.h"
#include "sound/UnihanReadings.h"

#include <cstddef>
#include <cstdint>

namespace {

bool isKatakana(const QString& s) {
    for (QChar c : s)
        if (!((c >= u'\u30A1' && c <= u'\u30FA') || c == u'ー')) return false;
    return !s.isEmpty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    // The same bytes as the database's readings, its variants, and a table.
    UnihanReadings::Table table;
    table.readings = UnihanReadings::parseReadings(bytes);
    for (const KanjiReadings::Kinds& k : table.readings)
        for (const QString& r : k.on + k.kun)
            K41_FUZZ_CHECK(isKatakana(r));
    table.variants = UnihanReadings::readableVariants(bytes, table.readings, {});
    for (auto it = table.variants.cbegin(); it != table.variants.cend(); ++it)
        K41_FUZZ_CHECK(table.readings.contains(QString(it.value())) && it.key() != it.value());
    const UnihanReadings::Table back =
        UnihanReadings::parseTable(UnihanReadings::formatTable(table));
    K41_FUZZ_CHECK(back.variants == table.variants);
    K41_FUZZ_CHECK(back.readings.size() == table.readings.size());
    for (auto it = table.readings.cbegin(); it != table.readings.cend(); ++it) {
        K41_FUZZ_CHECK(back.readings.value(it.key()).on == it->on);
        K41_FUZZ_CHECK(back.readings.value(it.key()).kun == it->kun);
    }
    // Whatever a table holds, what it reads is katakana.
    const UnihanReadings::Table any = UnihanReadings::parseTable(bytes);
    for (auto it = any.readings.cbegin(); it != any.readings.cend(); ++it) {
        const QString r = UnihanReadings::reading(any, it.key());
        K41_FUZZ_CHECK(isKatakana(r));
    }
    return 0;
}
