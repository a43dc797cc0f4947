#pragma once
// Small feeds made by the tests themselves: files by name, written as a folder or zipped.
#include <QByteArray>
#include <QMap>
#include <QString>

struct SmallFeed {
    QMap<QString, QByteArray> files;

    // A route of six stops in four fare zones, three trips, fares, readings and publisher.
    static SmallFeed sixStops();

    void writeFolder(const QString& dir) const;
    // The files as a zip archive (deflated), each under `prefix` ("" or "feed/").
    QByteArray zip(const QString& prefix = {}) const;
};
