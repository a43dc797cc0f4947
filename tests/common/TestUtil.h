#pragma once
// Small helpers shared by the tests.
#include <QByteArray>
#include <QString>
#include <QStringList>

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

// Folder of the checked-in sample data.
QString samplesDir();

} // namespace TestUtil
