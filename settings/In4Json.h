#pragma once
// The settings file as JSON, for inspecting and preparing settings files by hand: every
// setting under its own name at the top level, then "CtrlDataInfo", "FormInfo",
// "CustomColors" (17 numbers) and "DegitUserInfo" (24 objects). Numbers are the numbers the
// file holds (a selected radio button is -1); texts are UTF-8.
#include "settings/In4File.h"

#include <QByteArray>

namespace In4Json {

// One JSON object, keys in file order, ending in a newline.
QByteArray dump(const In4File& file);

// The settings record described by `json`. Keys left out keep the start-up defaults.
// Throws K41Error naming the key for malformed JSON, an unknown key, a value of the wrong
// type or out of its field's range, a wrong number of colours or digit entries, or a text
// that code page 932 cannot hold.
In4File build(const QByteArray& json);

} // namespace In4Json
