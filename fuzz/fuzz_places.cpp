// Place-name and proper-name lists, kanji dictionaries, id tables and town tables of any content:
// every name taken has a kanji and a katakana reading, the user dictionary has a line for each, and
// a town table and the tables counted over the lists (joins, kanji by place, parts of names) read
// back as written.
#include "fuzz/FuzzCheck.h"
#include "sound/JoinVoicing.h"
#include "sound/KanjiInNames.h"
#include "sound/PartReadings.h"
#include "sound/PlaceNames.h"
#include "sound/TownReadings.h"

#include <climits>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    // The same text as an SKK dictionary and as a proper-name dictionary.
    const QList<PlaceNames::Entry> names = PlaceNames::fromEnamdict(text, {"p"});
    const QList<PlaceNames::Entry> entries =
        PlaceNames::fromSkk(text) + PlaceNames::newNames(PlaceNames::fromSkk(text), names);
    for (const PlaceNames::Entry& e : entries + names + PlaceNames::facilities(names)) {
        K41_FUZZ_CHECK(!e.surface.isEmpty() && !e.reading.isEmpty());
        K41_FUZZ_CHECK(!e.surface.contains(u',') && !e.surface.contains(u'\n'));
        for (QChar c : e.reading)
            K41_FUZZ_CHECK((c >= u'\u30A1' && c <= u'\u30FA') || c == u'ー');
    }
    // The same bytes as a kanji dictionary: its readings judge the names' style.
    const auto kanji = KanjiReadings::parseKinds(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (const KanjiReadings::Kinds& k : kanji)
        for (const QString& r : k.on + k.kun)
            K41_FUZZ_CHECK(!r.isEmpty());
    const QList<PlaceNames::Entry> chosen = PlaceNames::choose(
        entries, [](const QString& surface) { return surface.left(2); },
        [&](const QString& name, const QString& reading) {
            return PlaceNames::readsInOneStyle(name, reading, kanji);
        },
        [](const QString& name, const QString& reading) { return name.size() < reading.size(); });
    const QString csv =
        PlaceNames::userDictionaryCsv(chosen, [](const QString& surface, PlaceNames::Analysis& a) {
            a = {1, 2, surface.size() > 2 ? INT_MIN : int(surface.size()) * 30000};
            return true;
        });
    K41_FUZZ_CHECK(csv.count(u'\n') == chosen.size());
    // The same text as one of the dictionary's tables of context ids.
    if (const std::optional<int> id = PlaceNames::contextId(text, PlaceNames::PlaceNounFeatures))
        K41_FUZZ_CHECK(*id >= 0 &&
                       text.contains(QString::fromUtf16(PlaceNames::PlaceNounFeatures)));
    QList<std::pair<QString, QString>> named;
    for (const PlaceNames::Entry& e : entries)
        named.append({e.surface, e.reading});
    const TownReadings::Table towns = TownReadings::count(named);
    K41_FUZZ_CHECK(TownReadings::parse(TownReadings::format(towns)) == towns);
    for (const QString& reading : TownReadings::parse(text))
        K41_FUZZ_CHECK(reading == QStringLiteral("マチ") || reading == QStringLiteral("チョウ"));
    const QString said = TownReadings::reading(towns, text);
    K41_FUZZ_CHECK(said.isEmpty() || said == QStringLiteral("マチ") ||
                   said == QStringLiteral("チョウ"));
    // The same text as the tables counted over the lists: each writes back as it was read.
    for (const auto& [name, reading] : PlaceNames::listedNames(text))
        K41_FUZZ_CHECK(!name.isEmpty() && !reading.isEmpty() && !name.contains(u','));
    const QString joins = JoinVoicing::format(JoinVoicing::parse(text));
    K41_FUZZ_CHECK(JoinVoicing::format(JoinVoicing::parse(joins)) == joins);
    const QString parts = PartReadings::format(PartReadings::parse(text));
    K41_FUZZ_CHECK(PartReadings::format(PartReadings::parse(parts)) == parts);
    const KanjiInNames::Table inNames = KanjiInNames::parse(text);
    const QString inNamesText = KanjiInNames::format(inNames);
    K41_FUZZ_CHECK(KanjiInNames::format(KanjiInNames::parse(inNamesText)) == inNamesText);
    for (auto it = inNames.constBegin(); it != inNames.constEnd(); ++it)
        for (int position : {KanjiInNames::First, KanjiInNames::Inside, KanjiInNames::Last})
            KanjiInNames::namesReading(inNames, it.key(), KanjiInNames::Position(position),
                                       QStringLiteral("ロ"));
    return 0;
}
