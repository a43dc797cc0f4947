#pragma once
// Names and places taken from the running executable. Its whole file name names the settings
// file, the sound channel aliases, the board's model number and the message boxes' title;
// a renamed copy ("K41.test") is a program of its own with a settings file of its own.
#include <QString>

namespace AppInfo {

// The version shown by the version box and by `K41 --version`.
QString version();
// K41's home page ("https://…").
QString homePage();
// The user guide of an installed copy (share/doc/k41/guide.md); empty when there is none.
QString installedGuide();
// The executable's whole file name ("K41", "K41.test"). Programs here carry no extension,
// so nothing is cut from it.
QString exeName();
// The folder that holds the executable.
QString programDir();
// The settings file's name: the executable's name followed by ".in4".
QString settingsFileName();
// The user's configuration folder for K41 ("~/.config/K41").
QString configDir();
// The example settings file that an installed copy brings with it (pointing at the
// installed sample data); empty when this copy is not an installed one.
QString packagedExample();
// The settings file of this run: beside the executable when its folder takes files and the
// copy is not an installed one, else in configDir() under the same name. Decided once.
QString settingsFilePath();
// Readies a settings file kept in the configuration folder: makes the folder and, on the
// first start, copies the packaged example there (or the settings file found beside a copy
// whose folder is read-only). Never touches a file that is already there.
// Where the configuration folder cannot be made, the settings beside the program (when there
// are any) are used instead, so they still load; unless that file may be written in place, the
// result then tells the user that changes cannot be saved and where K41 tried. Empty when all
// is well.
QString prepareSettingsFile();

} // namespace AppInfo
