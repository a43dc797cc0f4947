#pragma once
// Readings as the announcements want them: full-width katakana. Feeds give stop-name readings
// in hiragana, katakana or half-width katakana.
#include <QString>

namespace Katakana {

// `reading` with hiragana turned into katakana and half-width katakana (with its separate
// voiced marks) into full-width katakana; everything else is kept.
QString from(const QString& reading);

} // namespace Katakana
