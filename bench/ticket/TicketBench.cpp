// Cost of drawing the heaviest tickets a plug-in may ask for, against the sample ticket drawn
// in the same run. Each heavy layout is built at the reader's limits and must be accepted by
// the reader; the time of one ticket at the panel's scale and at k41tool's largest scale is
// printed with its ratio to the sample.
#include "platform/ticket/TicketPluginReader.h"
#include "platform/ticket/TicketRenderer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace {

using namespace TicketPluginReader;

// `count` text items, each in a box of `boxFraction` of the ticket's side, sharing the text
// budget, at the largest font size.
QByteArray heavy(int count, int boxDivisor) {
    const int side = MaxTwips, box = side / boxDivisor;
    QJsonArray items;
    const int perItem = MaxTotalText / count;
    for (int i = 0; i < count; ++i) {
        const int cell = i % (boxDivisor * boxDivisor);
        items.append(QJsonObject{{"type", "text"},
                                 {"text", QString(perItem, QChar(0x6F22 + i % 50))},
                                 {"x", (cell % boxDivisor) * box},
                                 {"y", (cell / boxDivisor) * box},
                                 {"width", box},
                                 {"height", box},
                                 {"size", MaxFontSize},
                                 {"bold", true}});
    }
    const QJsonObject caps{{"printDate", 0},     {"printTime", 0},    {"printRoute", 0},
                           {"printStopName", 0}, {"printBarcode", 0}, {"companySwitch", 0}};
    return QJsonDocument(QJsonObject{{"format", "K41 ticket plug-in"},
                                     {"version", 1},
                                     {"size", QJsonObject{{"width", side}, {"height", side}}},
                                     {"capabilities", caps},
                                     {"items", items}})
        .toJson();
}

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
    const Result sample = readFile(QStringLiteral(K41_SAMPLE_PLUGIN));
    if (!sample) {
        std::fprintf(stderr, "sample: %s\n", qPrintable(sample.reason));
        return 1;
    }
    const double base = millis(*sample.plugin, 1, 20);
    std::printf("sample ticket, scale 1: %.2f ms\n", base);
    struct Layout {
        const char* name;
        int count, divisor;
    };
    for (const Layout l : {Layout{"8 boxes as large as the ticket", 8, 1},
                           Layout{"200 boxes of 1/25 of the ticket", 200, 5}}) {
        const Result read = parse(heavy(l.count, l.divisor));
        if (!read) {
            std::printf("%s: refused (%s)\n", l.name, qPrintable(read.reason));
            continue;
        }
        for (double scale : {1.0, 4.0}) {
            const double ms = millis(*read.plugin, scale, 3);
            std::printf("%s, scale %.0f: %.1f ms (%.0f x the sample)\n", l.name, scale, ms,
                        ms / base);
        }
    }
    return 0;
}
