#pragma once
// The settings file (.in4) as a record and as bytes. The byte layout is a flat little-endian
// sequence without header or padding; the field order is that of SettingFields::all(), then
// the panel state, the board position, the 17 custom colours, the digit count and 24
// per-digit entries. Texts are a 16-bit byte count followed by code page 932 bytes.
#include "settings/CtrlDataInfo.h"
#include "settings/DegitUserInfo.h"
#include "settings/FormInfo.h"
#include "settings/Settings.h"

#include <QByteArray>
#include <array>

constexpr int FareDigitCount = 24;

struct In4File {
    Settings options; // the 65 settings; options.CustomColors is the custom colour table
    CtrlDataInfo ctrl;
    FormInfo form;
    qint16 DigitCount = FareDigitCount; // as read; the writer always writes 24
    std::array<DegitUserInfo, FareDigitCount> digits{};
};

namespace In4Format {

// Bytes a settings file can need at most (every text at its longest). Anything after the
// last digit entry is never read, so a reader need not look further than this.
constexpr qsizetype MaxFileSize = 358 + 17 * (2 + 65535);

// The file's bytes. Texts are encoded with Codec932::encode (unencodable characters become
// "?"). Throws K41Error (Overflow) naming the field when a text needs more than 65535 bytes.
QByteArray write(const In4File& file);

// Reads the 77 fields in order. Exactly 24 digit entries are read whatever the digit count
// says; bytes after them are ignored. Values are taken as stored (a list position of 30 is
// read as 30: the load rules decide what the store accepts). Throws K41Error (InputPastEnd)
// naming the field when the bytes end before it or a text's byte count runs past the end.
In4File read(const QByteArray& bytes);

} // namespace In4Format
