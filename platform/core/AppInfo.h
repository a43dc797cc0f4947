#pragma once
// Names taken from the running executable: the settings file, the sound channel aliases,
// the board's model number and the message boxes' title all follow it.
#include <QString>

namespace AppInfo {

// The executable's file name without extension ("K41").
QString exeBaseName();
// The folder that holds the executable.
QString programDir();
// The path of the settings file beside the executable ("…/K41.in4").
QString settingsFilePath();

} // namespace AppInfo
