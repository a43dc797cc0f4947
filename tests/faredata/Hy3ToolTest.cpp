#include "faredata/Hy3File.h"

#include "platform/core/K41Error.h"
#include "tests/common/TestUtil.h"
#include "tests/faredata/Hy3Bytes.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using ToolRun = TestUtil::ProgramRun;

ToolRun k41tool(const QStringList& args) {
    return TestUtil::runProgram(QStringLiteral(K41TOOL_PATH), QStringList{"hy3"} + args);
}

QString zeros(int n) {
    QStringList z;
    for (int i = 0; i < n; ++i)
        z << "0";
    return z.join(',');
}

} // namespace

TEST(Hy3Tool, BuildsFromCsvAndDumpsItBack) {
    QTemporaryDir dir;
    const QString csv = dir.filePath("route.csv");
    TestUtil::writeFile(csv, QByteArray("\xEF\xBB\xBF") +
                                 QStringLiteral("# 山鳩市 テスト系統\r\n"
                                                "山鳩駅前,1\r\n"
                                                "\r\n"
                                                "\"本町, 一丁目\",2,180,-1,,\r\n"
                                                "\"\"\"東\"\" 口\",-3,200,220\n"
                                                "\"#1番のりば\",4\n"
                                                ",5,1\n")
                                     .toUtf8());
    const QString hy3 = dir.filePath("out.hy3");
    const ToolRun build = k41tool({"build", csv, hy3});
    ASSERT_EQ(build.exitCode, 0) << build.err.toStdString();

    const auto rows = Hy3File::readRows(TestUtil::readFile(hy3));
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1].StopName, QStringLiteral("本町, 一丁目"));
    EXPECT_EQ(rows[1].Fare(1), 180);
    EXPECT_EQ(rows[1].Fare(2), -1);
    EXPECT_EQ(rows[1].Fare(3), 0);
    EXPECT_EQ(rows[2].StopName, QStringLiteral("\"東\" 口"));
    EXPECT_EQ(rows[2].SeiriNum, -3);
    EXPECT_EQ(rows[4].StopName, QString());

    const ToolRun dump = k41tool({"dump", hy3});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    const QStringList lines = dump.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("山鳩駅前,1,") + zeros(150));
    EXPECT_EQ(lines[1], QStringLiteral("\"本町, 一丁目\",2,180,-1,") + zeros(148));
    EXPECT_EQ(lines[2], QStringLiteral("\"\"\"東\"\" 口\",-3,200,220,") + zeros(148));
    EXPECT_EQ(lines[3], QStringLiteral("\"#1番のりば\",4,") + zeros(150));

    // The dump builds the very same file again.
    TestUtil::writeFile(dir.filePath("again.csv"), dump.out.toUtf8());
    ASSERT_EQ(k41tool({"build", dir.filePath("again.csv"), dir.filePath("again.hy3")}).exitCode, 0);
    EXPECT_EQ(TestUtil::readFile(dir.filePath("again.hy3")), TestUtil::readFile(hy3));
}

// Whatever check accepts, dump prints as text (never raw control bytes) that build turns
// back into the very same bytes: names that are not code page 932 as K41 writes it, names
// with control characters, names that look like comments, and bytes after the last row.
TEST(Hy3Tool, EveryFileCheckAcceptsDumpsAndBuildsBackByteForByte) {
    QTemporaryDir dir;
    const QByteArray hy3 =
        Hy3Bytes::file(7, {Hy3Bytes::row("\x89\x77\x00\x91\x4F", 1, {180}),
                           Hy3Bytes::row("\x80\xFF\x81", 2),
                           Hy3Bytes::row("\xED\x40", 3), // written FA 5C today
                           Hy3Bytes::row("\x1A\x1C\x7F", 4), Hy3Bytes::row("=cp932:41", 5),
                           Hy3Bytes::row("#\t=", 6), Hy3Bytes::row("", 7, {-1})}) +
        "after";
    TestUtil::writeFile(dir.filePath("odd.hy3"), hy3);
    ASSERT_EQ(k41tool({"check", dir.filePath("odd.hy3")}).exitCode, 0);
    const ToolRun dump = k41tool({"dump", dir.filePath("odd.hy3")});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    for (QChar c : dump.out)
        EXPECT_TRUE(c == u'\n' || c == u'\t' || c.category() != QChar::Other_Control)
            << "control character U+" << std::hex << int(c.unicode()) << " in the dump";
    TestUtil::writeFile(dir.filePath("odd.csv"), dump.out.toUtf8());
    const ToolRun build = k41tool({"build", dir.filePath("odd.csv"), dir.filePath("again.hy3")});
    ASSERT_EQ(build.exitCode, 0) << build.err.toStdString();
    EXPECT_EQ(TestUtil::readFile(dir.filePath("again.hy3")), hy3);
}

TEST(Hy3Tool, BuildRefusesBadCsvNamingTheLine) {
    QTemporaryDir dir;
    struct Case {
        QString csv;
        QString fragment;
    } cases[] = {
        {"駅前,1,180\n市役所前,2,abc\n", QStringLiteral("2行目")},
        {"駅前,1,40000\n", QStringLiteral("1行目")},
        {"駅前\n", QStringLiteral("1行目")},
        {QStringLiteral("駅前,1,") + zeros(151) + "\n", QStringLiteral("150")},
        {QStringLiteral("駅前,1\n한국,2\n"), QStringLiteral("2行目")},
        {"駅前,1\n\"市役所前,2\n", QStringLiteral("2行目")},
        {"# only a comment\n", QStringLiteral("0")},
        {"駅前,1\n=cp932:8G,2\n", QStringLiteral("2行目")},
        {"駅前,1\n=trailing:00\n市役所前,2\n", QStringLiteral("2行目")},
    };
    for (const Case& c : cases) {
        TestUtil::writeFile(dir.filePath("bad.csv"), c.csv.toUtf8());
        const ToolRun run = k41tool({"build", dir.filePath("bad.csv"), dir.filePath("bad.hy3")});
        EXPECT_NE(run.exitCode, 0) << c.csv.toStdString();
        EXPECT_TRUE(run.err.contains(c.fragment)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath("bad.hy3")));
    }
}

TEST(Hy3Tool, CheckPassesCompleteFilesAndExplainsTheRest) {
    QTemporaryDir dir;
    const auto check = [&](const QByteArray& bytes) {
        TestUtil::writeFile(dir.filePath("c.hy3"), bytes);
        return k41tool({"check", dir.filePath("c.hy3")});
    };
    ToolRun run = check(Hy3Bytes::numbered(3) + "tail");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();

    run = check(Hy3Bytes::numbered(1));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("警告"))) << run.err.toStdString();

    run = check(Hy3Bytes::numbered(302));
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains("302")) << run.err.toStdString();

    run = check(Hy3Bytes::numbered(3).left(400));
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("2行目"))) << run.err.toStdString();

    run = k41tool({"check", dir.filePath("missing.hy3")});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_FALSE(run.err.isEmpty());
    EXPECT_NE(k41tool({"frobnicate"}).exitCode, 0);
}

TEST(Hy3Tool, CheckAgreesWithTheReaderOnDamagedFiles) {
    QTemporaryDir dir;
    QRandomGenerator rng(12);
    const QByteArray valid = Hy3Bytes::numbered(2);
    std::vector<QByteArray> files{QByteArray(), valid, Hy3Bytes::numbered(301),
                                  Hy3Bytes::file(-1, {})};
    for (int i = 0; i < 12; ++i)
        files.push_back(valid.left(rng.bounded(valid.size())));
    for (int i = 0; i < 12; ++i) {
        QByteArray b = valid;
        b[rng.bounded(6)] = static_cast<char>(rng.bounded(256)); // count or first name length
        files.push_back(b);
    }
    for (const QByteArray& bytes : files) {
        bool readable = true;
        try {
            Hy3File::readRows(bytes);
        } catch (const K41Error&) {
            readable = false;
        }
        TestUtil::writeFile(dir.filePath("a.hy3"), bytes);
        EXPECT_EQ(k41tool({"check", dir.filePath("a.hy3")}).exitCode == 0, readable)
            << bytes.size() << " bytes";
    }
}

TEST(Hy3Tool, SampleRoutesAreCompleteAndBelievable) {
    const QDir fare(QStringLiteral(K41_BUILT_SAMPLES_DIR "/fare"));
    const QStringList files = fare.entryList({"*.hy3"}, QDir::Files);
    ASSERT_GE(files.size(), 3);
    bool manyTickets = false, longName = false, visibleZero = false;
    for (const QString& name : files) {
        const ToolRun run = k41tool({"check", fare.filePath(name)});
        EXPECT_EQ(run.exitCode, 0) << name.toStdString() << run.err.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        for (const FareRow& row : Hy3File::readRows(TestUtil::readFile(fare.filePath(name)))) {
            manyTickets |= row.SeiriNum > 24;
            longName |= row.StopName.size() > 8;
            for (qint16 f : row.Fares)
                visibleZero |= f == -1;
        }
        const QString route = QFileInfo(name).completeBaseName();
        const QString tape = QStringLiteral(K41_BUILT_SAMPLES_DIR "/tape/") + route + "tp.csv";
        EXPECT_TRUE(QFile::exists(tape)) << tape.toStdString();
    }
    EXPECT_TRUE(manyTickets);
    EXPECT_TRUE(longName);
    EXPECT_TRUE(visibleZero);
}
