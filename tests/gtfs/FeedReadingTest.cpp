// Reading feeds: the CSV forms real feeds use, zip archives and folders, and the archives a
// careless or hostile publisher could make (cut, inflating far past their size, missing files).
#include "gtfs/CsvStream.h"
#include "gtfs/FeedArchive.h"
#include "gtfs/GtfsFeed.h"
#include "gtfs/Katakana.h"
#include "platform/core/K41Error.h"
#include "tests/common/TestUtil.h"
#include "tests/gtfs/SmallFeed.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Records = std::vector<std::vector<std::string>>;

// The records of `text` fed in chunks of `chunk` bytes.
Records parse(const QByteArray& text, qsizetype chunk) {
    Records out;
    CsvStream csv(QStringLiteral("t.txt"),
                  [&](const std::string* f, size_t n, qint64) { out.emplace_back(f, f + n); });
    for (qsizetype i = 0; i < text.size(); i += chunk)
        csv.feed(text.constData() + i, std::min(chunk, text.size() - i));
    csv.finish();
    return out;
}

QString errorOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const K41Error& e) {
        return e.description();
    }
    return {};
}

} // namespace

TEST(GtfsCsv, QuotesLineEndsAndMarkInAnyChunking) {
    const QByteArray text = "\xEF\xBB\xBF"
                            "a,b\r\n\"x,1\",\"say \"\"hi\"\"\"\r\n"
                            "\"two\nlines\",\r\n\nlast,\"open";
    const Records expected = {
        {"a", "b"}, {"x,1", "say \"hi\""}, {"two\nlines", ""}, {"last", "open"}};
    for (qsizetype chunk : {1, 2, 3, 7, 1000})
        EXPECT_EQ(parse(text, chunk), expected) << chunk;
    // A byte-order mark cut short is text.
    EXPECT_EQ(parse("\xEF\xBBz,1\rq", 1), (Records{{"\xEF\xBBz", "1"}, {"q"}}));
}

TEST(GtfsCsv, AnOverlongFieldIsAnErrorNamingTheLine) {
    QByteArray text = "a\nb\n\"";
    text += QByteArray(CsvStream::MaxFieldBytes + 10, 'x');
    const QString error = errorOf([&] { parse(text, 4096); });
    EXPECT_TRUE(error.contains(QStringLiteral("t.txt の 3 行目"))) << error.toStdString();
}

TEST(GtfsFeedReading, ZipFolderAndZipWithAFolderGiveTheSamePatterns) {
    const SmallFeed six = SmallFeed::sixStops();
    QTemporaryDir dir;
    six.writeFolder(dir.filePath("feed"));
    TestUtil::writeFile(dir.filePath("feed.zip"), six.zip("feed/"));
    for (const QString& path : {dir.filePath("feed"), dir.filePath("feed.zip")}) {
        SCOPED_TRACE(path.toStdString());
        const auto archive = FeedArchive::open(path);
        const GtfsFeed feed = GtfsFeed::load(*archive, GtfsFeed::Trips);
        // T1 and T2 run the same six stops; T3 has a headsign only at its first stop.
        ASSERT_EQ(feed.patterns.size(), 2u);
        EXPECT_EQ(feed.patterns[0].trips.size(), 2u);
        EXPECT_EQ(feed.patterns[0].stops.size(), 6u);
        EXPECT_EQ(feed.stops[size_t(feed.patterns[0].stops[0])].name, QStringLiteral("駅前"));
        EXPECT_EQ(feed.patterns[1].headsign, QStringLiteral("駅前, 市役所方面"));
    }
}

TEST(GtfsFeedReading, BrokenFeedsAreErrorsNamingTheFile) {
    SmallFeed six = SmallFeed::sixStops();
    const QByteArray zip = six.zip();
    // Cut anywhere, an archive is refused (its directory is at the end).
    for (qsizetype cut : {qsizetype(0), qsizetype(30), zip.size() / 2, zip.size() - 1}) {
        const QString error =
            errorOf([&] { FeedArchive::fromZipBytes(zip.left(cut), QStringLiteral("cut.zip")); });
        EXPECT_TRUE(error.contains(QStringLiteral("cut.zip"))) << cut;
    }
    // Damage inside an entry's data is caught by its checksum.
    QByteArray damaged = zip;
    const qsizetype at = damaged.indexOf("PK\x03\x04", 1);
    ASSERT_GT(at, 100);
    damaged[at - 20] = char(damaged[at - 20] ^ 0x55);
    EXPECT_FALSE(errorOf([&] {
                     const auto a = FeedArchive::fromZipBytes(damaged, "d.zip");
                     GtfsFeed::load(*a, GtfsFeed::All);
                 }).isEmpty());

    SmallFeed noColumn = six;
    noColumn.files["stop_times.txt"] = "trip_id,stop_id\nT1,s1\n";
    QString error = errorOf([&] {
        const auto a = FeedArchive::fromZipBytes(noColumn.zip(), "n.zip");
        GtfsFeed::load(*a, GtfsFeed::Trips);
    });
    EXPECT_TRUE(error.contains("stop_times.txt") && error.contains("stop_sequence"))
        << error.toStdString();

    SmallFeed noStops = six;
    noStops.files.remove("stops.txt");
    error = errorOf([&] {
        const auto a = FeedArchive::fromZipBytes(noStops.zip(), "m.zip");
        GtfsFeed::load(*a, GtfsFeed::Trips);
    });
    EXPECT_TRUE(error.contains("m.zip") && error.contains("stops.txt")) << error.toStdString();
}

TEST(GtfsFeedReading, AnEntryInflatingPastTheBoundStopsAtTheBound) {
    SmallFeed bomb;
    bomb.files["stop_times.txt"] = QByteArray(8 * 1024 * 1024, '0'); // deflates to a few KB
    const QByteArray zip = bomb.zip();
    ASSERT_LT(zip.size(), 100 * 1024);
    const auto archive = FeedArchive::fromZipBytes(zip, "bomb.zip");
    qint64 seen = 0;
    const QString error = errorOf([&] {
        archive->read("stop_times.txt", 1024 * 1024, [&](const char*, qint64 n) { seen += n; });
    });
    EXPECT_TRUE(error.contains("bomb.zip")) << error.toStdString();
    EXPECT_LE(seen, 1024 * 1024);
}

TEST(GtfsKana, ReadingsBecomeFullWidthKatakana) {
    EXPECT_EQ(Katakana::from(QStringLiteral("おかやまえき")), QStringLiteral("オカヤマエキ"));
    EXPECT_EQ(Katakana::from(QStringLiteral("ｶﾞｯｺｳﾏｴ ﾊﾟｰｸ")),
              QStringLiteral("ガッコウマエ パーク"));
    EXPECT_EQ(Katakana::from(QStringLiteral("ヴぃら１")), QStringLiteral("ヴィラ１"));
}
