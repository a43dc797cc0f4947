#pragma once
// Small helpers shared by the tests.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace TestUtil {

// Writes `bytes` to `path`, creating folders; fails the test on error.
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// What a program printed and how it ended (exitCode -1: crashed or timed out).
struct ProgramRun {
    int exitCode = -1;
    QString out; // standard output, as UTF-8
    QString err; // standard error, as UTF-8
};
// Runs `program` with `args` and waits for it (at most a minute).
ProgramRun runProgram(const QString& program, const QStringList& args);

// Root ignores file permissions, so a test of them runs `work` in a child process that has
// become the user nobody (uid and gid 65534) and returns its result as the exit status
// (-1 when the child could not give up its rights or crashed). Run directly when not root.
constexpr unsigned Nobody = 65534;
int asNobody(const std::function<int()>& work);

// A folder for tests that sync many files: a memory file system (/dev/shm) where there is
// one, where syncing costs nothing; otherwise the usual temporary folder.
QString scratchFolder();

// Folder of the checked-in sample data.
QString samplesDir();

} // namespace TestUtil
