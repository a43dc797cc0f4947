#pragma once
// The resource library: dialogs, the operating system's name, byte-counted text helpers over
// code page 932 and the numbered-ticket plug-in host. The operations of the library's interface
// table that K41 uses are declared here; callers use nothing else of it.
#include "platform/core/Colour.h"
#include "platform/ticket/PlgInfo.h"

#include <QString>
#include <array>

class QComboBox;
class QPainter;
class QTextEdit;
class QWidget;

namespace ZKP4Res {

// A date as the date picker hands it over (fields of the platform's SYSTEMTIME).
struct SystemTime {
    quint16 wYear = 0, wMonth = 0, wDayOfWeek = 0, wDay = 0;
    quint16 wHour = 0, wMinute = 0, wSecond = 0, wMilliseconds = 0;
};

using Colour::CustomColors;

// Zero-display dialog of a digit control. Modal over `owner`. zeroMode (0 to 3), shift and
// fillZero come in as the current values and are stored back whatever the result.
// Returns 1 when the user pressed OK (with the edited values), 0 on Cancel (values as given).
int Call_dlg100(QWidget* owner, qint16 keta, qint16& zeroMode, qint16& shift, qint16& fillZero);

// Modal text box showing `text` (lines end in CR LF), sized to it; `linksHtml`, when given,
// shows below it with its links opening in the desktop's browser or viewer. Returns when
// the box is closed.
void Call_dlg110(QWidget* owner, int kind, const QString& text,
                 const QString& linksHtml = QString());

// Date picker. Returns non-zero when a date was chosen; its year, month and day are then set.
int Call_dlg111(QWidget* owner, SystemTime& date);

// Name of the running operating system.
QString GetOsInfo();

// Byte length of the code page 932 form of `text`.
int LenB_ASCII(const QString& text);

// `count` bytes of the code page 932 form of `text` from the 1-based byte `start`, decoded
// again; empty past the end.
QString MidB_ASCII(const QString& text, int start, int count);
// The same byte range, undecoded.
QByteArray MidB_Bytes(const QString& text, int start, int count);

// Colour picker with the 17-entry custom colour table. `colour` in: current, out: chosen.
// Returns non-zero when a colour was chosen; the custom table is updated either way.
int Zk3ChooseColor(QWidget* owner, OleColor& colour, CustomColors& customColors);

// File picker. `filter` holds description/mask pairs, each ended by NUL, then one more NUL
// ("Wave\0*.wav\0MIDI\0*.mid\0\0"). Returns the chosen path, empty when cancelled.
QString Zk3FileDlg(QWidget* owner, int flags, const QString& filter, const QString& initial,
                   const QString& title);

// Folder picker with a prompt. Returns the chosen folder, empty when cancelled.
QString Zk3FolderDlg(QWidget* owner, const QString& prompt);

// Ticket plug-in host. Plug-ins are data files of K41's own format (docs/ticket-plugins.md),
// never code. A plug-in path is used as stored (see PathResolver).
// Draws the ticket for these values with its top-left corner at the painter's origin;
// draws nothing for an empty path, a missing or invalid plug-in, or a null painter.
void ZK4_DrawSeiriken(const QString& plugin, QPainter* dc, const QString& stopName,
                      const QString& dateText, const QString& timeText, qint32 route,
                      qint16 seiriNum, qint16 row, qint32 company);
// 0 when `plugin` is not a valid plug-in (`info` untouched; `reason`, when given, says why);
// otherwise non-zero with `info` filled.
int ZK4_GetPlgInfo(const QString& plugin, PlgInfo& info, QString* reason = nullptr);
// Puts the plug-in's comment text into `box`; nothing for an invalid plug-in.
void ZK4_SetPlgComment(const QString& plugin, QTextEdit* box);
// The same text for a box that does not exist yet: false (and `comment` untouched) for an
// invalid plug-in.
bool ZK4_GetPlgComment(const QString& plugin, QString& comment);
// Adds the plug-in's company names to the end of `box`'s list; nothing for an invalid one.
void ZK4_SetCorpAddList(const QString& plugin, QComboBox* box);

} // namespace ZKP4Res
