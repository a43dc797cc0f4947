// Time the panel's own thread spends on the ticket preview per display update, for each of the
// heaviest layouts a plug-in may ask for: the preview box (drawn on its drawer's thread) against
// the same ticket drawn at once on the panel's thread, measured in the same run. Time is the
// panel thread's processor time, so waiting for the drawer's thread does not count.
#include "bench/ticket/HeavyPlugin.h"
#include "panel/PreviewPicture.h"
#include "platform/ZKP4Res.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

double threadMillis() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

SeirikenTicket ticket(int step) {
    SeirikenTicket t;
    t.StopName = QStringLiteral("市役所前");
    t.SeiriNum = qint16(step % 99 + 1);
    t.Date = QStringLiteral("2025/03/07");
    t.Time = QStringLiteral("08:05:09");
    t.Route = 12;
    t.Index = qint16(step % 99 + 1);
    return t;
}

// One display update as the panel makes it, until the new ticket shows.
void previewStep(PreviewPicture& picture, const QString& plugin, int step) {
    picture.clear();
    picture.drawTicket(plugin, ticket(step), 0);
    QEventLoop loop;
    QTimer limit;
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&picture, &PreviewPicture::shown, &loop, &QEventLoop::quit);
    limit.start(60000);
    while (picture.pending() && limit.isActive())
        loop.exec();
    QApplication::processEvents(); // the repaint
}

// The same update with the ticket drawn at once, as the panel used to.
void synchronousStep(QImage& image, const QString& plugin, int step) {
    image.fill(Qt::white);
    QPainter painter(&image);
    const SeirikenTicket t = ticket(step);
    ZKP4Res::ZK4_DrawSeiriken(plugin, &painter, t.StopName, t.Date, t.Time, t.Route, t.SeiriNum,
                              t.Index, 0);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    QTemporaryDir dir;
    const int steps = 5;
    for (const HeavyPlugin::Layout& l : HeavyPlugin::Layouts) {
        const QString plugin = dir.filePath(QStringLiteral("heavy.4SP"));
        QFile file(plugin);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(HeavyPlugin::heavy(l.count, l.points)) <= 0 || !file.flush()) {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(plugin));
            return 1;
        }
        file.close();
        ZKP4Res::PlgInfo info;
        QString reason;
        if (!ZKP4Res::ZK4_GetPlgInfo(plugin, info, &reason)) {
            std::printf("%s: refused (%s)\n", l.name, qPrintable(reason));
            continue;
        }
        PreviewPicture picture;
        picture.setSizeTwips(HeavyPlugin::MaxTwips, HeavyPlugin::MaxTwips);
        picture.show();
        previewStep(picture, plugin, 0); // the drawer's thread starts

        QImage image(picture.image().size(), QImage::Format_RGB32);
        double start = threadMillis();
        for (int i = 0; i < steps; ++i)
            synchronousStep(image, plugin, i);
        const double atOnce = (threadMillis() - start) / steps;

        start = threadMillis();
        for (int i = 0; i < steps; ++i)
            previewStep(picture, plugin, i + 1);
        const double preview = (threadMillis() - start) / steps;
        std::printf("%s: panel thread %.2f ms per update, drawn at once %.1f ms (%.3f x)\n", l.name,
                    preview, atOnce, preview / atOnce);
    }
    return 0;
}
