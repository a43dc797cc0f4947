// A trip of a feed made here becomes a route: every fare on the board is the feed's fare for
// that pair of stops, ticket numbers follow the fare zones, the files K41 reads come back as
// written.
#include "gtfs/RouteImport.h"
#include "faredata/Hy3File.h"
#include "gtfs/FeedArchive.h"
#include "gtfs/GtfsFeed.h"
#include "gtfs/RouteFiles.h"
#include "platform/core/K41Error.h"
#include "tape/TapeFile.h"
#include "tests/common/TestUtil.h"
#include "tests/gtfs/SmallFeed.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

GtfsFeed loadSix(SmallFeed feed = SmallFeed::sixStops()) {
    const auto archive = FeedArchive::fromZipBytes(feed.zip(), QStringLiteral("six.zip"));
    return GtfsFeed::load(*archive, GtfsFeed::All);
}

// The fares a row shows for tickets 1 to `count`.
std::vector<int> faresOf(const FareRow& row, int count) {
    std::vector<int> out;
    for (int k = 1; k <= count; ++k)
        out.push_back(row.Fare(k));
    return out;
}

} // namespace

TEST(GtfsImport, FaresFollowTheZonesWithRouteRulesFirst) {
    const GtfsFeed feed = loadSix();
    const ImportedRoute route = RouteImport::build(feed, feed.tripIndex("T1"), {});
    ASSERT_EQ(route.rows.size(), 6u);
    const std::vector<int> numbers = {1, 1, 2, 2, 3, 3};
    // Fare from the stop issuing each ticket to this stop: Z1-Z1 100, Z1-Z2 150, Z1-Z3 250
    // (the route's own rule over 200), Z1-Z4 none, Z2-Z2 0 (a lit zero), Z2-Z4 200, Z3-Z4 100
    // (another route's 300 does not apply).
    const std::vector<std::vector<int>> fares = {
        {0, 0, 0}, {100, 0, 0}, {150, 0, 0}, {150, -1, 0}, {250, 150, 0}, {0, 200, 100},
    };
    for (size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(route.rows[i].SeiriNum, numbers[i]);
        EXPECT_EQ(faresOf(route.rows[i], 3), fares[i]);
        EXPECT_EQ(faresOf(route.rows[i], 150)[3], 0);
    }
    EXPECT_EQ(route.rows[0].StopName, QStringLiteral("駅前"));
    EXPECT_EQ(route.ticketCount, 3);
    EXPECT_EQ(route.routeName, QStringLiteral("中央線"));
    // The pair without a rule is said, with how many cells it left unlit.
    EXPECT_TRUE(route.warnings.join(u'|').contains(QStringLiteral("運賃の規則がない区間が 1 ")))
        << route.warnings.join(u'|').toStdString();
}

TEST(GtfsImport, OneTicketPerStopOnRequest) {
    const GtfsFeed feed = loadSix();
    const ImportedRoute route = RouteImport::build(feed, feed.tripIndex("T1"), {true});
    EXPECT_EQ(route.ticketCount, 6);
    EXPECT_EQ(faresOf(route.rows[5], 5), (std::vector<int>{0, 0, 200, 200, 100}));
    EXPECT_EQ(faresOf(route.rows[3], 4), (std::vector<int>{150, 150, -1, 0}));
}

TEST(GtfsImport, AnnouncementsReadingsAndTimes) {
    const GtfsFeed feed = loadSix();
    const ImportedRoute route = RouteImport::build(feed, feed.tripIndex("T1"), {});
    const std::vector<TapeRec> tape = TapeFile::parse(TapeFile::format(route.announcements));
    ASSERT_EQ(tape.size(), 6u);
    EXPECT_EQ(tape[0].Text, QStringLiteral("この バスは 森の家 行きです。"));
    EXPECT_EQ(tape[0].MoveFlag, 0);
    EXPECT_EQ(tape[1].Text, QStringLiteral("次は、市役所です。"));
    EXPECT_EQ(tape[5].Text, QStringLiteral("次は、終点、森の家です。"));
    for (size_t i = 1; i < 6; ++i)
        EXPECT_EQ(tape[i].MoveFlag, 1);
    EXPECT_EQ(tape[3].SoundFlag, 1);

    EXPECT_EQ(RouteFiles::readingsCsv(route),
              QStringLiteral("name,reading\n駅前,エキマエ\n市役所,シヤクショ\n病院,ビョウイン\n"
                             "森の家,モリノイエ\n")
                  .toUtf8());
    // The stop without a time keeps the one before; departure before arrival.
    EXPECT_EQ(
        RouteFiles::timesCsv(route),
        QStringLiteral("0,駅前\n210,市役所\n210,中央公園\n660,学校前\n900,病院\n1200,森の家\n")
            .toUtf8());
}

TEST(GtfsImport, AnnouncementTextsSurviveTheBroadcastFile) {
    const std::vector<TapeRec> awkward = {
        {QStringLiteral("この バスは 駅前, \"東口\" 行きです。"), 0, 1},
        {QStringLiteral(" 次は、二行の\n名前です。 "), 1, 1},
    };
    const std::vector<TapeRec> back = TapeFile::parse(TapeFile::format(awkward));
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].Text, awkward[0].Text);
    EXPECT_EQ(back[1].Text, QStringLiteral(" 次は、二行の 名前です。 "));
    EXPECT_EQ(back[1].MoveFlag, 1);
    EXPECT_EQ(back[1].SoundFlag, 1);
}

TEST(GtfsImport, NewTranslationLayoutByStopAndByName) {
    SmallFeed f = SmallFeed::sixStops();
    f.files["translations.txt"] =
        "table_name,field_name,language,translation,record_id,record_sub_id,field_value\n"
        "stops,stop_name,ja-Hrkt,えきまえ,s1,,\n"
        "stops,stop_name,en,Hospital,,,病院\n"
        "stops,stop_name,ja-Hrkt,びょういん,,,病院\n"
        "routes,route_long_name,ja-Hrkt,ちゅうおうせん,R1,,\n";
    const GtfsFeed feed = loadSix(f);
    const ImportedRoute route = RouteImport::build(feed, feed.tripIndex("T1"), {});
    EXPECT_EQ(RouteFiles::readingsCsv(route),
              QStringLiteral("name,reading\n駅前,エキマエ\n病院,ビョウイン\n").toUtf8());
}

TEST(GtfsImport, RefusesWhatTheFareDataCannotHold) {
    SmallFeed f = SmallFeed::sixStops();
    QByteArray stops = "stop_id,stop_name,zone_id\n", times = "trip_id,stop_id,stop_sequence\n";
    for (int i = 0; i < 302; ++i) {
        stops += "x" + QByteArray::number(i) + ",停留所" + QByteArray::number(i) + ",z" +
                 QByteArray::number(i) + "\n";
        times += "T1,x" + QByteArray::number(i) + "," + QByteArray::number(i) + "\n";
    }
    f.files["stops.txt"] = stops;
    f.files["stop_times.txt"] = times;
    f.files["fare_rules.txt"] = "fare_id,origin_id,destination_id\n";
    const GtfsFeed feed = loadSix(f);
    try {
        RouteImport::build(feed, feed.tripIndex("T1"), {true});
        FAIL() << "302 stops were accepted";
    } catch (const K41Error& e) {
        EXPECT_EQ(e.number(), K41Error::SubscriptOutOfRange);
        EXPECT_TRUE(e.description().contains(QStringLiteral("302")));
    }
    // 160 stops fit in the rows, but not one ticket number each.
    times = "trip_id,stop_id,stop_sequence\n";
    for (int i = 0; i < 160; ++i)
        times += "T1,x" + QByteArray::number(i) + "," + QByteArray::number(i) + "\n";
    f.files["stop_times.txt"] = times;
    const GtfsFeed fewer = loadSix(f);
    EXPECT_THROW(RouteImport::build(fewer, fewer.tripIndex("T1"), {true}), K41Error);
    // Without any fare the zones are all alike: one ticket number, every cell unlit.
    const ImportedRoute zoned = RouteImport::build(fewer, fewer.tripIndex("T1"), {});
    EXPECT_EQ(zoned.ticketCount, 1);
    EXPECT_EQ(zoned.rows[159].Fare(1), 0);
}

TEST(GtfsImport, WritesTheFilesKeyReadsBack) {
    const GtfsFeed feed = loadSix();
    const ImportedRoute route = RouteImport::build(feed, feed.tripIndex("T2"), {});
    QTemporaryDir dir;
    const QString fare = dir.filePath("fare"), tape = dir.filePath("tape");
    const QStringList written =
        RouteFiles::write(route, feed.info, QStringLiteral("/x/six.zip"), "007", fare, tape);
    EXPECT_EQ(written.size(), 5);
    EXPECT_EQ(Hy3File::readRows(Hy3File::readFile(fare + "/7.hy3")), route.rows);
    EXPECT_EQ(TapeFile::parse(TapeFile::readFile(tape + "/7tp.csv")).size(), 6u);
    EXPECT_TRUE(QFile::exists(tape + "/7readings.csv"));
    EXPECT_TRUE(QFile::exists(fare + "/7times.csv"));
    const QString note = QString::fromUtf8(TestUtil::readFile(fare + "/7.gtfs.txt"));
    for (const char* part : {"テスト交通", "v7", "T2", "six.zip", "中央線"})
        EXPECT_TRUE(note.contains(QString::fromUtf8(part))) << part;
    EXPECT_THROW(RouteFiles::routeNumber("12a"), K41Error);
    EXPECT_THROW(RouteFiles::routeNumber("123456"), K41Error);
}
