#include "platform/core/AppInfo.h"

#include "platform/core/SettingsLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

#ifndef K41_DATA_FROM_BIN
#error                                                                                             \
    "K41_DATA_FROM_BIN (the installed data folder relative to the executable) is set by the build"
#endif
#ifndef K41_HOMEPAGE
#error "K41_HOMEPAGE is set by the build"
#endif
#ifndef K41_VERSION_TEXT
#error "K41_VERSION_TEXT is set by the build"
#endif

namespace AppInfo {

namespace {

// The example's name in the installed data folder; it is copied under the user's own name.
const QString ExampleName = QStringLiteral("K41.in4");

} // namespace

QString version() {
    return QStringLiteral(K41_VERSION_TEXT);
}

QString homePage() {
    return QStringLiteral(K41_HOMEPAGE);
}

QString installedGuide() {
    // The documentation folder lies beside the data folder, under share/doc/k41.
    const QString path = QDir::cleanPath(
        QDir(programDir()).filePath(QStringLiteral(K41_DATA_FROM_BIN "/../doc/k41/guide.md")));
    return QFileInfo(path).isFile() ? path : QString();
}

QString exeName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

QString programDir() {
    return QCoreApplication::applicationDirPath();
}

QString settingsFileName() {
    return exeName() + QStringLiteral(".in4");
}

QString configDir() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("K41"));
}

QString packagedExample() {
    const QString path = QDir::cleanPath(
        QDir(programDir()).filePath(QStringLiteral(K41_DATA_FROM_BIN "/") + ExampleName));
    return QFileInfo(path).isFile() ? path : QString();
}

QString settingsFilePath() {
    static const QString path = SettingsLocation::choose(
        programDir(), configDir(), settingsFileName(),
        SettingsLocation::folderTakesFiles(programDir()), !packagedExample().isEmpty());
    return path;
}

void prepareSettingsFile() {
    const QString path = settingsFilePath();
    const QString beside = QDir(programDir()).filePath(settingsFileName());
    if (path == beside) return;
    QString example = packagedExample();
    if (example.isEmpty()) example = beside;
    QString error;
    if (SettingsLocation::seedFromExample(path, example, &error) == SettingsLocation::Seed::Failed)
        // Not fatal: K41 starts on its defaults, and saving at exit reports the folder.
        std::fprintf(stderr, "%s: %s\n", qPrintable(exeName()), qPrintable(error));
}

} // namespace AppInfo
