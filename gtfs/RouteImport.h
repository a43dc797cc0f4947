#pragma once
// One trip of a feed turned into a route K41 can ride: the fare data rows with ticket numbers
// and fares, the announcements, the stop names' readings and the timetable. What cannot be
// carried faithfully is said in warnings (a pair of stops without a fare rule leaves its cell
// 0, unlit, never a guessed fare); what cannot fit at all is refused.
#include "faredata/FareRow.h"
#include "gtfs/GtfsFeed.h"
#include "tape/TapeFile.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

struct ImportedRoute {
    QString tripId;
    QString routeId;
    QString routeName;
    QString headsign;
    std::vector<FareRow> rows;
    int ticketCount = 0;
    std::vector<TapeRec> announcements;                // one per stop
    std::vector<std::pair<QString, QString>> readings; // stop name, katakana; once per name
    std::vector<std::pair<qint32, QString>> times;     // seconds from the first stop, stop name
    QStringList warnings;
};

namespace RouteImport {

struct Options {
    // One ticket number per stop instead of one per stretch of equal fares.
    bool ticketPerStop = false;
};

// The route of trip `trip` (an index into feed.trips). The feed must hold its trips and should
// hold its fares and readings. Throws K41Error 9 for more than 301 stops or 150 ticket numbers,
// and for a trip of fewer than two stops.
ImportedRoute build(const GtfsFeed& feed, qint32 trip, const Options& options);

// The announcement texts.
QString headsignText(const QString& headsign);
QString nextStopText(const QString& name, bool last);

} // namespace RouteImport
