#include "platform/core/SettingsLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace SettingsLocation {

bool folderTakesFiles(const QString& dir) {
    if (!QFileInfo(dir).isDir()) return false;
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".k41-write-test-XXXXXX")));
    return probe.open(); // removed again when `probe` goes
}

QString choose(const QString& programDir, const QString& configDir, const QString& fileName,
               bool programDirTakesFiles, bool installed) {
    const bool beside = programDirTakesFiles && !installed;
    return QDir(beside ? programDir : configDir).filePath(fileName);
}

Seed seedFromExample(const QString& settingsPath, const QString& examplePath, QString* error) {
    const auto fail = [error](const QString& why) {
        if (error) *error = why;
        return Seed::Failed;
    };
    const QFileInfo target(settingsPath);
    // A dangling link counts as present too: copying through it would write somewhere else.
    if (target.exists() || target.isSymLink()) return Seed::Present;
    const QString folder = target.absolutePath();
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("設定フォルダーを作成できません: %1").arg(folder));
    if (examplePath.isEmpty() || !QFileInfo(examplePath).isFile()) return Seed::NoExample;
    // QFile::copy writes a temporary file first and renames it without replacing, so a cut
    // copy never appears under the settings name and a file made meanwhile is kept.
    QFile example(examplePath);
    if (!example.copy(settingsPath))
        return fail(QStringLiteral("設定ファイルの例をコピーできません: %1 → %2 (%3)")
                        .arg(examplePath, settingsPath, example.errorString()));
    // A read-only example (a portable copy on a locked medium) must not give a settings file
    // that cannot be saved. Should this fail, saving at exit names the read-only file.
    QFile::setPermissions(settingsPath, QFile::permissions(settingsPath) | QFile::WriteOwner);
    return Seed::Copied;
}

} // namespace SettingsLocation
