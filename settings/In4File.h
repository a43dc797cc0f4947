#pragma once
// The settings file (.in4) as a record and as bytes. The byte layout is a flat little-endian
// sequence without header or padding; the field order is that of SettingFields::all(), then
// the panel state, the board position, the 17 custom colours, the digit count and 24
// per-digit entries. Texts are a 16-bit byte count followed by code page 932 bytes.
#include "settings/CtrlDataInfo.h"
#include "settings/DegitUserInfo.h"
#include "settings/FormInfo.h"
#include "settings/Settings.h"

#include "platform/core/K41Error.h"

#include <QByteArray>
#include <QHash>
#include <array>
#include <optional>

constexpr int FareDigitCount = 24;

// What a file may hold that the settings record cannot: kept by the reader so that k41tool
// gives a file back byte for byte. K41's own save starts from an empty record and so writes
// the usual forms: -1 or 0 for a radio button, texts as the codec writes them, nothing after
// the digit entries.
struct In4Stored {
    QHash<QString, qint16> choices;   // radio buttons stored as neither -1 nor 0, by setting name
    QHash<QString, QByteArray> texts; // texts whose bytes the codec would write differently
    QByteArray trailing;              // bytes after the last digit entry
};

struct In4File {
    Settings options; // the 65 settings; options.CustomColors is the custom colour table
    CtrlDataInfo ctrl;
    FormInfo form;
    qint16 DigitCount = FareDigitCount; // as read; K41 always saves 24
    std::array<DegitUserInfo, FareDigitCount> digits{};
    In4Stored stored;
};

namespace In4Format {

// Bytes a settings file can need at most (every text at its longest). Anything after the
// last digit entry is never read, so a reader need not look further than this.
constexpr qsizetype MaxFileSize = 358 + 17 * (2 + 65535);

// The file's bytes as K41 saves them. Texts are encoded with Codec932::encode (unencodable
// characters become "?"), a selected radio button is -1, the digit count is 24, nothing
// follows the digit entries. Throws K41Error (Overflow) naming the field when a text needs
// more than 65535 bytes.
QByteArray write(const In4File& file);

// The same, but as the file was read: the digit count as stored, and what `file.stored`
// keeps (a radio button's stored value, a text's stored bytes, where the setting still says
// the same; the trailing bytes). read() then writeExact() gives any readable file back.
QByteArray writeExact(const In4File& file);

// Reads the 77 fields in order. Exactly 24 digit entries are read whatever the digit count
// says; bytes after them are ignored by K41 and kept in `stored`. Values are taken as stored
// (a list position of 30 is read as 30: the load rules decide what the store accepts).
// Throws K41Error (InputPastEnd) naming the field when the bytes end before it or a text's
// byte count runs past the end.
In4File read(const QByteArray& bytes);

// Where the fields after the settings begin, counting the file's 77 fields from 1: the panel
// state (7 fields), the board position (2), the custom colours, the digit count, the table.
constexpr int FirstPanelField = 66;
constexpr int FirstBoardField = 73;
constexpr int FieldCount = 77;

// What reading a possibly cut file gave.
struct Partial {
    int fieldsRead = 0;              // whole fields read, in file order (77 = the whole file)
    std::optional<K41Error> failure; // why the reading stopped early
};

// Reads the fields the bytes hold whole into `file`, in order, and stops at the first that
// runs past the end; that field and the ones after it keep what `file` held before. So a cut
// file still gives everything before the cut.
Partial readInto(const QByteArray& bytes, In4File& file);

} // namespace In4Format
