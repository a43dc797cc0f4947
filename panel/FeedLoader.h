#pragma once
// Reads a route feed on a thread of its own, so the panel stays responsive while a large feed
// loads; the dialog polls done() and bytes() for its progress bar and may cancel.
#include "gtfs/GtfsFeed.h"

#include <QThread>
#include <atomic>
#include <optional>

class FeedLoader : public QThread, private FeedProgress {
    Q_OBJECT
  public:
    explicit FeedLoader(QString path, QObject* parent = nullptr);
    ~FeedLoader() override;

    // Bytes read so far and the bytes to read (0 until the archive is open).
    qint64 bytes() const { return m_bytes; }
    qint64 total() const { return m_total; }
    // Asks the reading to stop at its next chunk; the result is then an error.
    void cancel() { m_cancel = true; }

    // Once finished: the feed, or the error that stopped it.
    std::optional<GtfsFeed>& feed() { return m_feed; }
    QString error() const { return m_error; }
    const QString& path() const { return m_path; }

  protected:
    void run() override;

  private:
    void bytesRead(qint64 bytes) override;

    QString m_path;
    std::atomic<qint64> m_bytes{0};
    std::atomic<qint64> m_total{0};
    std::atomic<bool> m_cancel{false};
    std::optional<GtfsFeed> m_feed;
    QString m_error;
};
