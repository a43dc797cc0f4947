#pragma once
// The user's readings of stop names, kept beside the broadcast data: "readings.csv" for every
// route and "<route>readings.csv" for one route, whose entries win. Each is UTF-8 text (a
// byte-order mark is allowed), comma-separated with the usual double quotes, two columns: the
// name as written and its reading in katakana, hiragana or half-width katakana. An optional
// first line "name,reading", blank lines and lines starting with "#" are skipped.
//
// Names are kept as the pronouncer sees text (NFKC, spaces around them trimmed); readings as
// full-width katakana. A line whose reading holds anything but kana and the long vowel mark
// is skipped, so a swapped or damaged line never makes a name spoken as garbage.
#include <QByteArray>
#include <QHash>
#include <QString>

class ReadingTable {
  public:
    // A table file larger than this is not read.
    static constexpr qint64 MaxBytes = 8 * 1024 * 1024;

    // The entries of a file's bytes; later lines win over earlier ones with the same name.
    static ReadingTable parse(const QByteArray& bytes);
    // The tables of `folder` (separator already added) for `route` (empty: the common table
    // only), file names matched without regard to case. A missing table is empty; one that
    // cannot be read throws K41Error naming the file.
    static ReadingTable load(const QString& folder, const QString& route);
    // Adds the line `name`,`reading` to the table file at `path` (made when missing), through
    // FileReplace: on any failure the file stays as it was. Throws K41Error naming the file.
    static void append(const QString& path, const QString& name, const QString& reading);
    // The table's file names in a folder.
    static QString commonFileName();
    static QString routeFileName(const QString& route);

    // The name as tables key it.
    static QString key(QStringView name);
    // `reading` as katakana, or empty when it holds anything that is not kana.
    static QString katakana(QStringView reading);

    // The reading of `name` (as written, or already keyed), or empty.
    QString reading(QStringView name) const;
    void insert(const QString& name, const QString& reading);
    // Adds `other`'s entries over this table's.
    void overlay(const ReadingTable& other);
    qsizetype size() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    // The length of the longest name, which bounds a search for names inside a text.
    qsizetype longestName() const { return m_longest; }

  private:
    QHash<QString, QString> m_entries;
    qsizetype m_longest = 0;
};
