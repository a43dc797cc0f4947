#include "tests/common/TestUtil.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <sys/wait.h>
#include <unistd.h>

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

int asNobody(const std::function<int()>& work) {
    if (geteuid() != 0) return work();
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(Nobody) != 0 || setuid(Nobody) != 0) _exit(255);
        _exit(work());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) != 255 ? WEXITSTATUS(status) : -1;
}

QString scratchFolder() {
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
}

QString samplesDir() {
    return QStringLiteral(K41_SOURCE_DIR "/samples");
}

} // namespace TestUtil
