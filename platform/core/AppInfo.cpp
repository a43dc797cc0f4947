#include "platform/core/AppInfo.h"

#include "platform/core/SettingsLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <pwd.h>
#include <unistd.h>

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
    // The XDG rules: XDG_CONFIG_HOME only when it is an absolute path, else ~/.config; the home
    // from the password database when HOME is unset or not absolute (never "/" plus ".config").
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) {
        QString home = qEnvironmentVariable("HOME");
        if (home.isEmpty() || !QDir::isAbsolutePath(home)) {
            const passwd* user = ::getpwuid(::getuid());
            home = user && user->pw_dir ? QFile::decodeName(user->pw_dir) : QString();
        }
        base = home + QStringLiteral("/.config");
    }
    return QDir::cleanPath(base + QStringLiteral("/K41"));
}

QString packagedExample() {
    const QString path = QDir::cleanPath(
        QDir(programDir()).filePath(QStringLiteral(K41_DATA_FROM_BIN "/") + ExampleName));
    return QFileInfo(path).isFile() ? path : QString();
}

namespace {

QString& chosenPath() {
    static QString path = SettingsLocation::choose(programDir(), configDir(), settingsFileName(),
                                                   SettingsLocation::folderTakesFiles(programDir()),
                                                   !packagedExample().isEmpty());
    return path;
}

} // namespace

QString settingsFilePath() {
    return chosenPath();
}

QString prepareSettingsFile() {
    const QString path = settingsFilePath();
    const QString beside = QDir(programDir()).filePath(settingsFileName());
    if (path == beside) return {};
    QString example = packagedExample();
    if (example.isEmpty()) example = beside;
    QString error;
    if (SettingsLocation::seedFromExample(path, example, &error) != SettingsLocation::Seed::Failed)
        return {};
    std::fprintf(stderr, "%s: %s\n", qPrintable(exeName()), qPrintable(error));
    // The settings beside the program still load. A file that may itself be written keeps
    // the changes in place, as a portable copy's does; otherwise none can be kept.
    const QFileInfo besideFile(beside);
    if (besideFile.isFile()) chosenPath() = beside;
    if (besideFile.isFile() && besideFile.isWritable()) return {};
    return QStringLiteral("設定の変更は保存できません。\r\n設定ファイルを置くフォルダーを作れません"
                          "でした: %1\r\n%2\r\n読み込む設定ファイル: %3")
        .arg(QDir::toNativeSeparators(QFileInfo(path).path()), error,
             QDir::toNativeSeparators(settingsFilePath()));
}

} // namespace AppInfo
