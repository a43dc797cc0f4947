// Reading a route's broadcast file: the records a well-formed file gives, how damaged lines and
// bytes are read, and which files are refused.
#include "tape/TapeFile.h"

#include "platform/core/Codec932.h"
#include "platform/core/K41Error.h"
#include "tests/common/TestUtil.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QByteArray sjis(const QString& text) {
    return Codec932::encode(text);
}

struct Rec {
    QString text;
    int move;
    int sound;
};

void expectRecords(const QByteArray& bytes, const std::vector<Rec>& expected) {
    const std::vector<TapeRec> got = TapeFile::parse(bytes);
    ASSERT_EQ(got.size(), expected.size());
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].Text, expected[i].text) << "record " << i + 1;
        EXPECT_EQ(got[i].MoveFlag, expected[i].move) << "record " << i + 1;
        EXPECT_EQ(got[i].SoundFlag, expected[i].sound) << "record " << i + 1;
    }
}

} // namespace

TEST(TapeFile, WellFormedLinesGiveTheirThreeFields) {
    expectRecords(
        sjis(QStringLiteral("次は、山鳩市役所前です。,1,2\r\n"
                            "\"ご乗車ありがとうございます、このバスは若葉団地行きです。\",0,1\r\n"
                            "  終点です。  ,  1 , 3  \r\n")),
        {{QStringLiteral("次は、山鳩市役所前です。"), 1, 2},
         {QStringLiteral("ご乗車ありがとうございます、このバスは若葉団地行きです。"), 0, 1},
         {QStringLiteral("終点です。"), 1, 3}});
}

TEST(TapeFile, QuotedFieldsKeepCommasSpacesAndDoubledQuotes) {
    expectRecords(QByteArray("\" a, b \",1,2\n\"say \"\"hi\"\"\",0,0\n\"x\" junk,1,1\n"),
                  {{QStringLiteral(" a, b "), 1, 2},
                   {QStringLiteral("say \"hi\""), 0, 0},
                   {QStringLiteral("x"), 1, 1}});
}

TEST(TapeFile, EveryKindOfLineEndAndNoneAtTheEnd) {
    expectRecords(QByteArray("a,1,1\nb,0,2\rc,1,3\r\nd,0,0"),
                  {{"a", 1, 1}, {"b", 0, 2}, {"c", 1, 3}, {"d", 0, 0}});
    EXPECT_EQ(TapeFile::parse("a,1,1\r\n").size(), 1u) << "a final line end starts no record";
}

TEST(TapeFile, ALineWithFewerOrMoreFieldsShiftsNothing) {
    expectRecords(QByteArray("only text\n"
                             "text,1\n"
                             "text,1,2,extra,fields\n"
                             "after,1,3\n"),
                  {{"only text", 0, 0}, {"text", 1, 0}, {"text", 1, 2}, {"after", 1, 3}});
}

TEST(TapeFile, BlankLinesAreNoRecords) {
    expectRecords(QByteArray("\r\na,1,1\r\n   \r\n\r\nb,0,0\r\n\r\n"), {{"a", 1, 1}, {"b", 0, 0}});
    EXPECT_TRUE(TapeFile::parse("").empty());
    EXPECT_TRUE(TapeFile::parse("\r\n \t\r\n").empty());
}

TEST(TapeFile, FlagsThatAreNoSixteenBitNumberReadAsZero) {
    expectRecords(QByteArray("a,x,2\nb,1,40000\nc,-1,1.6\nd,,\ne,inf,nan\n"),
                  {{"a", 0, 2}, {"b", 1, 0}, {"c", -1, 2}, {"d", 0, 0}, {"e", 0, 0}});
    // The edges of the 16-bit range, also when reached by rounding.
    expectRecords(QByteArray("f,32767,32768\ng,-32768,-32769\nh,32767.4,32767.5\n"),
                  {{"f", 32767, 0}, {"g", -32768, 0}, {"h", 32767, 0}});
}

TEST(TapeFile, DamagedBytesAreReadWithoutLosingTheLines) {
    // A lead byte without its trail, a lone trail byte, a NUL and an unbalanced quote.
    const QByteArray bytes =
        QByteArray("\x82,1,1\n", 6) + QByteArray("\xfd\xfe,0,2\n") + QByteArray("a\0b,1,3\n", 8) +
        QByteArray("\"open, never closed,1,1\n") + sjis(QStringLiteral("最後,1,2\n"));
    const std::vector<TapeRec> got = TapeFile::parse(bytes);
    ASSERT_EQ(got.size(), 5u);
    EXPECT_EQ(got[0].MoveFlag, 1);
    EXPECT_EQ(got[1].SoundFlag, 2);
    EXPECT_EQ(got[2].Text, QString::fromUtf16(u"a\0b", 3));
    EXPECT_EQ(got[3].Text, QStringLiteral("open, never closed,1,1"));
    EXPECT_EQ(got[3].MoveFlag, 0);
    EXPECT_EQ(got[4].Text, QStringLiteral("最後"));
}

TEST(TapeFile, AFileSavedAsUtf8IsReadAsUtf8) {
    const QString lines = QStringLiteral("次は、市役所前です。,1,1\n停留所「駅前」,0,2\n");
    const std::vector<Rec> expected = {{"次は、市役所前です。", 1, 1}, {"停留所「駅前」", 0, 2}};
    expectRecords(lines.toUtf8(), expected);
    expectRecords("\xEF\xBB\xBF" + lines.toUtf8(), expected);
    expectRecords(sjis(lines), expected); // code page 932 stays the rule
    // A byte-order mark before code page 932 bytes is no reason to read them as UTF-8.
    ASSERT_EQ(TapeFile::parse("\xEF\xBB\xBF" + sjis(lines)).size(), 2u);
    EXPECT_TRUE(
        TapeFile::parse("\xEF\xBB\xBF" + sjis(lines))[1].Text.endsWith(QStringLiteral("「駅前」")));
}

// How the time grows with the line's length is measured by bench_tape_parse.
TEST(TapeFile, ATenMegabyteLineIsReadWhole) {
    QByteArray bytes = sjis(QStringLiteral("前,1,1\n\""));
    bytes += QByteArray(10 * 1024 * 1024, 'a') + "\",1,2\n";
    bytes += QByteArray(10 * 1024 * 1024, ',') + "\n";
    const std::vector<TapeRec> got = TapeFile::parse(bytes);
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[1].Text.size(), 10 * 1024 * 1024);
    EXPECT_EQ(got[1].SoundFlag, 2);
    EXPECT_TRUE(got[2].Text.isEmpty());
}

TEST(TapeFile, TheRouteFileIsFoundWithoutRegardToCase) {
    QTemporaryDir dir;
    TestUtil::writeFile(dir.filePath("Tape/7Tp.CSV"), "a,1,1\n");
    const QString path = TapeFile::pathFor(dir.path() + QStringLiteral("\\TAPE\\"), "7");
    EXPECT_EQ(path, dir.filePath("Tape/7Tp.CSV"));
    EXPECT_EQ(TapeFile::parse(TapeFile::readFile(path)).size(), 1u);
}

TEST(TapeFile, MissingFoldersPipesAndHugeFilesAreRefused) {
    QTemporaryDir dir;
    const auto refused = [](const QString& path) {
        try {
            TapeFile::readFile(path);
        } catch (const K41Error&) {
            return true;
        }
        return false;
    };
    EXPECT_TRUE(refused(dir.filePath("1tp.csv")));
    QDir(dir.path()).mkdir("2tp.csv");
    EXPECT_TRUE(refused(dir.filePath("2tp.csv")));
    const QString fifo = dir.filePath("3tp.csv");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(refused(fifo)) << "a pipe would block the reader for good";
    EXPECT_LT(clock.elapsed(), 2000);
    QFile huge(dir.filePath("4tp.csv"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(TapeFile::MaxBytes + 1)); // sparse: no disk used
    huge.close();
    EXPECT_TRUE(refused(huge.fileName()));
}
