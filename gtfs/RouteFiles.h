#pragma once
// Writes an imported route as K41's files, each replaced safely (the old file is kept when a
// write fails):
//   fare data folder:      N.hy3, N.gtfs.txt (where the route came from), Ntimes.csv
//   broadcast data folder: Ntp.csv, Nreadings.csv
#include "gtfs/GtfsFeed.h"
#include "gtfs/RouteImport.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace RouteFiles {

// The route number as files name it: digits only, leading zeros dropped ("007" -> "7"), at
// most five digits as the panel takes them. Throws K41Error 5 otherwise.
QString routeNumber(const QString& text);

// File contents, each as written.
QByteArray readingsCsv(const ImportedRoute& route);
QByteArray timesCsv(const ImportedRoute& route);
QByteArray provenance(const ImportedRoute& route, const GtfsInfo& info, const QString& feedName,
                      const QDateTime& when);

// Writes the five files; `fareDir` and `tapeDir` are folders (created when missing). Returns the
// paths written. Throws K41Error naming the file that could not be written.
QStringList write(const ImportedRoute& route, const GtfsInfo& info, const QString& feedName,
                  const QString& number, const QString& fareDir, const QString& tapeDir);

} // namespace RouteFiles
