#pragma once
// The settings file: read once at start-up, written once when the program ends. Both
// operations report their own failures through IniHost::showIniError ("エラー Code:" number,
// CR LF, "内容:" description) and never throw.
#include "settings/IniHost.h"

#include <QString>

namespace mdlIniIoEx {

// Gathers the per-digit options, the settings store, the panel state and the board position
// from `host` and writes them to `path` through FileReplace: the old file is replaced only
// once the new one is complete and on disk, and stays as it was on any failure.
void SaveIniFile(const QString& path, IniHost& host);
void SaveIniFile(IniHost& host); // the settings file beside the executable

// Reads `path` and applies it through `host`: fare digits, clock digits, stop-name
// properties, the settings store (SetOptionInfo), panel state, board position, SetProp.
// A missing file is silently skipped. The whole file is read before anything is applied,
// so a damaged file changes nothing; a failure while applying stops at that step, leaving
// the earlier steps applied.
void LoadIniFile(const QString& path, IniHost& host);
void LoadIniFile(IniHost& host);

// The text of the settings file's error box.
QString errorText(int number, const QString& description);

} // namespace mdlIniIoEx
