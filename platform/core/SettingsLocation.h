#pragma once
// Where the settings file lives. A copy of K41 in a folder that takes files keeps its
// settings beside the executable, so a portable copy carries them along. An installed copy,
// or one in a folder it cannot write, keeps them under the same name in the user's
// configuration folder; its first start seeds that file from an example so that the
// installed sample data is found.
#include <QString>

namespace SettingsLocation {

// Whether a file can be created in `dir` now. Tried for real (a temporary file is made and
// removed at once): permission bits know nothing of a read-only mount.
bool folderTakesFiles(const QString& dir);

// The settings file: `programDir`/`fileName` when the settings stay beside the program
// (its folder takes files and it is not an installed copy), else `configDir`/`fileName`.
QString choose(const QString& programDir, const QString& configDir, const QString& fileName,
               bool programDirTakesFiles, bool installed);

enum class Seed {
    Present,   // something is at the path already; it is left exactly as it is
    Copied,    // the example was copied there
    NoExample, // no example to copy; the folder exists, the file does not
    Failed,    // the folder or the copy could not be made; nothing was left behind
};

// Makes the folder of `settingsPath` and, when nothing is there yet, copies `examplePath`
// (a regular file) to it. Never replaces or changes what is already at `settingsPath`.
// On failure `error`, when given, says why.
Seed seedFromExample(const QString& settingsPath, const QString& examplePath,
                     QString* error = nullptr);

} // namespace SettingsLocation
