#include "gtfs/FeedArchive.h"

#include "gtfs/FeedFolder.h"
#include "gtfs/FeedZip.h"
#include "platform/core/K41Error.h"

#include <QFileInfo>
#include <algorithm>

std::unique_ptr<FeedArchive> FeedArchive::open(const QString& path) {
    if (QFileInfo(path).isDir()) return std::make_unique<FeedFolder>(path);
    return std::make_unique<FeedZip>(path);
}

std::unique_ptr<FeedArchive> FeedArchive::fromZipBytes(const QByteArray& bytes,
                                                       const QString& name) {
    return std::make_unique<FeedZip>(bytes, name);
}

QString FeedArchive::tooLarge(const QString& file) const {
    return QStringLiteral("%1 の %2 が大きすぎます（読み込める大きさを超えています）")
        .arg(m_name, file);
}

void FeedArchive::read(const QString& file, qint64 limit, const Sink& sink) {
    const qint64 budget = std::min(limit, MaxTotalBytes - m_totalRead);
    qint64 given = 0;
    // Every chunk is counted here, whatever the entry declared, so the bound holds even for an
    // archive that lies about its sizes.
    readBounded(file, budget, [&](const char* data, qint64 size) {
        given += size;
        if (given > budget) throw K41Error(K41Error::OutOfMemory, tooLarge(file));
        sink(data, size);
    });
    m_totalRead += given;
}
