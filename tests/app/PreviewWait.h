#pragma once
// The ticket preview is drawn on a thread of its own: tests run the event loop until the
// preview shows what was last asked for.
#include "panel/PreviewPicture.h"

#include <QEventLoop>
#include <QTimer>

// A ticket of route 12 taken at `stop` under `number`, at a fixed date and time.
inline SeirikenTicket ticket(const QString& stop, qint16 number) {
    SeirikenTicket t;
    t.StopName = stop;
    t.SeiriNum = number;
    t.Date = QStringLiteral("03-07-2025");
    t.Time = QStringLiteral("08:05:09");
    t.Route = 12;
    t.Index = 5;
    return t;
}

// False when the preview has not caught up within 30 s.
inline bool previewSettled(PreviewPicture& picture) {
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&picture, &PreviewPicture::shown, &loop, &QEventLoop::quit);
    limit.start(30000);
    while (picture.pending() && limit.isActive())
        loop.exec();
    return !picture.pending();
}
