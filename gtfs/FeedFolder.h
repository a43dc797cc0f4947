#pragma once
// A feed unpacked into a folder: its .txt files, found without regard to case.
#include "gtfs/FeedArchive.h"

#include <QHash>

class FeedFolder : public FeedArchive {
  public:
    explicit FeedFolder(const QString& path);

    bool has(const QString& file) const override;
    qint64 declaredSize(const QString& file) const override;

  protected:
    void readBounded(const QString& file, qint64 budget, const Sink& sink) override;

  private:
    QHash<QString, QString> m_files; // lower-case name -> path
};
