#include "tests/install/ProgramCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>
#include <unistd.h>

void ProgramCopy::place(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(QFile::copy(QStringLiteral(K41_PATH), path)) << path.toStdString();
}

ProgramCopy::Run ProgramCopy::run(const QString& exe, const QStringList& args, const QString& home,
                                  bool unprivileged) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    process.setProcessEnvironment(env);
    if (unprivileged && geteuid() == 0)
        process.start(QStringLiteral("setpriv"),
                      QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", "--", exe} +
                          args);
    else
        process.start(exe, args);
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
