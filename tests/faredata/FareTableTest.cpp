#include "faredata/FareTable.h"
#include "faredata/RouteState.h"

#include "platform/core/K41Error.h"

#include <gtest/gtest.h>

TEST(FareTable, CellsFollowTheDataColumns) {
    FareTable table;
    table.SetFareCell(1, 1, QStringLiteral("駅前"));
    table.SetFareCell(1, 2, qint16(7));
    table.SetFareCell(1, 3, qint16(180));
    table.SetFareCell(301, 152, qint16(-1));
    table.SetFareCell(2, 1, qint16(12));
    EXPECT_EQ(table.row(1).StopName, QStringLiteral("駅前"));
    EXPECT_EQ(table.row(1).SeiriNum, 7);
    EXPECT_EQ(table.row(1).Fare(1), 180);
    EXPECT_EQ(table.row(301).Fare(150), -1);
    EXPECT_EQ(table.row(2).StopName, QStringLiteral("12"));

    table.ClearFareTable();
    EXPECT_EQ(table.row(1), FareRow{});
    EXPECT_EQ(table.row(301), FareRow{});
}

TEST(FareTable, CellsOutsideTheTableAreSubscriptErrorsThatChangeNothing) {
    FareTable table;
    table.SetFareCell(1, 3, qint16(180));
    const auto number = [&](auto&& f) {
        try {
            f();
        } catch (const K41Error& e) {
            return e.number();
        }
        return 0;
    };
    EXPECT_EQ(number([&] { table.SetFareCell(0, 3, qint16(1)); }), K41Error::SubscriptOutOfRange);
    EXPECT_EQ(number([&] { table.SetFareCell(302, 3, qint16(1)); }), K41Error::SubscriptOutOfRange);
    EXPECT_EQ(number([&] { table.SetFareCell(1, 0, qint16(1)); }), K41Error::SubscriptOutOfRange);
    EXPECT_EQ(number([&] { table.SetFareCell(1, 153, qint16(1)); }), K41Error::SubscriptOutOfRange);
    EXPECT_EQ(number([&] { table.SetFareCell(1, 3, QStringLiteral("x")); }),
              K41Error::TypeMismatch);
    EXPECT_EQ(number([&] { table.row(0); }), K41Error::SubscriptOutOfRange);
    EXPECT_EQ(number([&] { table.row(1).Fare(151); }), K41Error::SubscriptOutOfRange);
    EXPECT_EQ(number([&] { table.store(std::vector<FareRow>(302)); }),
              K41Error::SubscriptOutOfRange);
    EXPECT_EQ(table.row(1).Fare(1), 180);
}

TEST(FareTable, StoringAShorterRouteClearsTheRowsBeyondIt) {
    FareTable table;
    std::vector<FareRow> longRoute(5);
    for (auto& row : longRoute)
        row.StopName = QStringLiteral("旧");
    table.store(longRoute);
    std::vector<FareRow> shortRoute(2);
    shortRoute[1].StopName = QStringLiteral("新");
    table.store(shortRoute);
    EXPECT_EQ(table.row(2).StopName, QStringLiteral("新"));
    EXPECT_EQ(table.row(3), FareRow{});
    EXPECT_EQ(table.row(5), FareRow{});
}

TEST(RouteState, StepsStayWithinTheLoadedRows) {
    RouteState state;
    EXPECT_FALSE(state.stepForward()); // no route loaded
    EXPECT_FALSE(state.stepBack());
    state.StopCount = 3;
    EXPECT_TRUE(state.stepForward());
    EXPECT_TRUE(state.stepForward());
    EXPECT_FALSE(state.stepForward());
    EXPECT_EQ(state.CurStop, 2);
    EXPECT_TRUE(state.stepBack());
    EXPECT_TRUE(state.stepBack());
    EXPECT_FALSE(state.stepBack());
    EXPECT_EQ(state.CurStop, 0);
}
