// k41tool's builds when the disk is full or a write fails: the exit status says so and the
// file that was there before is left byte for byte.
#include "tests/common/FaultyFileOps.h"
#include "tests/common/SmallDisk.h"
#include "tests/common/TestUtil.h"
#include "tools/k41tool/Commands.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

const QByteArray SettingsJson = R"({"FareDataDir": "C:\\運賃", "CtrlDataInfo": {"PanelTop": 15}})";
const QByteArray FareCsv = "駅前,1,180,200\n市役所前,2,210\n";

struct Build {
    const char* group;
    const char* input;
    QByteArray content;
    const char* output;
};
const Build Builds[] = {{"in4", "in.json", SettingsJson, "K41.in4"},
                        {"hy3", "in.csv", FareCsv, "12.hy3"}};

int run(const Build& b, const QString& input, const QString& output) {
    const QStringList args{QStringLiteral("build"), input, output};
    return QLatin1String(b.group) == QLatin1String("in4") ? in4Command(args) : hy3Command(args);
}

} // namespace

TEST(K41ToolWrite, AFullDiskFailsTheBuildAndKeepsTheOldFile) {
    SmallDisk disk;
    if (!disk.isMounted()) GTEST_SKIP() << "mounting a small tmpfs needs root";
    QTemporaryDir inputs;
    for (const Build& b : Builds) {
        TestUtil::writeFile(inputs.filePath(b.input), b.content);
        TestUtil::writeFile(disk.filePath(b.output), "old " + QByteArray(b.output));
    }
    disk.fill();
    for (const Build& b : Builds) {
        SCOPED_TRACE(b.group);
        const TestUtil::ProgramRun r = TestUtil::runProgram(
            QStringLiteral(K41TOOL_PATH),
            {b.group, "build", inputs.filePath(b.input), disk.filePath(b.output)});
        EXPECT_NE(r.exitCode, 0);
        EXPECT_TRUE(r.err.contains(QStringLiteral("ディスクがいっぱいです")))
            << r.err.toStdString();
        EXPECT_EQ(TestUtil::readFile(disk.filePath(b.output)), "old " + QByteArray(b.output));
    }
}

TEST(K41ToolWrite, EveryFailingWriteKeepsTheOldFile) {
    for (const Build& b : Builds) {
        SCOPED_TRACE(b.group);
        QTemporaryDir inputs(TestUtil::scratchFolder() + QStringLiteral("/k41-XXXXXX"));
        QTemporaryDir outputs(TestUtil::scratchFolder() + QStringLiteral("/k41-XXXXXX"));
        const QString input = inputs.filePath(b.input);
        const QString output = outputs.filePath(b.output);
        TestUtil::writeFile(input, b.content);
        ASSERT_EQ(run(b, input, inputs.filePath(b.output)), 0);
        const QByteArray fresh = TestUtil::readFile(inputs.filePath(b.output));
        FaultInjection::everyFault(output, QByteArray(700, 'o'), fresh,
                                   [&] { return run(b, input, output) == 0; });
    }
}
