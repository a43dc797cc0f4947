// --help and --version of K41 and k41tool: what they print, and that a failed print is no
// success.
#include "tests/install/ProgramCopy.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int exitWithOutputTo(const QString& program, const QStringList& args, const QString& file) {
    QProcess process;
    process.setStandardOutputFile(file);
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return -1;
    return process.exitCode();
}

} // namespace

TEST(InfoOption, K41ToolDescribesItsCommandsAndVersion) {
    QTemporaryDir home;
    const ProgramCopy::Run help = ProgramCopy::run(K41TOOL_PATH, {"--help"}, home.path());
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"in4 dump", "in4 build", "hy3 dump", "hy3 build", "hy3 check"})
        EXPECT_TRUE(help.out.contains(command)) << command;
    const ProgramCopy::Run version = ProgramCopy::run(K41TOOL_PATH, {"--version"}, home.path());
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "k41tool 4.0.0\n");
}

TEST(InfoOption, HelpWinsOverVersionAndOtherArgumentsAreIgnored) {
    QTemporaryDir home;
    const ProgramCopy::Run run =
        ProgramCopy::run(K41_PATH, {"--unknown", "--version", "-h"}, home.path());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("使い方 (usage): K41 [--help | --version]"))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("K41 4.0.0\n"));
    EXPECT_TRUE(run.out.contains("\nOS: ")) << "the system's name, for bug reports";
}

TEST(InfoOption, APrintThatCannotBeWrittenEndsInFailure) {
    EXPECT_NE(exitWithOutputTo(K41_PATH, {"--version"}, "/dev/full"), 0);
    EXPECT_NE(exitWithOutputTo(K41TOOL_PATH, {"--help"}, "/dev/full"), 0);
    EXPECT_EQ(exitWithOutputTo(K41TOOL_PATH, {"--help"}, "/dev/null"), 0);
}
