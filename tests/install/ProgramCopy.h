#pragma once
// A copy of the built K41 under a name and in a folder of the test's choosing, run the way a
// user runs it: with a home and configuration folder of its own, windows on the offscreen
// platform and sound to SDL's dummy driver.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

struct ProgramCopy {
    // Copies `program` (K41 itself unless told) to `path`, folders made as needed; fails the
    // test on error.
    static void place(const QString& path, const QString& program = QStringLiteral(K41_PATH));

    struct Run {
        int exitCode = -1; // -1: crashed or timed out
        QString out;
    };
    // Runs `exe` with `args`, HOME and XDG_CONFIG_HOME set to `home`. With `unprivileged`
    // and the tests running as root, the program runs as the user nobody, for whom
    // permission bits count.
    static Run run(const QString& exe, const QStringList& args, const QString& home,
                   bool unprivileged = false);
    // Writes a settings file at `path` whose board stands at 150,300 (every other field at its
    // start-up default) and returns its bytes; `scratch` is a folder for the recipe.
    static QByteArray writeBoardSettings(const QString& path, const QString& scratch);
    // Starts `exe` in `process` as run() does, without waiting.
    static void start(QProcess& process, const QString& exe, const QStringList& args,
                      const QString& home, bool unprivileged = false);
};
