#include "faredata/RouteLoad.h"

#include "faredata/FareDisplay.h"
#include "faredata/FareTable.h"
#include "faredata/Hy3File.h"
#include "faredata/RouteLoadHost.h"
#include "faredata/RouteState.h"
#include "platform/core/K41Error.h"
#include "platform/core/PathResolver.h"
#include "settings/Settings.h"

#include <QDir>
#include <cmath>

const QString RouteLoad::MsgNoRouteData = QStringLiteral("指定した系統のデータがありません...");
const QString RouteLoad::MsgNoRows =
    QStringLiteral("指定した系統はデータの数が0(未登録)の可能性があります...");
const QString RouteLoad::MsgSectionTooFar = QStringLiteral(
    "指定した区間はデータの数よりも多いです...\r\n  解決法：正しい区間を入力して下さい.");

namespace {

// The number written at the start of an entry: spaces, an optional sign, digits and an
// optional fraction; anything else ends it, and no number at all reads as 0.
double leadingNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    qsizetype start = i;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-')) ++i;
    while (i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9')
        ++i;
    if (i < text.size() && text.at(i) == u'.') {
        ++i;
        while (i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9')
            ++i;
    }
    bool ok = false;
    const double v = text.mid(start, i - start).toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

} // namespace

RouteLoad::RouteLoad(FareTable& table, RouteState& state, RouteLoadHost& host, int lampTestMs)
    : m_table(table), m_state(state), m_host(host), m_lampTestMs(lampTestMs) {}

qint16 RouteLoad::sectionFromText(const QString& sectionText) {
    const double v = leadingNumber(sectionText);
    if (v >= 301) return 300;
    const double rounded = std::nearbyint(v); // to the nearest, halves to even
    if (rounded < 1) return 1;
    if (rounded >= 301) return 300;
    return static_cast<qint16>(rounded);
}

QString RouteLoad::routeFileNumber(const QString& routeText) {
    qsizetype i = 0;
    while (i < routeText.size() && routeText.at(i).isSpace())
        ++i;
    while (i < routeText.size() && routeText.at(i) == u'0')
        ++i;
    qsizetype end = i;
    while (end < routeText.size() && routeText.at(end) >= u'0' && routeText.at(end) <= u'9')
        ++end;
    const QString digits = routeText.mid(i, end - i);
    return digits.isEmpty() ? QStringLiteral("0") : digits;
}

bool RouteLoad::Command1_Click(int Index, const QString& routeText, const QString& sectionText) {
    Q_UNUSED(Index) // both faces hand over their entry as text
    const Settings& settings = m_host.settings();
    const QString fareDir = PathResolver::withTrailingSeparator(settings.FareDataDir);
    const QString tapeDir = PathResolver::withTrailingSeparator(settings.TapeDataDir);

    // The route-setting sound answers every press, also one that is refused below.
    m_host.playSound(settings.SoundKeitouSet, QStringLiteral("S1"), 0);

    const qint16 section = sectionFromText(sectionText);
    const QString route = routeFileNumber(routeText);

    try {
        m_host.loadBroadcastData(tapeDir, route);

        // Everything is read and checked before anything changes, so a refused file leaves
        // the table, the stepping bound and the board as they were.
        const QString path = PathResolver::resolve(fareDir + route + QStringLiteral(".hy3"));
        QByteArray bytes;
        try {
            bytes = Hy3File::readFile(path);
        } catch (const K41Error& e) {
            if (e.number() != K41Error::FileNotFound) throw;
            // Which route and where it was looked for, so the operator can put the file there.
            m_host.showMessage(
                MsgNoRouteData +
                QStringLiteral("\r\n系統 %1: %2").arg(route, QDir::toNativeSeparators(path)));
            return false;
        }
        const qint16 count = Hy3File::readCount(bytes);
        if (count == 0) {
            m_host.showMessage(MsgNoRows);
            return false;
        }
        // The last row cannot be a starting section; a negative count refuses every section.
        if (count - 1 < section) {
            m_host.showMessage(MsgSectionTooFar);
            return false;
        }
        const std::vector<FareRow> rows = Hy3File::readRows(bytes);

        m_table.store(rows);
        m_state.RouteText = routeText;
        m_state.StartSection = section;
        m_state.StopCount = count;
        m_state.CurStop = static_cast<qint16>(section - 1);

        m_state.SavedTsugiwaMode = m_host.tsugiwaMode();
        m_host.setTsugiwaMode(0);
        m_host.setChimei(QStringLiteral("系統選別中"));
        m_host.setTsugiwaMode(m_state.SavedTsugiwaMode);

        for (int d = 1; d <= 24; ++d)
            m_host.resetDegit(d, true);
        m_host.holdLampTest(m_lampTestMs);
        for (int d = 1; d <= 24; ++d)
            m_host.setDegitValue(d, 0);

        m_host.enableDataButtons();

        // With none of the three date choices selected the ticket date stays as it was.
        if (settings.SeiriDateAuto || settings.SeiriDateHold)
            m_state.HeldSeiriDate = m_host.currentDate().toString(QStringLiteral("MM-dd-yyyy"));
        else if (settings.SeiriDateFixed)
            m_state.HeldSeiriDate = settings.SeiriDateValue;

        m_host.setTsugiwaMode(m_state.SavedTsugiwaMode);
        FareDisplay(m_table, m_state, m_host).DispData(static_cast<qint16>(m_state.CurStop + 1));
        return true;
    } catch (const K41Error& e) {
        m_host.showMessage(e.description());
    } catch (const std::exception& e) {
        m_host.showMessage(QString::fromLocal8Bit(e.what()));
    }
    return false;
}
