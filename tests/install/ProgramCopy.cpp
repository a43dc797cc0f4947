#include "tests/install/ProgramCopy.h"

#include "tests/common/TestUtil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>
#include <unistd.h>

void ProgramCopy::place(const QString& path, const QString& program) {
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(QFile::copy(program, path)) << path.toStdString();
}

QByteArray ProgramCopy::writeBoardSettings(const QString& path, const QString& scratch) {
    const QString recipe = scratch + QStringLiteral("/board.json");
    TestUtil::writeFile(recipe, R"({"FormInfo": {"BoardLeft": 150, "BoardTop": 300}})");
    EXPECT_EQ(TestUtil::runProgram(K41TOOL_PATH, {"in4", "build", recipe, path}).exitCode, 0);
    return TestUtil::readFile(path);
}

void ProgramCopy::start(QProcess& process, const QString& exe, const QStringList& args,
                        const QString& home, bool unprivileged) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    process.setProcessEnvironment(env);
    if (unprivileged && geteuid() == 0)
        process.start(QStringLiteral("setpriv"),
                      QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", "--", exe} +
                          args);
    else
        process.start(exe, args);
}

ProgramCopy::Run ProgramCopy::run(const QString& exe, const QStringList& args, const QString& home,
                                  bool unprivileged) {
    QProcess process;
    start(process, exe, args, home, unprivileged);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    return run;
}
