#pragma once
// Windows face names that K41's layouts ask for, and the installed faces that stand in for
// them. fontconfig has no alias for "ＭＳ ゴシック", so every lookup goes through here.
#include <QFont>
#include <QString>
#include <QStringList>

namespace Fonts {

// The installed family used for a face name of the layouts ("ＭＳ ゴシック" → IPAGothic,
// "ＭＳ 明朝" → IPAMincho, "ＭＳ Ｐゴシック" → IPAPGothic, digit faces → IPAPGothic).
// Unknown names are returned unchanged.
QString substitute(const QString& faceName);

// A font for a face name at a point size, with the substitution applied. The face name as
// written is remembered in the font's family list so that callers can still read it.
QFont font(const QString& faceName, qreal pointSize, bool bold = false);

// The face name as the layout wrote it, for a font made by font().
QString faceName(const QFont& font);

inline const QString Gothic = QStringLiteral("ＭＳ ゴシック");
inline const QString Mincho = QStringLiteral("ＭＳ 明朝");
inline const QString PGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString NumC2 = QStringLiteral("M_NumC2");
inline const QString LunaNumber = QStringLiteral("ルナテック数字平体");

} // namespace Fonts
