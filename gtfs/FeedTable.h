#pragma once
// One table of a feed read row by row: the header line names the columns, each row's fields
// are found by column name, columns a row lacks read as empty.
#include "gtfs/FeedArchive.h"

#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Told how many bytes of the feed have been read; may throw to stop the reading.
class FeedProgress {
  public:
    virtual ~FeedProgress() = default;
    virtual void bytesRead(qint64 bytes) = 0;
};

class FeedRow {
  public:
    FeedRow(const std::string* fields, size_t count, const std::vector<int>& columns, qint64 line)
        : m_fields(fields), m_count(count), m_columns(columns), m_line(line) {}
    // The field of wanted column `i` (its position in the list given to readTable), with the
    // spaces around it removed; empty when the table or this row lacks it.
    std::string_view operator[](size_t i) const;
    QString text(size_t i) const;
    qint64 line() const { return m_line; }

  private:
    const std::string* m_fields;
    size_t m_count;
    const std::vector<int>& m_columns;
    qint64 m_line;
};

namespace FeedTable {

// No table of a feed other than stop_times.txt and fare_rules.txt is read past this.
constexpr qint64 SmallTableBytes = 64LL * 1024 * 1024;

// Reads `file` of `feed`, calling `row` for every row after the header. `columns` are the
// column names wanted; the first `required` of them must be in the header (K41Error naming
// the file and the column otherwise).
void read(FeedArchive& feed, const QString& file, qint64 limit,
          const std::vector<const char*>& columns, size_t required,
          const std::function<void(const FeedRow&)>& row, FeedProgress* progress);

} // namespace FeedTable
