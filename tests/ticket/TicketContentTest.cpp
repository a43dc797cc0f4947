#include "platform/ticket/TicketContent.h"

#include <gtest/gtest.h>

using Kind = TicketItem::Kind;
using Symbology = TicketItem::Symbology;

namespace {

TicketPlugin plugin(qint32 maxRoute, qint32 method, qint32 from, qint32 to) {
    TicketPlugin p;
    p.info.PrintBarcode = 1;
    p.info.MaxRoute = maxRoute;
    p.info.BarcodeRouteMethod = method;
    p.info.StopRangeFrom = from;
    p.info.StopRangeTo = to;
    p.companies = {QStringLiteral("山鳩市営バス"), QStringLiteral("みさき観光バス")};
    return p;
}

TicketItem item(Kind kind, const QString& text = QStringLiteral("{}")) {
    TicketItem i;
    i.kind = kind;
    i.text = text;
    return i;
}

TicketData ticket(qint32 route, qint16 row, qint16 seiriNum = 4) {
    TicketData t;
    t.route = route;
    t.row = row;
    t.seiriNum = seiriNum;
    t.stopName = QStringLiteral("本町一丁目");
    t.date = QStringLiteral("03-07-2025");
    t.time = QStringLiteral("08:05:09");
    return t;
}

} // namespace

TEST(TicketContent, BarcodeDataFollowsTheRouteMethod) {
    struct Case {
        qint32 maxRoute, method, from, to;
        Symbology symbology;
        int direction;
        qint32 route;
        qint16 row;
        const char* expected; // nullptr: no barcode
    };
    const Case cases[] = {
        // Serial numbering: route then stop row.
        {999, 1, 1, 99, Symbology::Code128, 1, 12, 5, "01205"},
        // Route number plus direction flag: route, flag, stop row.
        {999, 2, 1, 99, Symbology::Code128, 1, 12, 5, "012105"},
        {999, 0, 1, 99, Symbology::Code128, 0, 7, 23, "007023"},
        {9, 2, 0, 9, Symbology::Code128, 0, 9, 0, "900"},
        // Interleaved 2 of 5 pairs digits: an odd count gets a leading zero.
        {999, 1, 1, 99, Symbology::Itf, 0, 12, 5, "001205"},
        {999, 2, 1, 99, Symbology::Itf, 0, 12, 5, "012005"},
        {999, 1, 1, 99, Symbology::Codabar, 0, 12, 5, "A01205A"},
        // Outside what the barcode can express.
        {999, 1, 1, 99, Symbology::Code128, 0, 1000, 5, nullptr},
        {999, 1, 1, 99, Symbology::Code128, 0, 0, 5, nullptr},
        {999, 1, 1, 99, Symbology::Code128, 0, -3, 5, nullptr},
        {999, 1, 3, 99, Symbology::Code128, 0, 12, 2, nullptr},
        {999, 1, 3, 40, Symbology::Code128, 0, 12, 41, nullptr},
    };
    for (const Case& c : cases) {
        TicketItem barcode = item(Kind::Barcode);
        barcode.symbology = c.symbology;
        barcode.direction = c.direction;
        const auto data = TicketContent::barcodeData(plugin(c.maxRoute, c.method, c.from, c.to),
                                                     barcode, ticket(c.route, c.row));
        if (c.expected)
            EXPECT_EQ(data.value_or(QStringLiteral("(none)")), QLatin1String(c.expected))
                << c.route << "/" << c.row;
        else
            EXPECT_FALSE(data) << c.route << "/" << c.row << " gave " << data->toStdString();
    }
}

TEST(TicketContent, NumberBarcodeHoldsTheTicketNumber) {
    TicketItem barcode = item(Kind::Barcode);
    barcode.content = TicketItem::Content::Number;
    const TicketPlugin p = plugin(9, 1, 1, 9);
    // The route and stop ranges do not matter for the ticket number.
    EXPECT_EQ(TicketContent::barcodeData(p, barcode, ticket(500, 200, 7)), QStringLiteral("007"));
    EXPECT_FALSE(TicketContent::barcodeData(p, barcode, ticket(1, 1, -1)));
}

TEST(TicketContent, TextsOfTheItems) {
    const TicketPlugin p = plugin(999, 1, 1, 99);
    const TicketData t = ticket(12, 5, 4);
    TicketItem number = item(Kind::Number);
    EXPECT_EQ(TicketContent::itemText(p, number, t), QStringLiteral("4"));
    number.digits = 3;
    EXPECT_EQ(TicketContent::itemText(p, number, t), QStringLiteral("004"));
    EXPECT_EQ(TicketContent::itemText(p, number, ticket(1, 1, -4)), QStringLiteral("-004"));
    EXPECT_EQ(TicketContent::itemText(p, item(Kind::Route, QStringLiteral("{}系統")), t),
              QStringLiteral("12系統"));
    EXPECT_EQ(TicketContent::itemText(p, item(Kind::StopName, QStringLiteral("【{}】")), t),
              QStringLiteral("【本町一丁目】"));
    EXPECT_EQ(TicketContent::itemText(p, item(Kind::Text, QStringLiteral("整理券{}")), t),
              QStringLiteral("整理券{}"))
        << "a fixed text is printed as written";
    EXPECT_EQ(TicketContent::itemText(p, item(Kind::Rule), t), QString());
}

TEST(TicketContent, DatesFromEveryDateSettingAndTimes) {
    const TicketPlugin p = plugin(999, 1, 1, 99);
    TicketItem date = item(Kind::Date);
    TicketData t = ticket(1, 1);
    struct Case {
        const char* given;
        TicketItem::DateStyle style;
        const char* printed;
    };
    const Case cases[] = {
        {"03-07-2025", TicketItem::DateStyle::AsGiven, "03-07-2025"},
        {"03-07-2025", TicketItem::DateStyle::Kanji, "2025年3月7日"},
        {"2025/03/07", TicketItem::DateStyle::Kanji, "2025年3月7日"},
        {"2025/12/31", TicketItem::DateStyle::Dots, "2025.12.31"},
        {"12-31-2025", TicketItem::DateStyle::Dots, "2025.12.31"},
        {"いつか", TicketItem::DateStyle::Kanji, "いつか"}, // not a date: as given
        {"2025/02/30", TicketItem::DateStyle::Dots, "2025/02/30"},
    };
    for (const Case& c : cases) {
        t.date = QString::fromUtf8(c.given);
        date.dateStyle = c.style;
        EXPECT_EQ(TicketContent::itemText(p, date, t), QString::fromUtf8(c.printed)) << c.given;
    }
    TicketItem time = item(Kind::Time);
    EXPECT_EQ(TicketContent::itemText(p, time, t), QStringLiteral("08:05:09"));
    time.timeStyle = TicketItem::TimeStyle::Minutes;
    EXPECT_EQ(TicketContent::itemText(p, time, t), QStringLiteral("08:05"));
}

TEST(TicketContent, CompanyNameByIndexWithTheFirstAsDefault) {
    TicketPlugin p = plugin(999, 1, 1, 99);
    EXPECT_EQ(TicketContent::companyName(p, 1), QStringLiteral("みさき観光バス"));
    EXPECT_EQ(TicketContent::companyName(p, 0), QStringLiteral("山鳩市営バス"));
    EXPECT_EQ(TicketContent::companyName(p, -1), QStringLiteral("山鳩市営バス"));
    EXPECT_EQ(TicketContent::companyName(p, 2), QStringLiteral("山鳩市営バス"));
    p.companies.clear();
    EXPECT_EQ(TicketContent::companyName(p, 0), QString());
}
