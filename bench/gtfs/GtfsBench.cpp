// Reading a feed as large as the largest real ones (600 stops each its own fare zone, about
// 180,000 fare rules, 1,000 trips of 300 stops), zipped. The baseline is inflating the feed's
// tables without looking at them; printed are the ratios of listing its patterns, loading its
// fares alone, loading it whole, and importing one 300-stop trip, and the ratio per byte of
// loading a feed twice as large (near 1 when loading grows linearly).
#include "gtfs/FeedArchive.h"
#include "gtfs/GtfsFeed.h"
#include "gtfs/RouteImport.h"

#include <QElapsedTimer>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <zip.h>

namespace {

QByteArray zipOf(const QList<std::pair<QString, QByteArray>>& files) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* out = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = zip_open_from_source(out, ZIP_TRUNCATE, &error);
    zip_source_keep(out);
    for (const auto& [name, bytes] : files)
        zip_file_add(archive, name.toUtf8().constData(),
                     zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0),
                     0);
    zip_close(archive);
    zip_stat_t st;
    QByteArray result;
    if (zip_source_stat(out, &st) == 0 && zip_source_open(out) == 0) {
        result.resize(qsizetype(st.size));
        zip_source_read(out, result.data(), st.size);
        zip_source_close(out);
    }
    zip_source_free(out);
    zip_error_fini(&error);
    return result;
}

// A feed of `stops` stops and `trips` trips of `perTrip` stops each.
QByteArray feed(int stops, int trips, int perTrip) {
    QByteArray s = "stop_id,stop_name,zone_id\n";
    for (int i = 0; i < stops; ++i)
        s += "s" + QByteArray::number(i) + ",停留所" + QByteArray::number(i) + ",z" +
             QByteArray::number(i) + "\n";
    QByteArray attributes = "fare_id,price\n", rules = "fare_id,origin_id,destination_id\n";
    for (int f = 0; f <= 100; ++f)
        attributes += "f" + QByteArray::number(f) + "," + QByteArray::number(150 + 10 * f) + "\n";
    for (int i = 0; i < stops; ++i)
        for (int j = i + 1; j < stops; ++j)
            rules += "f" + QByteArray::number((j / 6 - i / 6) % 101) + ",z" +
                     QByteArray::number(i) + ",z" + QByteArray::number(j) + "\n";
    QByteArray tripsTxt = "route_id,service_id,trip_id,trip_headsign\n";
    QByteArray times = "trip_id,arrival_time,departure_time,stop_id,stop_sequence\n";
    for (int t = 0; t < trips; ++t) {
        tripsTxt += "r,平日,t" + QByteArray::number(t) + ",終点\n";
        const int first = (t % 2) * (stops - perTrip);
        for (int k = 0; k < perTrip; ++k) {
            const QByteArray hhmmss =
                QByteArray::number(10 + k / 60) + ":" + QByteArray::number(10 + k % 50) + ":00";
            times += "t" + QByteArray::number(t) + "," + hhmmss + "," + hhmmss + ",s" +
                     QByteArray::number(first + k) + "," + QByteArray::number(k + 1) + "\n";
        }
    }
    return zipOf({{"stops.txt", s},
                  {"routes.txt", "route_id,route_short_name\nr,1\n"},
                  {"trips.txt", tripsTxt},
                  {"stop_times.txt", times},
                  {"fare_attributes.txt", attributes},
                  {"fare_rules.txt", rules}});
}

// Milliseconds, the best of three rounds.
double best(const std::function<void()>& work) {
    double ms = 1e300;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer clock;
        clock.start();
        work();
        ms = std::min(ms, double(clock.nsecsElapsed()) / 1e6);
    }
    return ms;
}

double inflateAll(const QByteArray& zip) {
    return best([&] {
        const auto archive = FeedArchive::fromZipBytes(zip, "bench.zip");
        for (const char* name : {"stops.txt", "routes.txt", "trips.txt", "stop_times.txt",
                                 "fare_attributes.txt", "fare_rules.txt"})
            archive->read(QString::fromLatin1(name), FeedArchive::MaxFileBytes,
                          [](const char*, qint64) {});
    });
}

double load(const QByteArray& zip, int parts) {
    return best([&] {
        const auto archive = FeedArchive::fromZipBytes(zip, "bench.zip");
        GtfsFeed::load(*archive, parts);
    });
}

} // namespace

int main() {
    const QByteArray large = feed(600, 1000, 300);
    const QByteArray twice = feed(848, 2000, 300); // about twice the rules and stop times
    const double base = inflateAll(large);
    std::printf("inflating the tables (%lld KB zipped): %.1f ms (baseline)\n",
                large.size() / 1024LL, base);
    const double list = load(large, GtfsFeed::Trips);
    std::printf("listing the patterns: %.1f ms, ratio %.2f\n", list, list / base);
    const double faresOnly = load(large, GtfsFeed::Fares);
    std::printf("loading the fares alone: %.1f ms, ratio %.2f\n", faresOnly, faresOnly / base);
    const double all = load(large, GtfsFeed::All);
    std::printf("loading trips and fares: %.1f ms, ratio %.2f\n", all, all / base);
    const auto archive = FeedArchive::fromZipBytes(large, "bench.zip");
    const GtfsFeed loaded = GtfsFeed::load(*archive, GtfsFeed::All);
    const double import =
        best([&] { RouteImport::build(loaded, loaded.patterns.front().trips.front(), {}); });
    std::printf("importing a 300-stop trip: %.1f ms, ratio %.2f\n", import, import / base);
    const double twiceBase = inflateAll(twice);
    const double twiceAll = load(twice, GtfsFeed::All);
    std::printf("loading a feed twice as large: %.1f ms, its ratio against the first's ratio "
                "%.2f (near 1 when loading grows linearly)\n",
                twiceAll, twiceAll / twiceBase / (all / base));
    return 0;
}
