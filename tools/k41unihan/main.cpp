// Writes the table of kanji readings that the speech falls back on after KANJIDIC (see
// sound/UnihanReadings.h):
//   k41unihan TABLE.tsv UNIHAN_READINGS.txt UNIHAN_VARIANTS.txt [KANJIDIC]
// The two Unihan files are those of Debian's unicode-data, decompressed. KANJIDIC (EUC-JP),
// when given, says which kanji need no variant form read in their place.
#include "platform/core/FileReader.h"
#include "platform/core/FileReplace.h"
#include "platform/core/K41Error.h"
#include "sound/KanjiReadings.h"
#include "sound/UnihanReadings.h"

#include <cstdio>

namespace {

// Unihan_Readings.txt is about 7 MB decompressed, Unihan_Variants.txt under 1 MB.
constexpr qint64 MaxBytes = 64 * 1024 * 1024;

QByteArray readFile(const char* path) {
    return FileReader::read(QString::fromLocal8Bit(path), MaxBytes);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: k41unihan TABLE.tsv UNIHAN_READINGS.txt "
                             "UNIHAN_VARIANTS.txt [KANJIDIC]\n");
        return 2;
    }
    try {
        UnihanReadings::Table table;
        table.readings = UnihanReadings::parseReadings(readFile(argv[2]));
        const QHash<QString, KanjiReadings::Kinds> kanjidic =
            argc == 5 ? KanjiReadings::parseKinds(readFile(argv[4]))
                      : QHash<QString, KanjiReadings::Kinds>();
        table.variants =
            UnihanReadings::readableVariants(readFile(argv[3]), table.readings, kanjidic);
        // A file of another layout gives no readings; an empty table would hide that.
        if (table.readings.isEmpty()) {
            std::fprintf(stderr, "k41unihan: no Japanese readings in %s\n", argv[2]);
            return 1;
        }
        FileReplace::write(QString::fromLocal8Bit(argv[1]), UnihanReadings::formatTable(table));
    } catch (const K41Error& e) {
        std::fprintf(stderr, "k41unihan: %s\n", qPrintable(e.description()));
        return 1;
    }
    return 0;
}
