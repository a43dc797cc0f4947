#include "faredata/FareDisplay.h"

#include "faredata/DispDataHost.h"
#include "faredata/FareTable.h"
#include "faredata/RouteLoad.h"
#include "faredata/RouteState.h"
#include "settings/Settings.h"

#include <limits>

namespace {

// Board digit for an information position of the options (list position 0 to 23 stands for
// fare digit 1 to 24), or -1 when the position names no digit at all.
int infoDigit(qint16 position) {
    return position >= -1 && position <= 23 ? position + 1 : -1;
}

void writeInfo(DispDataHost& host, qint16 use, qint16 position, const QVariant& value) {
    if (!use) return;
    const int digit = infoDigit(position);
    if (digit >= 0) host.setDegitValue(digit, value);
}

} // namespace

FareDisplay::FareDisplay(const FareTable& table, RouteState& state, DispDataHost& host)
    : m_table(table), m_state(state), m_host(host) {}

QString FareDisplay::seirikenDate() const {
    const Settings& s = m_host.settings();
    if (s.SeiriDateAuto)
        return m_host.currentDateTime().date().toString(QStringLiteral("MM-dd-yyyy"));
    if (s.SeiriDateHold) return m_state.HeldSeiriDate;
    return s.SeiriDateValue;
}

void FareDisplay::DispData(qint16 Index) {
    const FareRow& row = m_table.row(Index); // the only failure: a row outside the table
    const Settings& s = m_host.settings();

    const bool lateNight = m_host.lateNightFare();
    for (int t = std::max<int>(m_state.StartSection, 1); t <= 24; ++t) {
        const qint16 fare = row.Fare(t);
        // -1 keeps its meaning (a zero that is to be seen) at night too. Doubling is done in
        // 32 bits so that a fare above 16383 shows doubled instead of failing.
        const int shown = lateNight && fare != -1 ? 2 * int(fare) : int(fare);
        m_host.setDegitValue(t, shown);
    }

    // Later information overwrites earlier ones on the same digit.
    writeInfo(m_host, s.InfoOrderUse, s.InfoOrderPos, s.InfoOrderFromZero ? Index - 1 : int(Index));
    writeInfo(m_host, s.InfoSeiriNumUse, s.InfoSeiriNumPos, int(row.SeiriNum));
    writeInfo(m_host, s.InfoKeitouUse, s.InfoKeitouPos, m_state.RouteText);
    if (s.InfoColumnNo >= 0 && s.InfoColumnNo < FareRow::FareCount)
        writeInfo(m_host, s.InfoColumnUse, s.InfoColumnPos, int(row.Fare(s.InfoColumnNo + 1)));

    m_host.clearSeirikenPreview();
    if (s.UseSeiriPrev) {
        SeirikenTicket ticket;
        ticket.StopName = row.StopName;
        ticket.Date = seirikenDate();
        ticket.Time = m_host.currentDateTime().time().toString(QStringLiteral("HH:mm:ss"));
        const qint64 route = RouteLoad::routeFileNumber(m_state.RouteText).left(10).toLongLong();
        ticket.Route =
            static_cast<qint32>(std::min<qint64>(route, std::numeric_limits<qint32>::max()));
        ticket.SeiriNum = row.SeiriNum;
        ticket.Index = Index;
        m_host.drawSeirikenPreview(ticket);
    }

    // The first row of a route is where the bus starts, so it is shown without "次は".
    if (Index < 2) {
        m_state.SavedTsugiwaMode = s.TsugiwaMode;
        m_host.setTsugiwaMode(0);
        m_host.setChimei(row.StopName);
        m_host.setTsugiwaMode(s.TsugiwaMode);
    } else {
        m_host.setTsugiwaMode(s.TsugiwaMode);
        m_host.setChimei(row.StopName);
    }
}
