#include "panel/FeedLoader.h"

#include "platform/core/K41Error.h"

FeedLoader::FeedLoader(QString path, QObject* parent) : QThread(parent), m_path(std::move(path)) {}

FeedLoader::~FeedLoader() {
    cancel();
    wait();
}

void FeedLoader::bytesRead(qint64 bytes) {
    m_bytes += bytes;
    if (m_cancel)
        throw K41Error(K41Error::InvalidCall,
                       QStringLiteral("%1 の読み込みを取り消しました").arg(m_path));
}

void FeedLoader::run() {
    try {
        const std::unique_ptr<FeedArchive> archive = FeedArchive::open(m_path);
        m_total = GtfsFeed::bytesToRead(*archive, GtfsFeed::All);
        m_feed = GtfsFeed::load(*archive, GtfsFeed::All, this);
        if (m_feed->patterns.empty())
            m_error = QStringLiteral("%1 には乗車できる便（停留所が2つ以上の便）がありません")
                          .arg(m_path);
    } catch (const std::exception& e) {
        m_feed.reset();
        m_error = K41Error::from(e).description();
    }
}
