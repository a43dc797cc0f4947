#include "gtfs/FeedTable.h"

#include "gtfs/CsvStream.h"
#include "platform/core/K41Error.h"

namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::string_view FeedRow::operator[](size_t i) const {
    const int col = m_columns[i];
    if (col < 0 || size_t(col) >= m_count) return {};
    return trimmed(m_fields[col]);
}

QString FeedRow::text(size_t i) const {
    const std::string_view s = (*this)[i];
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

namespace FeedTable {

void read(FeedArchive& feed, const QString& file, qint64 limit,
          const std::vector<const char*>& columns, size_t required,
          const std::function<void(const FeedRow&)>& row, FeedProgress* progress) {
    std::vector<int> positions(columns.size(), -1);
    bool header = true;
    CsvStream csv(
        feed.name() + u'/' + file, [&](const std::string* fields, size_t count, qint64 line) {
            if (header) {
                header = false;
                for (size_t c = 0; c < columns.size(); ++c)
                    for (size_t f = 0; f < count; ++f)
                        if (trimmed(fields[f]) == columns[c]) {
                            positions[c] = int(f);
                            break;
                        }
                for (size_t c = 0; c < required; ++c)
                    if (positions[c] < 0)
                        throw K41Error(K41Error::InvalidPropertyValue,
                                       QStringLiteral("%1 の %2 に列 %3 がありません")
                                           .arg(feed.name(), file, QLatin1String(columns[c])));
                return;
            }
            row(FeedRow(fields, count, positions, line));
        });
    feed.read(file, limit, [&](const char* data, qint64 size) {
        csv.feed(data, size);
        if (progress) progress->bytesRead(size);
    });
    csv.finish();
    if (header)
        throw K41Error(K41Error::InputPastEnd,
                       QStringLiteral("%1 の %2 が空です").arg(feed.name(), file));
}

} // namespace FeedTable
