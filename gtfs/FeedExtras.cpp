// The parts of a feed that an import needs besides its trips: fares, readings, publisher.
#include "gtfs/GtfsFeed.h"

namespace {

const QString Kana = QStringLiteral("ja-Hrkt");

bool hasText(const FeedRow& row, size_t i) {
    return !row[i].empty();
}

} // namespace

void GtfsFeed::loadFares(FeedArchive& feed, FeedProgress* progress) {
    const QString attributes = QStringLiteral("fare_attributes.txt");
    const QString rules = QStringLiteral("fare_rules.txt");
    // A feed without fares is still a route: the import reports every pair as unpriced.
    if (!feed.has(attributes) || !feed.has(rules)) return;
    FeedTable::read(
        feed, attributes, FeedTable::SmallTableBytes, {"fare_id", "price"}, 2,
        [&](const FeedRow& row) { fares.setPrice(row[0], row[1]); }, progress);
    FeedTable::read(
        feed, rules, FeedArchive::MaxFileBytes / 4,
        {"fare_id", "route_id", "origin_id", "destination_id", "contains_id"}, 1,
        [&](const FeedRow& row) { fares.addRule(row[0], row[1], row[2], row[3], row[4]); },
        progress);
}

void GtfsFeed::loadReadings(FeedArchive& feed, FeedProgress* progress) {
    const QString file = QStringLiteral("translations.txt");
    if (!feed.has(file)) return;
    // Two layouts are in use: the older one keys a translation by the text itself
    // (trans_id,lang,translation), the newer one by table, field and record or value.
    enum { TransId, Lang, Translation, Table, Field, Language, RecordId, FieldValue };
    FeedTable::read(
        feed, file, FeedTable::SmallTableBytes,
        {"trans_id", "lang", "translation", "table_name", "field_name", "language", "record_id",
         "field_value"},
        0,
        [&](const FeedRow& row) {
            const QString reading = row.text(Translation);
            if (reading.isEmpty()) return;
            if (hasText(row, TransId)) {
                if (row.text(Lang) == Kana && !readingsByName.contains(row.text(TransId)))
                    readingsByName.insert(row.text(TransId), reading);
                return;
            }
            if (row.text(Language) != Kana || row[Table] != "stops" || row[Field] != "stop_name")
                return;
            if (hasText(row, RecordId)) readingsById.insert(row.text(RecordId), reading);
            if (hasText(row, FieldValue) && !readingsByName.contains(row.text(FieldValue)))
                readingsByName.insert(row.text(FieldValue), reading);
        },
        progress);
}

void GtfsFeed::loadInfo(FeedArchive& feed, FeedProgress* progress) {
    const QString feedInfo = QStringLiteral("feed_info.txt");
    const QString agency = QStringLiteral("agency.txt");
    if (feed.has(feedInfo))
        FeedTable::read(
            feed, feedInfo, FeedTable::SmallTableBytes,
            {"feed_publisher_name", "feed_publisher_url", "feed_version", "feed_start_date",
             "feed_end_date"},
            0,
            [&](const FeedRow& row) {
                if (!info.publisher.isEmpty()) return;
                info =
                    GtfsInfo{row.text(0), row.text(1), row.text(2), row.text(3), row.text(4), {}};
            },
            progress);
    if (feed.has(agency))
        FeedTable::read(
            feed, agency, FeedTable::SmallTableBytes, {"agency_name"}, 0,
            [&](const FeedRow& row) {
                if (hasText(row, 0) && info.agencies.size() < 50) info.agencies << row.text(0);
            },
            progress);
}
