// Cost of drawing the heaviest tickets a plug-in may ask for, against the sample ticket drawn
// in the same run. Each heavy layout is built at the reader's limits and must be accepted by
// the reader; the time of one ticket at the panel's scale and at k41tool's largest scale is
// printed with its ratio to the sample.
#include "bench/ticket/HeavyPlugin.h"
#include "platform/ticket/TicketPluginReader.h"
#include "platform/ticket/TicketRenderer.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>

namespace {

using namespace TicketPluginReader;

double millis(const TicketPlugin& plugin, double scale, int runs) {
    TicketData data;
    data.seiriNum = 12;
    data.stopName = QStringLiteral("市役所前");
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < runs; ++i)
        TicketRenderer::render(plugin, data, scale);
    return double(clock.nsecsElapsed()) / 1e6 / runs;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const Result sample = readFile(QStringLiteral(K41_SAMPLE_PLUGIN));
    if (!sample) {
        std::fprintf(stderr, "sample: %s\n", qPrintable(sample.reason));
        return 1;
    }
    const double base = millis(*sample.plugin, 1, 20);
    std::printf("sample ticket, scale 1: %.2f ms\n", base);
    for (const HeavyPlugin::Layout& l : HeavyPlugin::Layouts) {
        const Result read = parse(HeavyPlugin::heavy(l.count, l.points));
        if (!read) {
            std::printf("%s: refused (%s)\n", l.name, qPrintable(read.reason));
            continue;
        }
        for (double scale : {1.0, 4.0}) {
            const double ms = millis(*read.plugin, scale, 1);
            std::printf("%s, scale %.0f: %.1f ms (%.0f x the sample)\n", l.name, scale, ms,
                        ms / base);
        }
    }
    return 0;
}
