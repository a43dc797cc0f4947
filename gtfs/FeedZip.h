#pragma once
// A feed in a zip archive, read through libzip with its consistency checks on: a damaged
// central directory, a cut archive or a checksum that does not match is an error.
#include "gtfs/FeedArchive.h"

#include <QHash>

struct zip;

class FeedZip : public FeedArchive {
  public:
    explicit FeedZip(const QString& path);
    FeedZip(const QByteArray& bytes, const QString& name);
    ~FeedZip() override;
    FeedZip(const FeedZip&) = delete;
    FeedZip& operator=(const FeedZip&) = delete;

    bool has(const QString& file) const override;
    qint64 declaredSize(const QString& file) const override;

  protected:
    void readBounded(const QString& file, qint64 budget, const Sink& sink) override;

  private:
    void index();
    [[noreturn]] void fail(const QString& what) const;

    zip* m_zip = nullptr;
    QByteArray m_bytes;               // the archive, when it is held in memory
    QHash<QString, qint64> m_entries; // lower-case file name -> entry index
};
