#pragma once
// Code page 932 (Windows Shift-JIS), the encoding of every file K41 reads or writes and of
// the byte-counted text rules. This is the only place that converts to and from it.
#include <QByteArray>
#include <QString>

namespace Codec932 {

// Encodes `text`. Characters that code page 932 cannot hold become "?", as on Windows;
// the look-alikes typed on Linux (〜 ‖ − ¢ £ ¬) are first mapped to their code page 932 forms.
QByteArray encode(const QString& text);

// Decodes bytes; invalid sequences become U+FFFD.
QString decode(const QByteArray& bytes);

// True when every character of `text` survives encode() without becoming "?".
bool canEncode(const QString& text);

// The first character of `text` that cannot be encoded, or an empty string.
QString firstUnencodable(const QString& text);

} // namespace Codec932
