#include "faredata/FareDisplay.h"

#include "faredata/DispDataHost.h"
#include "faredata/FareTable.h"
#include "faredata/RouteState.h"
#include "platform/core/K41Error.h"
#include "settings/Settings.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

class FakeBoard : public DispDataHost {
  public:
    Settings s;
    bool lateNight = false;
    QMap<int, QVariant> digits; // last value written to each digit
    int writes = 0;
    QStringList chimeiLog; // tsugiwa and chimei calls in order
    int cleared = 0;
    QList<SeirikenTicket> tickets;

    const Settings& settings() const override { return s; }
    bool lateNightFare() const override { return lateNight; }
    QDateTime currentDateTime() const override {
        return QDateTime(QDate(2024, 12, 31), QTime(23, 5, 9));
    }
    void setDegitValue(int index, const QVariant& value) override {
        digits[index] = value;
        ++writes;
    }
    void setTsugiwaMode(qint16 mode) override {
        chimeiLog << QStringLiteral("tsugiwa %1").arg(mode);
    }
    void setChimei(const QString& text) override { chimeiLog << text; }
    void clearSeirikenPreview() override { ++cleared; }
    void drawSeirikenPreview(const SeirikenTicket& ticket) override { tickets << ticket; }
};

class FareDisplayTest : public ::testing::Test {
  protected:
    FareTable table;
    RouteState state;
    FakeBoard board;
    FareDisplay display{table, state, board};

    void SetUp() override {
        state.RouteText = QStringLiteral("00012");
        state.StartSection = 1;
        for (int r = 1; r <= 6; ++r) {
            table.SetFareCell(r, 1, QStringLiteral("停留所%1").arg(r));
            table.SetFareCell(r, 2, qint16(r + 10));
            for (int t = 1; t <= 150; ++t)
                table.SetFareCell(r, t + 2, qint16(r * 1000 + t));
        }
        board.s.TsugiwaMode = 3;
    }
};

} // namespace

TEST_F(FareDisplayTest, WritesFaresFromTheStartingSectionAndDoublesThemAtNight) {
    table.SetFareCell(2, 3, qint16(200));
    table.SetFareCell(2, 4, qint16(-1));
    table.SetFareCell(2, 5, qint16(20000));
    table.SetFareCell(2, 6, qint16(-20000));
    display.DispData(2);
    EXPECT_EQ(board.digits.value(1), 200);
    EXPECT_EQ(board.digits.value(2), -1);
    EXPECT_EQ(board.digits.value(24), 2024);
    EXPECT_EQ(board.digits.size(), 24);

    board.lateNight = true;
    display.DispData(2);
    EXPECT_EQ(board.digits.value(1), 400);
    EXPECT_EQ(board.digits.value(2), -1);    // a visible zero stays one at night
    EXPECT_EQ(board.digits.value(3), 40000); // beyond 16 bits, shown in full
    EXPECT_EQ(board.digits.value(4), -40000);
    EXPECT_EQ(board.digits.value(24), 4048);

    board.digits.clear();
    state.StartSection = 5;
    display.DispData(3);
    EXPECT_FALSE(board.digits.contains(4));
    EXPECT_EQ(board.digits.value(5), 2 * 3005);
    EXPECT_EQ(board.digits.size(), 20);

    board.digits.clear();
    state.StartSection = 30;
    display.DispData(3);
    EXPECT_TRUE(board.digits.isEmpty());
}

TEST_F(FareDisplayTest, InformationDigitsOverwriteInTheirOrder) {
    board.s.InfoOrderUse = 1;
    board.s.InfoOrderPos = 0;
    board.s.InfoOrderFromZero = 1;
    board.s.InfoSeiriNumUse = 1;
    board.s.InfoSeiriNumPos = 5;
    board.s.InfoKeitouUse = 1;
    board.s.InfoKeitouPos = 23;
    board.s.InfoColumnUse = 1;
    board.s.InfoColumnNo = 149;
    board.s.InfoColumnPos = 5; // same digit as the ticket number: the column wins
    board.lateNight = true;    // information is never doubled
    display.DispData(1);
    EXPECT_EQ(board.digits.value(1), 0);
    EXPECT_EQ(board.digits.value(6), 1150);
    EXPECT_EQ(board.digits.value(24), QVariant(QStringLiteral("00012")));
    display.DispData(5);
    EXPECT_EQ(board.digits.value(1), 4);
    board.s.InfoOrderFromZero = 0;
    display.DispData(5);
    EXPECT_EQ(board.digits.value(1), 5);

    board.s.InfoColumnUse = 0;
    display.DispData(5);
    EXPECT_EQ(board.digits.value(6), 15);
}

TEST_F(FareDisplayTest, IncompleteInformationSettingsNeitherFailNorWriteElsewhere) {
    board.s.InfoColumnUse = 1;
    board.s.InfoColumnNo = -1; // no column chosen
    board.s.InfoColumnPos = 2;
    board.s.InfoSeiriNumUse = 1;
    board.s.InfoSeiriNumPos = -1; // no position chosen: the hidden digit 0
    board.s.InfoKeitouUse = 1;
    board.s.InfoKeitouPos = 40; // names no digit
    EXPECT_NO_THROW(display.DispData(2));
    EXPECT_EQ(board.digits.value(3), 2003);
    EXPECT_EQ(board.digits.value(0), 12);
    EXPECT_EQ(board.writes, 25);
    EXPECT_EQ(board.chimeiLog.last(), QStringLiteral("停留所2"));
}

TEST_F(FareDisplayTest, RowsOutsideTheTableAreRefusedBeforeAnythingChanges) {
    for (qint16 index : {qint16(0), qint16(-1), qint16(302)}) {
        try {
            display.DispData(index);
            ADD_FAILURE() << "accepted row " << index;
        } catch (const K41Error& e) {
            EXPECT_EQ(e.number(), K41Error::SubscriptOutOfRange);
        }
    }
    EXPECT_EQ(board.writes, 0);
    EXPECT_TRUE(board.chimeiLog.isEmpty());
    EXPECT_EQ(board.cleared, 0);
    EXPECT_NO_THROW(display.DispData(301));
}

TEST_F(FareDisplayTest, TheFirstRowIsNamedWithoutTsugiwa) {
    state.SavedTsugiwaMode = 0;
    display.DispData(1);
    EXPECT_EQ(board.chimeiLog, (QStringList{"tsugiwa 0", QStringLiteral("停留所1"), "tsugiwa 3"}));
    EXPECT_EQ(state.SavedTsugiwaMode, 3);
    board.chimeiLog.clear();
    display.DispData(2);
    EXPECT_EQ(board.chimeiLog, (QStringList{"tsugiwa 3", QStringLiteral("停留所2")}));
}

TEST_F(FareDisplayTest, PreviewIsClearedEveryTimeAndDrawnWithTheTicketDate) {
    display.DispData(2);
    EXPECT_EQ(board.cleared, 1);
    EXPECT_TRUE(board.tickets.isEmpty());

    board.s.UseSeiriPrev = 1;
    state.HeldSeiriDate = QStringLiteral("01-02-2023");
    board.s.SeiriDateValue = QStringLiteral("2022/05/06");
    display.DispData(3);
    ASSERT_EQ(board.tickets.size(), 1);
    const SeirikenTicket& t = board.tickets.front();
    EXPECT_EQ(t.StopName, QStringLiteral("停留所3"));
    EXPECT_EQ(t.Date, "12-31-2024");
    EXPECT_EQ(t.Time, "23:05:09");
    EXPECT_EQ(t.Route, 12);
    EXPECT_EQ(t.SeiriNum, 13);
    EXPECT_EQ(t.Index, 3);

    board.s.SeiriDateAuto = false;
    board.s.SeiriDateHold = true;
    EXPECT_EQ(display.seirikenDate(), "01-02-2023");
    board.s.SeiriDateHold = false;
    board.s.SeiriDateFixed = true;
    EXPECT_EQ(display.seirikenDate(), "2022/05/06");
}
