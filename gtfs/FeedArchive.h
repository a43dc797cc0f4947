#pragma once
// The files of a feed, read from a zip archive or a folder. Only the files asked for are read,
// each as a stream of chunks, with a bound on the bytes it may give: an archive whose entry
// inflates far beyond what it declares (a zip bomb), a cut or damaged archive, or a file too
// large to be a route's data is a K41Error naming the archive and the file, never an unbounded
// read.
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class FeedArchive {
  public:
    // More entries than this in an archive is refused before any is read.
    static constexpr qint64 MaxEntries = 20000;
    // No file of a feed is read past this many bytes (stop_times.txt of the largest feeds is a
    // small fraction of it).
    static constexpr qint64 MaxFileBytes = 1024LL * 1024 * 1024;
    // All files read from one feed together.
    static constexpr qint64 MaxTotalBytes = 1536LL * 1024 * 1024;

    using Sink = std::function<void(const char* data, qint64 size)>;

    virtual ~FeedArchive() = default;

    // A zip file or a folder of .txt files at `path`. Throws K41Error when neither can be read.
    static std::unique_ptr<FeedArchive> open(const QString& path);
    // A zip archive held in memory; `name` is what messages call it.
    static std::unique_ptr<FeedArchive> fromZipBytes(const QByteArray& bytes, const QString& name);

    // What messages call the feed (its path).
    const QString& name() const { return m_name; }
    // True when the feed holds `file` ("stops.txt"; matched without regard to case, also one
    // folder deep in an archive).
    virtual bool has(const QString& file) const = 0;
    // The size `file` declares (for progress only; never trusted for reading), 0 when unknown.
    virtual qint64 declaredSize(const QString& file) const = 0;
    // Passes the bytes of `file` to `sink` in chunks. Throws K41Error when the file is missing,
    // damaged, or gives more than `limit` bytes (or than what is left of MaxTotalBytes).
    void read(const QString& file, qint64 limit, const Sink& sink);

  protected:
    explicit FeedArchive(QString name) : m_name(std::move(name)) {}
    // Reads `file`; `budget` is how many bytes it may give at most.
    virtual void readBounded(const QString& file, qint64 budget, const Sink& sink) = 0;
    // The error for a file that gives more bytes than it may.
    QString tooLarge(const QString& file) const;

  private:
    QString m_name;
    qint64 m_totalRead = 0;
};
