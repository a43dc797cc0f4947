#include "gtfs/RouteFiles.h"

#include "faredata/Hy3File.h"
#include "platform/core/FileReplace.h"
#include "platform/core/K41Error.h"
#include "platform/core/PathResolver.h"

#include <QDir>
#include <QFileInfo>

namespace RouteFiles {

namespace {

// One CSV field: quoted when it holds a comma, a quote, a line break or would read as a
// comment.
QByteArray field(const QString& text) {
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') ||
        bytes.contains('\r') || bytes.startsWith('#'))
        bytes = '"' + bytes.replace('"', "\"\"") + '"';
    return bytes;
}

// The folder as K41 finds it (written with "\" or in another case), created when missing.
QString folder(const QString& stored) {
    const QString dir = PathResolver::resolve(PathResolver::withTrailingSeparator(stored));
    if (!dir.isEmpty() && !QDir().mkpath(dir))
        throw K41Error(K41Error::PathNotFound,
                       QStringLiteral("フォルダーを作れません: %1").arg(dir));
    return dir.isEmpty() || dir.endsWith(u'/') ? dir : dir + u'/';
}

} // namespace

QString routeNumber(const QString& text) {
    const QString t = text.trimmed();
    bool digits = !t.isEmpty() && t.size() <= 5;
    for (const QChar c : t)
        digits = digits && c >= u'0' && c <= u'9';
    if (!digits)
        throw K41Error(
            K41Error::InvalidCall,
            QStringLiteral("系統番号は 0 から 99999 の数字で指定してください: %1").arg(text));
    return QString::number(t.toInt());
}

QByteArray readingsCsv(const ImportedRoute& route) {
    QByteArray out = "name,reading\n";
    for (const auto& [name, reading] : route.readings)
        out += field(name) + ',' + field(reading) + '\n';
    return out;
}

QByteArray timesCsv(const ImportedRoute& route) {
    QByteArray out;
    for (const auto& [seconds, name] : route.times)
        out += QByteArray::number(seconds) + ',' + field(name) + '\n';
    return out;
}

QByteArray provenance(const ImportedRoute& route, const GtfsInfo& info, const QString& feedName,
                      const QDateTime& when) {
    QStringList lines;
    lines << QStringLiteral("この系統は次の公開データ（GTFS-JP）から作りました。");
    lines << QStringLiteral("データ: %1").arg(QFileInfo(feedName).fileName());
    if (!info.publisher.isEmpty()) lines << QStringLiteral("提供者: %1").arg(info.publisher);
    if (!info.publisherUrl.isEmpty()) lines << QStringLiteral("URL: %1").arg(info.publisherUrl);
    if (!info.agencies.isEmpty())
        lines << QStringLiteral("事業者: %1").arg(info.agencies.join(QStringLiteral("、")));
    if (!info.version.isEmpty()) lines << QStringLiteral("版: %1").arg(info.version);
    if (!info.startDate.isEmpty() || !info.endDate.isEmpty())
        lines << QStringLiteral("有効期間: %1 - %2").arg(info.startDate, info.endDate);
    lines << QStringLiteral("路線: %1 (route_id %2)").arg(route.routeName, route.routeId);
    lines << QStringLiteral("行き先: %1").arg(route.headsign);
    lines << QStringLiteral("便: %1").arg(route.tripId);
    lines << QStringLiteral("停留所: %1、整理券番号: %2")
                 .arg(route.rows.size())
                 .arg(route.ticketCount);
    lines << QStringLiteral("取り込み日時: %1").arg(when.toString(Qt::ISODate));
    lines << QStringLiteral("利用の条件は提供者の示すライセンスに従ってください。");
    for (const QString& w : route.warnings)
        lines << QStringLiteral("注意: %1").arg(w);
    return lines.join(u'\n').toUtf8() + '\n';
}

QStringList write(const ImportedRoute& route, const GtfsInfo& info, const QString& feedName,
                  const QString& number, const QString& fareDir, const QString& tapeDir) {
    const QString n = routeNumber(number);
    const QString fare = folder(fareDir), tape = folder(tapeDir);
    // Each name is matched as the route load matches it, so "7.HY3" copied from Windows is
    // the file replaced, not shadowed by a new "7.hy3".
    const auto at = [](const QString& dir, const QString& name) {
        return PathResolver::resolve(dir + name);
    };
    // The fare data goes first: it is what "リセット" loads; the rest follows it.
    const QList<std::pair<QString, QByteArray>> files = {
        {at(fare, n + QStringLiteral(".hy3")), Hy3File::write(route.rows)},
        {at(tape, n + QStringLiteral("tp.csv")), TapeFile::format(route.announcements)},
        {at(tape, n + QStringLiteral("readings.csv")), readingsCsv(route)},
        {at(fare, n + QStringLiteral("times.csv")), timesCsv(route)},
        {at(fare, n + QStringLiteral(".gtfs.txt")),
         provenance(route, info, feedName, QDateTime::currentDateTime())},
    };
    QStringList written;
    for (const auto& [path, bytes] : files) {
        FileReplace::write(path, bytes);
        written << path;
    }
    return written;
}

} // namespace RouteFiles
