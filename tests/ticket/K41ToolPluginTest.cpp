#include "tests/common/TestUtil.h"
#include "tests/ticket/BarcodeReader.h"
#include "tests/ticket/PluginFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using PluginFiles::samplePath;

namespace {

TestUtil::ProgramRun k41tool(const QStringList& args) {
    return TestUtil::runProgram(QStringLiteral(K41TOOL_PATH), QStringList{"plugin"} + args);
}

} // namespace

TEST(K41ToolPlugin, CheckListsTheCapabilityLines) {
    const auto barcode = k41tool({"check", samplePath("yamabato.4SP")});
    ASSERT_EQ(barcode.exitCode, 0) << barcode.err.toStdString();
    const QStringList lines = barcode.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[6], QStringLiteral("バーコード系統方式 ---> 系統番号＋往復フラグ"));
    EXPECT_EQ(lines[9], QStringLiteral("社名切り替え:---> 可能"));

    const auto minimal = k41tool({"check", samplePath("minimal.4SP")});
    ASSERT_EQ(minimal.exitCode, 0);
    EXPECT_EQ(minimal.out.split(u'\n', Qt::SkipEmptyParts).size(), 6);
}

TEST(K41ToolPlugin, CheckRefusesBadFilesWithAReason) {
    QTemporaryDir dir;
    const QByteArray whole = PluginFiles::sample("yamabato.4SP");
    // A few cuts, a file of noise and a deeply nested one; each is refused, not crashed on.
    const QList<QByteArray> bad = {whole.left(1), whole.left(whole.size() / 2),
                                   whole.left(whole.lastIndexOf('}')), QByteArray(5000, '\x9C'),
                                   QByteArray(100000, '[')};
    for (int i = 0; i < bad.size(); ++i) {
        const QString path = dir.filePath(QStringLiteral("bad%1.4SP").arg(i));
        TestUtil::writeFile(path, bad[i]);
        const auto run = k41tool({"check", path});
        EXPECT_EQ(run.exitCode, 1) << i;
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("k41tool: ") + path + QStringLiteral(": ")))
            << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_EQ(k41tool({"check", dir.filePath("missing.4SP")}).exitCode, 1);
    EXPECT_EQ(k41tool({"check"}).exitCode, 2);
}

TEST(K41ToolPlugin, RenderDrawsTheTicketAsAsked) {
    QTemporaryDir dir;
    const QString out = dir.filePath("ticket.png");
    const auto run = k41tool({"render", samplePath("yamabato.4SP"), out, "--stop", "市役所前",
                              "--number", "3", "--route", "7", "--row", "23", "--company", "1",
                              "--date", "2025/03/07", "--time", "17:45:00", "--scale", "2"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage image(out);
    EXPECT_EQ(image.size(), QSize(440, 224));
    EXPECT_EQ(BarcodeReader::read(image), QStringList{"CODE-128:007023"});

    for (const QStringList& wrong : {QStringList{"--row", "0"}, QStringList{"--scale", "9"},
                                     QStringList{"--number", "x"}, QStringList{"--colour", "1"}}) {
        const auto refused = k41tool(
            QStringList{"render", samplePath("yamabato.4SP"), dir.filePath("no.png")} + wrong);
        EXPECT_EQ(refused.exitCode, 2) << wrong.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath("no.png")));
    }
    const auto invalid = k41tool({"render", dir.filePath("missing.4SP"), dir.filePath("no.png")});
    EXPECT_EQ(invalid.exitCode, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("no.png")));

    // A pipe or a folder given as the output is refused and stays what it was.
    const QString pipe = dir.filePath("pipe"), folder = dir.filePath("folder");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    for (const QString& target : {pipe, folder}) {
        const auto refused = k41tool({"render", samplePath("minimal.4SP"), target});
        EXPECT_EQ(refused.exitCode, 1) << target.toStdString();
        EXPECT_TRUE(refused.err.contains("error 75")) << refused.err.toStdString();
        EXPECT_FALSE(QFileInfo(target).isFile()) << target.toStdString();
    }
}
