#pragma once
// The ticket preview is drawn on a thread of its own: tests run the event loop until the
// preview shows what was last asked for.
#include "panel/PreviewPicture.h"

#include <QEventLoop>
#include <QTimer>

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
