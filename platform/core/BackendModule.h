#pragma once
// The optional back ends (video encoding, the MIDI synthesiser, speech) live in small shared
// modules beside the program, loaded the first time they are used: their libraries then cost
// nothing at start. Each module has one entry point, a factory of the object behind the
// back end's interface.
#include <QString>
#include <QStringList>

namespace BackendModule {

// The file a module is kept in: "k41video" -> "libk41video.so".
QString fileName(const char* name);
// Where modules are looked for, in order: the folder named by K41_MODULE_DIR when set, the
// executable's folder, the installed module folder relative to it, and the build tree's
// lib/k41 beside it.
QStringList searchDirs();
// The entry point `symbol` of module `name`, loaded once per process (a failed load is tried
// again on the next call). Throws K41Error naming the file and what the feature
// is (`feature`, e.g. "録画") when the module is missing (53) or cannot be loaded or lacks its
// entry point (48 as "error in loading DLL").
void* entry(const char* name, const char* symbol, const QString& feature);

} // namespace BackendModule
