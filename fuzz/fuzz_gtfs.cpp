// Route feeds of any content, read and imported as K41 does: either a zip archive, or (so that
// the fuzzer reaches the tables without having to keep a checksum right) a bundle of text
// files, each introduced by a line "=== name". Every failure must be a K41Error; an import that
// succeeds gives rows K41 can write and read back, and a broadcast file of one record a stop.
#include "faredata/Hy3File.h"
#include "fuzz/FuzzCheck.h"
#include "gtfs/FeedArchive.h"
#include "gtfs/GtfsFeed.h"
#include "gtfs/RouteImport.h"
#include "platform/core/K41Error.h"

#include <QHash>
#include <cstddef>
#include <cstdint>

namespace {

class BundleFeed : public FeedArchive {
  public:
    explicit BundleFeed(const QByteArray& bytes) : FeedArchive(QStringLiteral("bundle")) {
        QString name;
        for (const QByteArray& line : bytes.split('\n')) {
            if (line.startsWith("=== ")) {
                name = QString::fromUtf8(line.mid(4)).trimmed().toLower();
                m_files[name];
            } else if (!name.isEmpty()) {
                m_files[name] += line + '\n';
            }
        }
    }
    bool has(const QString& file) const override { return m_files.contains(file.toLower()); }
    qint64 declaredSize(const QString& file) const override {
        return m_files.value(file.toLower()).size();
    }

  protected:
    void readBounded(const QString& file, qint64 budget, const Sink& sink) override {
        const auto it = m_files.constFind(file.toLower());
        if (it == m_files.cend()) throw K41Error(K41Error::FileNotFound, file);
        // In small pieces, so records cut across chunks are exercised too.
        for (qsizetype i = 0; i < it->size(); i += 7) {
            if (i > budget) throw K41Error(K41Error::OutOfMemory, file);
            sink(it->constData() + i, std::min<qsizetype>(7, it->size() - i));
        }
    }

  private:
    QHash<QString, QByteArray> m_files;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        std::unique_ptr<FeedArchive> archive;
        if (bytes.startsWith("PK"))
            archive = FeedArchive::fromZipBytes(bytes, QStringLiteral("fuzz.zip"));
        else
            archive = std::make_unique<BundleFeed>(bytes);
        const GtfsFeed feed = GtfsFeed::load(*archive, GtfsFeed::All);
        for (const GtfsPattern& pattern : feed.patterns) {
            K41_FUZZ_CHECK(pattern.stops.size() >= 2 && !pattern.trips.empty());
            try {
                for (const bool perStop : {false, true}) {
                    const ImportedRoute route =
                        RouteImport::build(feed, pattern.trips.front(), {perStop});
                    K41_FUZZ_CHECK(route.rows.size() == pattern.stops.size());
                    K41_FUZZ_CHECK(route.announcements.size() == route.rows.size());
                    K41_FUZZ_CHECK(route.times.size() == route.rows.size());
                    K41_FUZZ_CHECK(Hy3File::readRows(Hy3File::write(route.rows)).size() ==
                                   route.rows.size());
                }
            } catch (const K41Error&) {
                // Too many stops or ticket numbers: refused, as it must be.
            }
        }
    } catch (const K41Error&) {
    }
    return 0;
}
