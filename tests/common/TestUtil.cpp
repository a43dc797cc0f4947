#include "tests/common/TestUtil.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace TestUtil {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

ProgramRun runProgram(const QString& program, const QStringList& args) {
    QProcess proc;
    proc.start(program, args);
    ProgramRun run;
    if (!proc.waitForFinished(60000)) {
        proc.kill();
        proc.waitForFinished();
        return run;
    }
    run.exitCode = proc.exitStatus() == QProcess::NormalExit ? proc.exitCode() : -1;
    run.out = QString::fromUtf8(proc.readAllStandardOutput());
    run.err = QString::fromUtf8(proc.readAllStandardError());
    return run;
}

QString samplesDir() {
    return QStringLiteral(K41_SOURCE_DIR "/samples");
}

} // namespace TestUtil
