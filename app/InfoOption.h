#pragma once
// `K41 --help` and `K41 --version`: the only arguments K41 reads. Each prints the version and
// where the settings file is, then the program ends without opening a window. Every other
// argument is ignored, as K41 takes its configuration from the settings file alone.
#include <QStringList>

namespace InfoOption {

enum class Ask { Nothing, Help, Version };

// What the arguments (without the program name) ask for; --help wins over --version.
Ask asked(const QStringList& args);

// The text to print. Needs the application object (the executable's name and folder).
QString textFor(Ask ask);

} // namespace InfoOption
