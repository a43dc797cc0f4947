#pragma once
// Windows face names that K41's layouts ask for, and the installed faces that stand in for
// them. fontconfig has no alias for "ＭＳ ゴシック", so every lookup goes through here.
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace Fonts {

// The installed family used for a face name of the layouts ("ＭＳ ゴシック" → IPAGothic,
// "ＭＳ 明朝" → IPAMincho, "ＭＳ Ｐゴシック" → IPAPGothic, digit faces → IPAPGothic).
// Unknown names are returned unchanged.
QString substitute(const QString& faceName);

// A font for a face name at a point size, with the substitution applied. The font names the
// installed family alone: Qt takes every further family as a fallback, and asks fontconfig for
// a sorted fallback list on the first use of such a font for each script, glyphs missing or not.
QFont font(const QString& faceName, qreal pointSize, bool bold = false);

// Gives `widget` font(faceName, pointSize, bold) and remembers the face name as the layout
// wrote it, which the font itself no longer carries.
void apply(QWidget& widget, const QString& faceName, qreal pointSize, bool bold = false);

// The face name given to `widget` by apply(); otherwise the family of its font.
QString faceName(const QWidget& widget);

// Has fontconfig read its configuration and font cache on a thread of its own, starting now,
// so that this, the longest part of finding the fonts, overlaps the window system's start-up.
// Call once, first thing in main, before the application object exists; the work of
// finder() waits for it. Without this call, finder() has fontconfig read them itself.
void readConfigurationEarly();

// What the first text drawn would otherwise wait for: fontconfig reading its configuration
// and font cache, Qt's font database listing the installed families, and the lookups that
// substitute() keeps. Returns it as work to run on another thread while the GUI thread does
// something else; that work must be over before anything lays out or draws text, or it is
// done twice. Call this on the GUI thread once the application exists.
std::function<void()> finder();

inline const QString Gothic = QStringLiteral("ＭＳ ゴシック");
inline const QString Mincho = QStringLiteral("ＭＳ 明朝");
inline const QString PGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString NumC2 = QStringLiteral("M_NumC2");
inline const QString LunaNumber = QStringLiteral("ルナテック数字平体");

} // namespace Fonts
