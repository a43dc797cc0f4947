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
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

using namespace TicketPluginReader;

// `count` text items at `points`, in square boxes as large as the reader allows for the texts
// together, sharing what it allows of text; under them rules covering the ticket as often as
// allowed.
QByteArray heavy(int count, int points) {
    const int side = MaxTwips;
    const int box = int(std::sqrt(double(MaxTextArea) / count));
    QJsonArray items;
    for (int i = 0; i + 1 < MaxCoverage; ++i)
        items.append(QJsonObject{{"type", "rule"},
                                 {"x", 0},
                                 {"y", 0},
                                 {"width", side},
                                 {"height", side},
                                 {"colour", i % 2 ? "#FFEEDD" : "#102030"}});
    const int perRow = std::max(1, side / box);
    const int perItem = std::min(MaxTextLength, MaxTotalText / count);
    for (int i = 0; i < count; ++i) {
        const int cell = i % (perRow * perRow);
        items.append(QJsonObject{{"type", "text"},
                                 {"text", QString(perItem, QChar(0x6F22 + i % 50))},
                                 {"x", (cell % perRow) * box},
                                 {"y", (cell / perRow) * box},
                                 {"width", box},
                                 {"height", box},
                                 {"size", points},
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
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const Result sample = readFile(QStringLiteral(K41_SAMPLE_PLUGIN));
    if (!sample) {
        std::fprintf(stderr, "sample: %s\n", qPrintable(sample.reason));
        return 1;
    }
    const double base = millis(*sample.plugin, 1, 20);
    std::printf("sample ticket, scale 1: %.2f ms\n", base);
    struct Layout {
        const char* name;
        int count, points;
    };
    for (const Layout l :
         {Layout{"1 text box, 500 pt", 1, 500}, Layout{"8 text boxes, 500 pt", 8, 500},
          Layout{"8 text boxes, 40 pt", 8, 40}, Layout{"190 text boxes, 20 pt", 190, 20}}) {
        const Result read = parse(heavy(l.count, l.points));
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
