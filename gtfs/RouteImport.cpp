#include "gtfs/RouteImport.h"

#include "faredata/Hy3File.h"
#include "gtfs/Katakana.h"
#include "platform/core/Codec932.h"
#include "platform/core/K41Error.h"

#include <QSet>
#include <algorithm>
#include <optional>

namespace RouteImport {

namespace {

// Stop names go into one line of the board and of the broadcast file.
QString cleanName(QString name) {
    for (QChar& c : name)
        if (c.category() == QChar::Other_Control) c = u' ';
    return name.trimmed();
}

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), size_t(bytes.size())};
}

// The fares between the stops of one trip, looked up once per pair.
class FareGrid {
  public:
    FareGrid(const GtfsFeed& feed, const GtfsRoute& route, const std::vector<qint32>& stops)
        : m_n(stops.size()), m_cells(m_n * m_n) {
        const QByteArray routeId = route.id.toUtf8();
        std::vector<QByteArray> zones;
        for (qint32 s : stops)
            zones.push_back(feed.stops[size_t(s)].zone.toUtf8());
        for (size_t i = 0; i < m_n; ++i)
            for (size_t j = i + 1; j < m_n; ++j) {
                const auto fare = feed.fares.fare(view(routeId), view(zones[i]), view(zones[j]));
                if (fare) {
                    m_cells[i * m_n + j] = fare->price;
                    if (fare->conflicting) ++conflicts;
                }
            }
    }
    const std::optional<qint64>& at(size_t from, size_t to) const {
        return m_cells[from * m_n + to];
    }
    int conflicts = 0;

  private:
    size_t m_n;
    std::vector<std::optional<qint64>> m_cells;
};

// Ticket numbers by stop: a new number where the fares onward differ from the stop before.
std::vector<int> ticketNumbers(const FareGrid& grid, size_t n, bool perStop) {
    std::vector<int> numbers(n, 1);
    for (size_t i = 1; i < n; ++i) {
        bool same = !perStop;
        for (size_t j = i + 1; same && j < n; ++j)
            same = grid.at(i - 1, j) == grid.at(i, j);
        numbers[i] = numbers[i - 1] + (same ? 0 : 1);
    }
    return numbers;
}

} // namespace

QString headsignText(const QString& headsign) {
    return QStringLiteral("この バスは %1 行きです。").arg(headsign);
}

QString nextStopText(const QString& name, bool last) {
    return last ? QStringLiteral("次は、終点、%1です。").arg(name)
                : QStringLiteral("次は、%1です。").arg(name);
}

ImportedRoute build(const GtfsFeed& feed, qint32 tripIndex, const Options& options) {
    const GtfsTrip& trip = feed.trips.at(size_t(tripIndex));
    const GtfsRoute& route = feed.routes.at(size_t(trip.route));
    std::vector<qint32> stops;
    for (qint32 r = trip.firstRow; r < trip.endRow; ++r)
        stops.push_back(feed.stopTimes[size_t(r)].stop);
    const size_t n = stops.size();
    if (n < 2)
        throw K41Error(K41Error::SubscriptOutOfRange,
                       QStringLiteral("便 %1 には停留所が2つ以上ありません").arg(trip.id));
    if (n > size_t(Hy3File::MaxRows))
        throw K41Error(K41Error::SubscriptOutOfRange,
                       QStringLiteral("便 %1 は停留所が %2 あり、運賃データの %3 行に入りません")
                           .arg(trip.id)
                           .arg(n)
                           .arg(Hy3File::MaxRows));

    ImportedRoute out;
    out.tripId = trip.id;
    out.routeId = route.id;
    out.routeName = route.displayName();
    std::vector<QString> names;
    for (qint32 s : stops)
        names.push_back(cleanName(feed.stops[size_t(s)].name));
    out.headsign = cleanName(trip.headsign).isEmpty() ? names.back() : cleanName(trip.headsign);

    const FareGrid grid(feed, route, stops);
    const std::vector<int> numbers = ticketNumbers(grid, n, options.ticketPerStop);
    out.ticketCount = numbers.back();
    if (out.ticketCount > FareRow::FareCount)
        throw K41Error(K41Error::SubscriptOutOfRange,
                       QStringLiteral("便 %1 には整理券番号が %2 必要で、%3 を超えます")
                           .arg(trip.id)
                           .arg(out.ticketCount)
                           .arg(FareRow::FareCount));
    std::vector<size_t> issuedAt(size_t(out.ticketCount) + 1, 0); // first stop of each number
    for (size_t i = n; i-- > 0;)
        issuedAt[size_t(numbers[i])] = i;

    int missing = 0, tooLarge = 0;
    for (size_t i = 0; i < n; ++i) {
        FareRow row;
        row.StopName = names[i];
        row.SeiriNum = qint16(numbers[i]);
        for (int k = 1; k <= numbers[i]; ++k) {
            const size_t from = issuedAt[size_t(k)];
            if (from >= i) continue; // nobody holding this number gets off here
            const std::optional<qint64>& fare = grid.at(from, i);
            if (!fare)
                ++missing;
            else if (*fare > 32767)
                ++tooLarge;
            else
                row.Fares[size_t(k - 1)] =
                    *fare == 0 ? qint16(-1) : qint16(*fare); // -1: a lit zero
        }
        out.rows.push_back(std::move(row));
    }
    if (missing > 0)
        out.warnings << QStringLiteral("運賃の規則がない区間が %1 あります（その運賃は 0 のまま、"
                                       "表示されません）")
                            .arg(missing);
    if (tooLarge > 0)
        out.warnings
            << QStringLiteral("32767 円を超える運賃が %1 あります（0 のままです）").arg(tooLarge);
    if (grid.conflicts > 0)
        out.warnings << QStringLiteral("規則によって運賃が異なる区間が %1 あります"
                                       "（安い方を使いました）")
                            .arg(grid.conflicts);
    if (feed.skippedRows > 0)
        out.warnings << QStringLiteral("定義されていない便や停留所を指す %1 行を読み飛ばしました")
                            .arg(feed.skippedRows);
    if (feed.fares.skippedContains() > 0)
        out.warnings << QStringLiteral("通過するゾーンで決まる運賃の規則 %1 件は使っていません")
                            .arg(feed.fares.skippedContains());

    QSet<QString> seen;
    int unread = 0;
    for (size_t i = 0; i < n; ++i) {
        const QString& name = names[i];
        if (!Codec932::canEncode(name))
            out.warnings << QStringLiteral("停留所名「%1」の「%2」は運賃データに書けません"
                                           "（? になります）")
                                .arg(name, Codec932::firstUnencodable(name));
        out.announcements.push_back(i == 0 ? TapeRec{headsignText(out.headsign), 0, 1}
                                           : TapeRec{nextStopText(name, i + 1 == n), 1, 1});
        if (seen.contains(name)) continue;
        seen.insert(name);
        const GtfsStop& stop = feed.stops[size_t(stops[i])];
        QString reading = feed.readingsById.value(stop.id);
        if (reading.isEmpty())
            reading = feed.readingsByName.value(feed.stops[size_t(stops[i])].name);
        reading = cleanName(Katakana::from(reading));
        if (reading.isEmpty())
            ++unread;
        else
            out.readings.emplace_back(name, reading);
    }
    if (unread > 0) out.warnings << QStringLiteral("読みのない停留所名が %1 あります").arg(unread);

    // The timetable: seconds from the first stop; a stop without a time keeps the one before.
    qint32 base = -1, last = 0;
    for (qint32 r = trip.firstRow; r < trip.endRow; ++r) {
        const qint32 s = feed.stopTimes[size_t(r)].seconds;
        if (s >= 0 && base < 0) base = s;
        if (s >= 0) last = std::max(last, s - base);
        out.times.emplace_back(last, names[size_t(r - trip.firstRow)]);
    }
    return out;
}

} // namespace RouteImport
