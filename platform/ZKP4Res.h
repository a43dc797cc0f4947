#pragma once
// The resource library: dialogs, the operating system's name, byte-counted text helpers over
// code page 932 and the numbered-ticket plug-in host. The operations of the library's interface
// table that K41 uses are declared here; callers use nothing else of it.
#include "platform/core/Colour.h"

#include <QString>
#include <array>

class QWidget;

namespace ZKP4Res {

// Capability record of a ticket plug-in: fourteen 32-bit fields, in this order.
struct PlgInfo {
    qint32 Reserved = 0;      // not read
    qint32 PreviewWidth = 0;  // twips
    qint32 PreviewHeight = 0; // twips
    qint32 PrintDate = 0;     // 1 = available
    qint32 PrintTime = 0;
    qint32 PrintRoute = 0;
    qint32 PrintStopName = 0;
    qint32 PrintBarcode = 0;
    qint32 BarcodeCount = 0;
    qint32 MaxRoute = 0;           // highest settable route
    qint32 BarcodeRouteMethod = 0; // 1 = serial numbering, else route number plus direction flag
    qint32 StopRangeFrom = 0;
    qint32 StopRangeTo = 0;
    qint32 CompanySwitch = 0; // above 0 = available
};

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

// Modal text box showing `text` (lines end in CR LF); returns when it is closed.
void Call_dlg110(QWidget* owner, int kind, const QString& text);

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

} // namespace ZKP4Res
