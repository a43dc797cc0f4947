#pragma once
// The heaviest ticket layouts a plug-in may ask for, built at the reader's limits.
#include "platform/ticket/TicketPluginReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

namespace HeavyPlugin {

using namespace TicketPluginReader;

// `count` text items at `points`, in square boxes as large as the reader allows for the texts
// together, sharing what it allows of text; under them rules covering the ticket as often as
// allowed.
inline QByteArray heavy(int count, int points) {
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

struct Layout {
    const char* name;
    int count, points;
};
inline constexpr Layout Layouts[] = {{"1 text box, 500 pt", 1, 500},
                                     {"8 text boxes, 500 pt", 8, 500},
                                     {"8 text boxes, 40 pt", 8, 40},
                                     {"190 text boxes, 20 pt", 190, 20}};

} // namespace HeavyPlugin
