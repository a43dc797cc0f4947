#pragma once
// Splits an announcement into the pieces that are synthesised one after another: sentences,
// and a sentence longer than `maxChars` at a comma or space (or, lacking one, anywhere), so
// speech starts quickly and a text of any length is worked through in bounded steps.
#include <QString>
#include <QStringList>

namespace SpeechText {

inline constexpr int DefaultMaxChars = 120;

QStringList pieces(QStringView text, int maxChars = DefaultMaxChars);

} // namespace SpeechText
