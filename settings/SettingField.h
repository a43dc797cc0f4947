#pragma once
// The 65 user settings as a table: name, kind and the store field each one lives in, in the
// order the settings file keeps them. The file reader and writer, the load rules and the
// command-line tool all walk this one table, so a setting is described exactly once.
#include "settings/Settings.h"

#include <QString>
#include <span>

enum class SettingKind {
    Text,   // 16-bit byte count + code page 932 bytes
    Check,  // i16, 0 or 1
    Colour, // 32-bit 0x00BBGGRR
    Choice, // i16, -1 = selected, 0 = not selected; one field per radio button
    Index,  // i16 list position, -1 = nothing selected
};

struct SettingField {
    const char* name;
    SettingKind kind;
    // Exactly one of these points at the store field, matching `kind`.
    QString Settings::*text = nullptr;
    qint16 Settings::*number = nullptr; // Check and Index
    OleColor Settings::*colour = nullptr;
    bool Settings::*choice = nullptr;
    // Index: how many items the list holds. Choice: the radio group (buttons sharing a
    // group number exclude each other).
    int listCount = 0;
    int radioGroup = 0;

    QString qName() const { return QString::fromLatin1(name); }
};

namespace SettingFields {

// All 65 settings, in the order of the settings file.
std::span<const SettingField> all();

// The setting named `name` (case-sensitive), or nullptr.
const SettingField* find(const QString& name);

} // namespace SettingFields
