#pragma once
// A feed in memory: its stops, routes and trips, each trip's stops in running order, the
// distinct stop patterns of its trips, and (when asked for) its fares, the stop names'
// readings and who published it. Loading reads only the tables asked for, each with a bound
// on its size, and keeps stop times in a compact form, so the largest feeds load in a few
// tenths of a second and a broken one is a K41Error naming the file.
#include "gtfs/FareRules.h"
#include "gtfs/FeedArchive.h"
#include "gtfs/FeedTable.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

struct GtfsStop {
    QString id;
    QString name;
    QString zone;
};

struct GtfsRoute {
    QString id;
    QString shortName;
    QString longName;
    // route_short_name, else route_long_name.
    QString displayName() const { return shortName.isEmpty() ? longName : shortName; }
};

struct GtfsStopTime {
    qint32 trip = 0;
    qint32 sequence = 0;
    qint32 stop = 0;
    qint32 seconds = -1; // departure, else arrival, from midnight of the service day; -1 none
};

struct GtfsTrip {
    QString id;
    qint32 route = -1;
    QString headsign;       // trip_headsign, else the first stop's stop_headsign
    qint32 headsignSeq = 0; // stop_sequence that gave a stop_headsign
    qint32 firstRow = 0;    // its stop times are rows [firstRow, endRow) of stopTimes
    qint32 endRow = 0;
    qint32 pattern = -1;
};

struct GtfsPattern {
    qint32 route = -1;
    QString headsign;
    std::vector<qint32> stops;
    std::vector<qint32> trips; // in the order of trips.txt
};

struct GtfsInfo {
    QString publisher;
    QString publisherUrl;
    QString version;
    QString startDate;
    QString endDate;
    QStringList agencies;
};

class GtfsFeed {
  public:
    // More stop times than this are refused rather than held (the largest real feeds have a
    // few million).
    static constexpr size_t MaxStopTimes = 12'000'000;

    enum Part { Trips = 1, Fares = 2, Readings = 4, Info = 8, All = 15 };

    // Reads `parts` of the feed. Throws K41Error when a table it needs is missing, cut, too
    // large, or lacks a column it needs.
    static GtfsFeed load(FeedArchive& feed, int parts, FeedProgress* progress = nullptr);
    // The bytes load() will read for `parts`, for a progress bar.
    static qint64 bytesToRead(const FeedArchive& feed, int parts);

    std::vector<GtfsStop> stops;
    std::vector<GtfsRoute> routes;
    std::vector<GtfsTrip> trips;
    std::vector<GtfsStopTime> stopTimes; // ordered by trip, then stop_sequence
    std::vector<GtfsPattern> patterns;   // in the order of their first trip
    FareRules fares;
    QHash<QString, QString> readingsById;   // stop_id -> reading
    QHash<QString, QString> readingsByName; // stop name -> reading
    GtfsInfo info;
    // Rows the feed holds but that could not be used (a trip or stop that is not defined).
    qint64 skippedRows = 0;

    // The trip with id `id`, -1 when there is none.
    qint32 tripIndex(const QString& id) const;

  private:
    void loadTrips(FeedArchive& feed, FeedProgress* progress);
    void loadStopTimes(FeedArchive& feed, FeedProgress* progress);
    void buildPatterns();
    void loadFares(FeedArchive& feed, FeedProgress* progress);
    void loadReadings(FeedArchive& feed, FeedProgress* progress);
    void loadInfo(FeedArchive& feed, FeedProgress* progress);

    QHash<QString, qint32> m_tripIds;
};
