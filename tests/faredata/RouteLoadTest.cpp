#include "faredata/RouteLoad.h"

#include "faredata/FareTable.h"
#include "faredata/RouteLoadHost.h"
#include "faredata/RouteState.h"
#include "platform/core/K41Error.h"
#include "settings/Settings.h"
#include "tests/common/TestUtil.h"
#include "tests/faredata/Hy3Bytes.h"

#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Records every call in order, as short texts.
class FakeHost : public RouteLoadHost {
  public:
    Settings s;
    QStringList log;
    QStringList messages;
    qint16 mode = 2;
    bool failDrawing = false;

    const Settings& settings() const override { return s; }
    void playSound(const QString& path, const QString& channel, qint16 sync) override {
        log << QStringLiteral("sound %1 %2 %3").arg(path, channel).arg(sync);
    }
    void loadBroadcastData(const QString& folder, const QString& route) override {
        log << QStringLiteral("tape %1 %2").arg(folder, route);
    }
    qint16 tsugiwaMode() const override { return mode; }
    void setTsugiwaMode(qint16 m) override {
        mode = m;
        log << QStringLiteral("tsugiwa %1").arg(m);
    }
    void setChimei(const QString& text) override { log << QStringLiteral("chimei ") + text; }
    void resetDegit(int index, bool lit) override {
        if (index == 1 || index == 24) log << QStringLiteral("reset %1 %2").arg(index).arg(lit);
    }
    void setDegitValue(int index, const QVariant& value) override {
        if (index == 1 || index == 24)
            log << QStringLiteral("value %1 %2").arg(index).arg(value.toString());
    }
    void holdLampTest(int ms) override { log << QStringLiteral("lamp %1").arg(ms); }
    void enableDataButtons() override { log << QStringLiteral("enable"); }
    void showMessage(const QString& text) override {
        messages << text;
        log << QStringLiteral("message");
    }
    QDate currentDate() const override { return QDate(2024, 3, 9); }
    bool lateNightFare() const override { return false; }
    QDateTime currentDateTime() const override { return QDateTime(currentDate(), QTime(8, 0)); }
    void clearSeirikenPreview() override {
        log << QStringLiteral("preview");
        if (failDrawing)
            throw K41Error(K41Error::Overflow, QStringLiteral("オーバーフローしました"));
    }
    void drawSeirikenPreview(const SeirikenTicket&) override {}

    // The calls after the sound and the broadcast hand-over: what reached the board.
    QStringList boardCalls() const { return log.mid(2); }
};

struct Panel {
    FareTable table;
    RouteState state;
    FakeHost host;
    RouteLoad load{table, state, host};
};

class RouteLoadTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    Panel p;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        // Stored as on Windows: backslashes, another case, no trailing separator.
        p.host.s.FareDataDir = dir.path() + QStringLiteral("\\Fare");
        p.host.s.TapeDataDir = QStringLiteral("C:\\TAPE");
        p.host.s.SoundKeitouSet = QStringLiteral("set.wav");
        p.host.s.SeiriDateValue = QStringLiteral("2020/01/02");
    }
    void put(const QString& name, const QByteArray& bytes) {
        TestUtil::writeFile(dir.filePath("FARE/" + name), bytes);
    }

    // Loads route 9 (5 rows) and clears the log, as the state a failed load must keep.
    void loadRouteNine() {
        put("9.hy3", Hy3Bytes::numbered(5));
        ASSERT_TRUE(p.load.Command1_Click(1, "9", "2"));
        p.host.log.clear();
    }
    void expectRouteNineKept() {
        EXPECT_EQ(p.state.RouteText, "9");
        EXPECT_EQ(p.state.StartSection, 2);
        EXPECT_EQ(p.state.StopCount, 5);
        EXPECT_EQ(p.state.CurStop, 1);
        EXPECT_EQ(p.table.row(5).StopName, QStringLiteral("停5"));
        EXPECT_EQ(p.table.row(6), FareRow{});
        // Nothing reached the board after the sound and the broadcast hand-over but the message.
        EXPECT_EQ(p.host.boardCalls(), QStringList{"message"});
    }
};

} // namespace

TEST_F(RouteLoadTest, LoadsInOrderAndDrawsTheStartingRow) {
    put("12.hy3", Hy3Bytes::numbered(5));
    EXPECT_TRUE(p.load.Command1_Click(0, "00012", "003"));
    const QStringList expected{"sound set.wav S1 0",
                               "tape C:\\TAPE\\ 12",
                               "tsugiwa 0",
                               "chimei 系統選別中",
                               "tsugiwa 2",
                               "reset 1 1",
                               "reset 24 1",
                               "lamp 3000",
                               "value 1 0",
                               "value 24 0",
                               "enable",
                               "tsugiwa 2",
                               "value 24 103",
                               "preview",
                               "tsugiwa -1",
                               "chimei 停3"};
    EXPECT_EQ(p.host.log, expected);
    EXPECT_TRUE(p.host.messages.isEmpty());
    EXPECT_EQ(p.state.RouteText, "00012");
    EXPECT_EQ(p.state.StartSection, 3);
    EXPECT_EQ(p.state.StopCount, 5);
    EXPECT_EQ(p.state.CurStop, 2);
    EXPECT_EQ(p.state.SavedTsugiwaMode, 2);
    EXPECT_EQ(p.state.HeldSeiriDate, "03-09-2024");
    EXPECT_EQ(p.table.row(5).StopName, QStringLiteral("停5"));
    EXPECT_EQ(p.table.row(5).Fare(150), 105);
}

TEST_F(RouteLoadTest, NormalisesRouteAndSection) {
    EXPECT_EQ(RouteLoad::routeFileNumber("00012"), "12");
    EXPECT_EQ(RouteLoad::routeFileNumber(""), "0");
    EXPECT_EQ(RouteLoad::routeFileNumber("000"), "0");
    EXPECT_EQ(RouteLoad::routeFileNumber("99999"), "99999");
    struct {
        const char* text;
        qint16 section;
    } sections[] = {
        {"", 1},      {"0", 1},     {"000", 1},           {"7", 7},  {"007", 7}, {"300", 300},
        {"301", 300}, {"999", 300}, {"99999999999", 300}, {"-5", 1}, {"2.5", 2}, {"3.5", 4},
        {"x", 1}};
    for (const auto& c : sections)
        EXPECT_EQ(RouteLoad::sectionFromText(c.text), c.section) << c.text;

    // Keypad "12" and dials "00012" read the same file, found whatever its case on disk.
    TestUtil::writeFile(dir.filePath("FARE/12.HY3"), Hy3Bytes::numbered(3));
    EXPECT_TRUE(p.load.Command1_Click(1, "12", ""));
    EXPECT_EQ(p.state.RouteText, "12");
    EXPECT_EQ(p.state.StartSection, 1);
    EXPECT_TRUE(p.load.Command1_Click(0, "00012", "0"));
    EXPECT_EQ(p.state.RouteText, "00012");

    put("0.hy3", Hy3Bytes::numbered(2));
    EXPECT_TRUE(p.load.Command1_Click(1, "", ""));
    EXPECT_EQ(p.state.RouteText, "");
    EXPECT_TRUE(p.host.messages.isEmpty()) << p.host.messages.join('|').toStdString();
}

TEST_F(RouteLoadTest, AcceptsEverySectionBeforeTheLastRow) {
    put("5.hy3", Hy3Bytes::numbered(5));
    for (int section = 1; section <= 4; ++section)
        EXPECT_TRUE(p.load.Command1_Click(1, "5", QString::number(section))) << section;
    EXPECT_FALSE(p.load.Command1_Click(1, "5", "5"));
    EXPECT_EQ(p.host.messages, QStringList{RouteLoad::MsgSectionTooFar});
    EXPECT_EQ(p.state.CurStop, 3); // from the last accepted load

    put("1.hy3", Hy3Bytes::numbered(1));
    EXPECT_FALSE(p.load.Command1_Click(1, "1", "1"));
    put("301.hy3", Hy3Bytes::numbered(301));
    EXPECT_TRUE(p.load.Command1_Click(1, "301", "999"));
    EXPECT_EQ(p.state.CurStop, 299);
    EXPECT_EQ(p.table.row(301).StopName, QStringLiteral("停301"));
    put("300.hy3", Hy3Bytes::numbered(300));
    EXPECT_FALSE(p.load.Command1_Click(1, "300", "999"));
    EXPECT_EQ(p.host.messages.size(), 3);
}

TEST_F(RouteLoadTest, RefusalsTellTheOperatorAndKeepTheLoadedRoute) {
    loadRouteNine();
    struct Case {
        QString file;
        QByteArray bytes;
        QString message; // empty: the failure's own description, checked for a fragment
        QString fragment;
    } cases[] = {
        {"", {}, RouteLoad::MsgNoRouteData, {}},
        {"20.hy3", Hy3Bytes::file(0, {}), RouteLoad::MsgNoRows, {}},
        {"20.hy3", QByteArray(), RouteLoad::MsgNoRows, {}},
        {"20.hy3", Hy3Bytes::file(-2, {Hy3Bytes::row("a", 1)}), RouteLoad::MsgSectionTooFar, {}},
        {"20.hy3", Hy3Bytes::numbered(302), {}, "302"},
        {"20.hy3", Hy3Bytes::numbered(4).left(700), {}, QStringLiteral("3行目")},
        {"20.hy3", QByteArray("\x05"), {}, QStringLiteral("行数")},
    };
    for (const Case& c : cases) {
        QFile::remove(dir.filePath("FARE/20.hy3"));
        if (!c.file.isEmpty()) put(c.file, c.bytes);
        p.host.log.clear();
        p.host.messages.clear();
        EXPECT_FALSE(p.load.Command1_Click(1, "20", "1"));
        ASSERT_EQ(p.host.messages.size(), 1);
        if (c.message == RouteLoad::MsgNoRouteData) {
            // The route and the file looked for follow on a line of their own.
            EXPECT_EQ(p.host.messages.front(),
                      c.message + QStringLiteral("\r\n系統 20: ") +
                          QDir::toNativeSeparators(dir.filePath("FARE/20.hy3")));
        } else if (!c.message.isEmpty())
            EXPECT_EQ(p.host.messages.front(), c.message);
        else
            EXPECT_TRUE(p.host.messages.front().contains(c.fragment))
                << p.host.messages.front().toStdString();
        // The route-setting sound plays even for a refused route.
        EXPECT_EQ(p.host.log.value(0), "sound set.wav S1 0");
        expectRouteNineKept();
    }
}

TEST_F(RouteLoadTest, AMissingFolderIsReportedAsItself) {
    loadRouteNine();
    p.host.s.FareDataDir = dir.path() + QStringLiteral("\\nowhere\\deeper");
    EXPECT_FALSE(p.load.Command1_Click(1, "9", "1"));
    ASSERT_EQ(p.host.messages.size(), 1);
    EXPECT_NE(p.host.messages.front(), RouteLoad::MsgNoRouteData);
    EXPECT_TRUE(p.host.messages.front().contains("nowhere"))
        << p.host.messages.front().toStdString();
    expectRouteNineKept();
}

TEST_F(RouteLoadTest, APipeInPlaceOfTheFileIsRefusedWithoutWaitingForIt) {
    loadRouteNine();
    const QByteArray pipe = QFile::encodeName(dir.filePath("FARE/20.hy3"));
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    // Holding both ends open keeps this test from hanging should the pipe ever be opened.
    const int held = ::open(pipe.constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(held, 0);
    EXPECT_FALSE(p.load.Command1_Click(1, "20", "1"));
    ::close(held);
    ASSERT_EQ(p.host.messages.size(), 1);
    EXPECT_TRUE(p.host.messages.front().contains(QStringLiteral("通常のファイルではない")))
        << p.host.messages.front().toStdString();
    expectRouteNineKept();
}

TEST_F(RouteLoadTest, FixesTheTicketDateFromItsSetting) {
    put("3.hy3", Hy3Bytes::numbered(3));
    p.host.s.SeiriDateAuto = false;
    p.host.s.SeiriDateHold = true;
    ASSERT_TRUE(p.load.Command1_Click(1, "3", "1"));
    EXPECT_EQ(p.state.HeldSeiriDate, "03-09-2024");
    p.host.s.SeiriDateHold = false;
    p.host.s.SeiriDateFixed = true;
    ASSERT_TRUE(p.load.Command1_Click(1, "3", "1"));
    EXPECT_EQ(p.state.HeldSeiriDate, "2020/01/02");
    // A settings file may hold none of the three choices: the date taken before is kept.
    p.host.s.SeiriDateFixed = false;
    p.host.s.SeiriDateValue = QStringLiteral("2021/11/12");
    ASSERT_TRUE(p.load.Command1_Click(1, "3", "1"));
    EXPECT_EQ(p.state.HeldSeiriDate, "2020/01/02");
}

TEST_F(RouteLoadTest, ReportsAFailedFirstDrawing) {
    put("3.hy3", Hy3Bytes::numbered(3));
    p.host.failDrawing = true;
    EXPECT_FALSE(p.load.Command1_Click(1, "3", "1"));
    EXPECT_EQ(p.host.messages, QStringList{QStringLiteral("オーバーフローしました")});
}

TEST(RouteLoadSamples, RouteOneLoadsFromTheBuiltSamplesWithSectionOne) {
    Panel p;
    p.host.s.FareDataDir = QStringLiteral(K41_BUILT_SAMPLES_DIR "/fare");
    ASSERT_TRUE(p.load.Command1_Click(1, "1", "1")) << p.host.messages.join('|').toStdString();
    EXPECT_EQ(p.state.StopCount, 12);
    EXPECT_EQ(p.table.row(1).StopName, QStringLiteral("山鳩駅前"));
    EXPECT_EQ(p.table.row(4).Fare(1), 200);
}
