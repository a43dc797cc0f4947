#pragma once
// The settings file as JSON, for inspecting and preparing settings files by hand: every
// setting under its own name at the top level, then "CtrlDataInfo", "FormInfo",
// "CustomColors" (17 numbers) and "DegitUserInfo" (24 objects). Numbers are the numbers the
// file holds (a selected radio button is -1); texts are UTF-8.
//
// What a file holds beyond what K41 writes is shown so that build gives it back byte for
// byte: a number outside the range build accepts from a hand-written file as
// {"stored": 301}; a text whose bytes the codec would write differently as
// {"bytes": "8365ED40"}; a digit count other than 24 as "DigitCount"; bytes after the last
// digit entry as "Trailing" (hexadecimal).
#include "settings/In4File.h"

#include <QByteArray>

namespace In4Json {

// One JSON object, keys in file order, ending in a newline.
QByteArray dump(const In4File& file);

// The settings record described by `json` (write it with In4Format::writeExact). Keys left
// out keep the start-up defaults.
// Throws K41Error naming the key for malformed JSON, an unknown key, a value of the wrong
// type or out of its field's range, a wrong number of colours or digit entries, or a text
// that code page 932 cannot hold.
In4File build(const QByteArray& json);
// The same, with the keys left out taken from `base` (a settings file as read).
In4File build(const QByteArray& json, In4File base);

} // namespace In4Json
