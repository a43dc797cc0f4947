// k41tool kana: one line of katakana for each line read, with the folder's reading tables.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct KanaRun {
    int status = -1;
    QString out, err;
};

KanaRun kana(const QStringList& args, const QByteArray& input = {}) {
    QProcess p;
    p.start(QStringLiteral(K41TOOL_PATH), QStringList{QStringLiteral("kana")} + args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

TEST(K41ToolKana, ReadsEachLineWithTheFoldersTables) {
    QTemporaryDir dir;
    QFile common(dir.filePath(QStringLiteral("readings.csv")));
    ASSERT_TRUE(common.open(QIODevice::WriteOnly));
    common.write("本町,ほんまち\n");
    common.close();
    QFile route(dir.filePath(QStringLiteral("3readings.csv")));
    ASSERT_TRUE(route.open(QIODevice::WriteOnly));
    route.write("本町,もとまち\n");
    route.close();

    // Every line gives one line, an empty one too; a last line without its line end counts.
    KanaRun r = kana({QStringLiteral("--tables"), dir.path()}, "次は本町です。\r\n\n須花");
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_EQ(r.out, QStringLiteral("ツギワホンマチデス。\n\nスハナ\n"));
    r = kana({QStringLiteral("--tables"), dir.path(), QStringLiteral("--route"),
              QStringLiteral("3"), QStringLiteral("本町"), QStringLiteral("ＮＨＫ")});
    EXPECT_EQ(r.out, QStringLiteral("モトマチ\nエヌエイチケイ\n"));

    // A table that cannot be read is named, and nothing is read without it.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("4readings.csv")));
    r = kana({QStringLiteral("--tables"), dir.path(), QStringLiteral("--route"),
              QStringLiteral("4"), QStringLiteral("本町")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("4readings.csv"))) << qPrintable(r.err);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(kana({QStringLiteral("--route"), QStringLiteral("3")}).status, 2);
    EXPECT_EQ(kana({QStringLiteral("--tables")}).status, 2);
}
