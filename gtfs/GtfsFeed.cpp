#include "gtfs/GtfsFeed.h"

#include "gtfs/ByteMap.h"
#include "platform/core/K41Error.h"

#include <algorithm>
#include <charconv>

namespace {

const QString StopsTxt = QStringLiteral("stops.txt");
const QString RoutesTxt = QStringLiteral("routes.txt");
const QString TripsTxt = QStringLiteral("trips.txt");
const QString StopTimesTxt = QStringLiteral("stop_times.txt");

QString utf8(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

bool toInt(std::string_view s, qint32& value) {
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    return error == std::errc() && end == s.data() + s.size();
}

// "H:MM:SS" with hours past 24 for trips after midnight; -1 when empty or not a time.
qint32 seconds(std::string_view s) {
    const size_t a = s.find(':');
    const size_t b = a == std::string_view::npos ? a : s.find(':', a + 1);
    if (b == std::string_view::npos) return -1;
    qint32 h = 0, m = 0, sec = 0;
    if (a > 3 || !toInt(s.substr(0, a), h) || !toInt(s.substr(a + 1, b - a - 1), m) ||
        !toInt(s.substr(b + 1), sec) || h < 0 || m < 0 || m > 59 || sec < 0 || sec > 60)
        return -1;
    return h * 3600 + m * 60 + sec;
}

} // namespace

qint64 GtfsFeed::bytesToRead(const FeedArchive& feed, int parts) {
    QStringList files;
    if (parts & Trips) files << StopsTxt << RoutesTxt << TripsTxt << StopTimesTxt;
    if (parts & Fares)
        files << QStringLiteral("fare_attributes.txt") << QStringLiteral("fare_rules.txt");
    if (parts & Readings) files << QStringLiteral("translations.txt");
    if (parts & Info) files << QStringLiteral("feed_info.txt") << QStringLiteral("agency.txt");
    qint64 total = 0;
    for (const QString& f : files)
        total += feed.declaredSize(f);
    return total;
}

GtfsFeed GtfsFeed::load(FeedArchive& feed, int parts, FeedProgress* progress) {
    GtfsFeed result;
    if (parts & Info) result.loadInfo(feed, progress);
    // Stops are read for every part: fares and readings are looked up by stop.
    FeedTable::read(
        feed, StopsTxt, FeedTable::SmallTableBytes, {"stop_id", "stop_name", "zone_id"}, 2,
        [&](const FeedRow& row) {
            result.stops.push_back(GtfsStop{row.text(0), row.text(1), row.text(2)});
        },
        progress);
    if (parts & Trips) {
        result.loadTrips(feed, progress);
        result.loadStopTimes(feed, progress);
        result.buildPatterns();
    }
    if (parts & Fares) result.loadFares(feed, progress);
    if (parts & Readings) result.loadReadings(feed, progress);
    return result;
}

qint32 GtfsFeed::tripIndex(const QString& id) const {
    return m_tripIds.value(id, -1);
}

void GtfsFeed::loadTrips(FeedArchive& feed, FeedProgress* progress) {
    QHash<QString, qint32> routeIds;
    FeedTable::read(
        feed, RoutesTxt, FeedTable::SmallTableBytes,
        {"route_id", "route_short_name", "route_long_name"}, 1,
        [&](const FeedRow& row) {
            const QString id = row.text(0);
            if (routeIds.contains(id)) return;
            routeIds.insert(id, qint32(routes.size()));
            routes.push_back(GtfsRoute{id, row.text(1), row.text(2)});
        },
        progress);
    FeedTable::read(
        feed, TripsTxt, FeedTable::SmallTableBytes, {"route_id", "trip_id", "trip_headsign"}, 2,
        [&](const FeedRow& row) {
            const QString id = row.text(1);
            const qint32 route = routeIds.value(row.text(0), -1);
            if (route < 0 || id.isEmpty() || m_tripIds.contains(id)) {
                ++skippedRows;
                return;
            }
            m_tripIds.insert(id, qint32(trips.size()));
            GtfsTrip trip;
            trip.id = id;
            trip.route = route;
            trip.headsign = row.text(2);
            trips.push_back(std::move(trip));
        },
        progress);
}

void GtfsFeed::loadStopTimes(FeedArchive& feed, FeedProgress* progress) {
    // Stops are looked up by the id's bytes, sparing a conversion on every row.
    ByteMap<qint32> stopIds;
    for (qint32 i = 0; i < qint32(stops.size()); ++i)
        stopIds.emplace(stops[size_t(i)].id.toStdString(), i);
    // Rows of one trip usually come together: the last trip's index is kept to spare a lookup.
    std::string lastTrip;
    qint32 lastIndex = -1;
    std::vector<QString> stopHeadsigns(trips.size());
    FeedTable::read(
        feed, StopTimesTxt, FeedArchive::MaxFileBytes,
        {"trip_id", "stop_id", "stop_sequence", "arrival_time", "departure_time", "stop_headsign"},
        3,
        [&](const FeedRow& row) {
            const std::string_view tripId = row[0];
            if (tripId != lastTrip) {
                lastTrip.assign(tripId);
                lastIndex = m_tripIds.value(utf8(tripId), -1);
            }
            GtfsStopTime st;
            st.trip = lastIndex;
            const auto stop = stopIds.find(row[1]);
            st.stop = stop == stopIds.end() ? -1 : stop->second;
            if (stopTimes.size() >= MaxStopTimes)
                throw K41Error(K41Error::OutOfMemory,
                               QStringLiteral("%1 の %2 は行が多すぎます（%3 行まで）")
                                   .arg(feed.name(), StopTimesTxt)
                                   .arg(MaxStopTimes));
            if (st.trip < 0 || st.stop < 0 || !toInt(row[2], st.sequence)) {
                ++skippedRows;
                return;
            }
            st.seconds = seconds(row[4]);
            if (st.seconds < 0) st.seconds = seconds(row[3]);
            GtfsTrip& trip = trips[size_t(st.trip)];
            const std::string_view headsign = row[5];
            if (!headsign.empty() &&
                (stopHeadsigns[size_t(st.trip)].isEmpty() || st.sequence < trip.headsignSeq)) {
                stopHeadsigns[size_t(st.trip)] = utf8(headsign);
                trip.headsignSeq = st.sequence;
            }
            stopTimes.push_back(st);
        },
        progress);
    // Sorted in place: a stable sort would take a second buffer as large as the rows.
    const auto byTripAndSequence = [](const GtfsStopTime& a, const GtfsStopTime& b) {
        return a.trip != b.trip ? a.trip < b.trip : a.sequence < b.sequence;
    };
    if (!std::is_sorted(stopTimes.begin(), stopTimes.end(), byTripAndSequence))
        std::sort(stopTimes.begin(), stopTimes.end(), byTripAndSequence);
    for (size_t i = 0; i < stopTimes.size();) {
        size_t end = i;
        while (end < stopTimes.size() && stopTimes[end].trip == stopTimes[i].trip)
            ++end;
        GtfsTrip& trip = trips[size_t(stopTimes[i].trip)];
        trip.firstRow = qint32(i);
        trip.endRow = qint32(end);
        if (trip.headsign.isEmpty()) trip.headsign = stopHeadsigns[size_t(stopTimes[i].trip)];
        i = end;
    }
}

void GtfsFeed::buildPatterns() {
    QHash<QByteArray, qint32> known;
    for (qint32 t = 0; t < qint32(trips.size()); ++t) {
        GtfsTrip& trip = trips[size_t(t)];
        if (trip.endRow - trip.firstRow < 2) continue; // no ride without two stops
        // The key: route, headsign and the stops in order, as bytes.
        QByteArray k;
        k.reserve((trip.endRow - trip.firstRow + 1) * 4 + trip.headsign.size() * 3);
        k.append(reinterpret_cast<const char*>(&trip.route), sizeof trip.route);
        for (qint32 r = trip.firstRow; r < trip.endRow; ++r)
            k.append(reinterpret_cast<const char*>(&stopTimes[size_t(r)].stop), sizeof(qint32));
        k.append(trip.headsign.toUtf8());
        auto it = known.find(k);
        if (it == known.end()) {
            GtfsPattern p;
            p.route = trip.route;
            p.headsign = trip.headsign;
            for (qint32 r = trip.firstRow; r < trip.endRow; ++r)
                p.stops.push_back(stopTimes[size_t(r)].stop);
            it = known.insert(k, qint32(patterns.size()));
            patterns.push_back(std::move(p));
        }
        trip.pattern = *it;
        patterns[size_t(*it)].trips.push_back(t);
    }
}
