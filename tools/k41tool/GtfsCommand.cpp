// k41tool gtfs: lists the stop patterns of an open-data route feed (GTFS-JP, a zip file or a
// folder) and imports one trip of it as a route: fare data, broadcast data, readings, timetable
// and a note of where it came from.
#include "tools/k41tool/Commands.h"

#include "gtfs/FeedArchive.h"
#include "gtfs/GtfsFeed.h"
#include "gtfs/RouteFiles.h"
#include "gtfs/RouteImport.h"
#include "platform/core/K41Error.h"

#include <cstdio>

namespace {

void printErr(const QString& text) {
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

int usage() {
    printErr(QStringLiteral("usage: k41tool gtfs list FEED\n"
                            "       k41tool gtfs import FEED (--trip TRIP_ID | --pattern ID) "
                            "--route N [--ticket-per-stop] OUTDIR"));
    return 2;
}

// A field of a tab-separated line: tabs and line breaks in names would break the columns.
QString cell(QString text) {
    for (QChar& c : text)
        if (c == u'\t' || c == u'\n' || c == u'\r') c = u' ';
    return text;
}

int list(const QString& path) {
    const std::unique_ptr<FeedArchive> archive = FeedArchive::open(path);
    const GtfsFeed feed = GtfsFeed::load(*archive, GtfsFeed::Trips);
    if (feed.patterns.empty())
        throw K41Error(K41Error::InputPastEnd,
                       QStringLiteral("%1 には停留所が2つ以上の便がありません").arg(path));
    QByteArray out;
    for (size_t p = 0; p < feed.patterns.size(); ++p) {
        const GtfsPattern& pattern = feed.patterns[p];
        const QStringList fields = {
            QString::number(p + 1),
            cell(feed.routes[size_t(pattern.route)].displayName()),
            cell(pattern.headsign),
            cell(feed.stops[size_t(pattern.stops.front())].name),
            cell(feed.stops[size_t(pattern.stops.back())].name),
            QString::number(pattern.stops.size()),
            QString::number(pattern.trips.size()),
            cell(feed.trips[size_t(pattern.trips.front())].id),
        };
        out += fields.join(u'\t').toUtf8() + '\n';
    }
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

int importFeed(const QString& path, QStringList args) {
    QString trip, pattern, route, outDir;
    RouteImport::Options options;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("--ticket-per-stop")) {
            options.ticketPerStop = true;
        } else if (a == QLatin1String("--trip") || a == QLatin1String("--pattern") ||
                   a == QLatin1String("--route")) {
            if (args.isEmpty()) return usage();
            QString& value = a == QLatin1String("--trip")      ? trip
                             : a == QLatin1String("--pattern") ? pattern
                                                               : route;
            value = args.takeFirst();
        } else if (outDir.isEmpty() && !a.startsWith(u'-')) {
            outDir = a;
        } else {
            return usage();
        }
    }
    if (outDir.isEmpty() || route.isEmpty() || trip.isEmpty() == pattern.isEmpty()) return usage();
    const QString number = RouteFiles::routeNumber(route);
    const std::unique_ptr<FeedArchive> archive = FeedArchive::open(path);
    const GtfsFeed feed = GtfsFeed::load(*archive, GtfsFeed::All);
    qint32 tripIndex = -1;
    if (!trip.isEmpty()) {
        tripIndex = feed.tripIndex(trip);
        if (tripIndex < 0)
            throw K41Error(K41Error::SubscriptOutOfRange,
                           QStringLiteral("便 %1 がありません").arg(trip));
    } else {
        bool ok = false;
        const qsizetype p = pattern.toLongLong(&ok);
        if (!ok || p < 1 || p > qsizetype(feed.patterns.size()))
            throw K41Error(K41Error::SubscriptOutOfRange,
                           QStringLiteral("系統パターン %1 がありません（1 から %2）")
                               .arg(pattern)
                               .arg(feed.patterns.size()));
        tripIndex = feed.patterns[size_t(p - 1)].trips.front();
    }
    const ImportedRoute imported = RouteImport::build(feed, tripIndex, options);
    const QStringList written =
        RouteFiles::write(imported, feed.info, path, number, outDir, outDir);
    for (const QString& w : imported.warnings)
        printErr(QStringLiteral("k41tool: %1: %2").arg(path, w));
    printErr(QStringLiteral("k41tool: 停留所 %1、整理券番号 %2: %3")
                 .arg(imported.rows.size())
                 .arg(imported.ticketCount)
                 .arg(written.join(QStringLiteral(", "))));
    return 0;
}

} // namespace

int gtfsCommand(const QStringList& args) {
    if (args.size() < 2) return usage();
    const QString& feed = args[1];
    try {
        if (args[0] == QLatin1String("list") && args.size() == 2) return list(feed);
        if (args[0] == QLatin1String("import")) return importFeed(feed, args.mid(2));
    } catch (const K41Error& e) {
        printErr(QStringLiteral("k41tool: %1").arg(e.description()));
        return 1;
    } catch (const std::bad_alloc&) {
        printErr(QStringLiteral("k41tool: %1: メモリーが足りません").arg(feed));
        return 1;
    }
    return usage();
}
