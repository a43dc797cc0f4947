#include "faredata/RidePlan.h"

#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"
#include "platform/core/PathResolver.h"

#include <QFileInfo>
#include <algorithm>

namespace {

constexpr qint64 MaxSeconds = 366LL * 24 * 3600;
constexpr qint64 FallbackMs = 1000;
// Far more than any timetable of MaxRows lines needs; a larger file is not one.
constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;

} // namespace

RidePlan RidePlan::everySeconds(int secondsPerStop) {
    RidePlan plan;
    plan.m_stepMs = qint64(std::max(secondsPerStop, 1)) * 1000;
    return plan;
}

RidePlan RidePlan::onTimetable(QList<qint64> timetable, int factor) {
    RidePlan plan;
    plan.m_times = std::move(timetable);
    plan.m_factor = std::max(factor, 1);
    return plan;
}

qint64 RidePlan::delayMs(int row) const {
    if (m_times.isEmpty()) return m_stepMs;
    if (row < 0 || row + 1 >= m_times.size()) return FallbackMs;
    const qint64 gap = m_times.at(row + 1) - m_times.at(row);
    if (gap <= 0) return FallbackMs;
    return gap * 1000 / m_factor;
}

QList<qint64> RidePlan::parseTimetable(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (lines.size() > MaxRows)
        throw K41Error(K41Error::TypeMismatch,
                       QStringLiteral("時刻表の行が多すぎます (%1 行まで)").arg(MaxRows));
    QList<qint64> times;
    times.reserve(lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines.at(i);
        const qsizetype comma = line.indexOf(',');
        const QByteArray field = (comma < 0 ? line : line.left(comma)).trimmed();
        bool ok = !field.isEmpty() && std::all_of(field.begin(), field.end(),
                                                  [](char c) { return c >= '0' && c <= '9'; });
        const qint64 seconds = ok ? field.toLongLong(&ok) : 0;
        if (!ok || seconds > MaxSeconds)
            throw K41Error(K41Error::TypeMismatch,
                           QStringLiteral("時刻表の %1 行目に秒数がありません").arg(i + 1));
        times.append(seconds);
    }
    return times;
}

QList<qint64> RidePlan::loadTimetable(const QString& folder, const QString& route) {
    const QString path = PathResolver::resolve(PathResolver::withTrailingSeparator(folder) + route +
                                               QStringLiteral("times.csv"));
    if (!QFileInfo(path).isFile()) return {};
    const QByteArray bytes = FileReader::read(path, MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes)
        throw K41Error(K41Error::TypeMismatch,
                       QStringLiteral("時刻表が大きすぎます: %1").arg(path));
    try {
        return parseTimetable(bytes);
    } catch (const K41Error& e) {
        throw K41Error(e.number(), path + QStringLiteral(": ") + e.description());
    }
}
