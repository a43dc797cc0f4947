#pragma once
// The settings file: read once at start-up, written once when the program ends. Both
// operations report their own failures through IniHost::showIniError ("エラー Code:" number,
// CR LF, "内容:" description) and never throw.
#include "settings/IniHost.h"

#include "platform/core/K41Error.h"

#include <QString>
#include <vector>

namespace mdlIniIoEx {

// Gathers the per-digit options, the settings store, the panel state and the board position
// from `host` and writes them to `path` through FileReplace: the old file is replaced only
// once the new one is complete and on disk, and stays as it was on any failure. When the
// load of `path` in this run failed, the old file is first kept as badCopyPath(path), and
// the save fails (old file untouched) when it cannot be kept.
void SaveIniFile(const QString& path, IniHost& host);
void SaveIniFile(IniHost& host); // the settings file beside the executable

// Reads `path` and applies it through `host`: fare digits, clock digits, stop-name
// properties, the settings store (SetOptionInfo), panel state, board position, SetProp.
// A missing file is silently skipped. One bad value or a cut file costs only what it must:
// a refused value keeps the value the windows had, a cut file gives every field before the
// cut (the panel state and board position only when held whole), and every later step still
// runs. Any failure shows one box (loadErrorText) and marks the file to be kept at the save.
void LoadIniFile(const QString& path, IniHost& host);
void LoadIniFile(IniHost& host);

// The text of the settings file's error box.
QString errorText(int number, const QString& description);
// The load's box: the first failure's number, each failure's description (which names the
// field), whether other values were read, the file, and where the old file will be kept.
QString loadErrorText(const std::vector<K41Error>& failures, bool somethingRead,
                      const QString& path);
// Where a settings file that failed to load is kept before it is replaced.
QString badCopyPath(const QString& path);

} // namespace mdlIniIoEx
