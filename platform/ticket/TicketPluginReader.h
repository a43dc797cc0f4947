#pragma once
// Reads ticket plug-in files. Every value is checked: an unknown key, a value of the wrong
// type, a size beyond the limits below, an item outside the ticket or capabilities that
// contradict the layout make the whole file refused, with a reason that names the place
// ("items[3].size: ..."). Any byte sequence is safe to hand in.
#include "platform/ticket/TicketPlugin.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace TicketPluginReader {

constexpr qint64 MaxFileBytes = 1024 * 1024;
constexpr int MaxTwips = 20000;     // ticket size, positions and line widths
constexpr int MaxItems = 200;       // layout items
constexpr int MaxCompanies = 1000;  // company names
constexpr int MaxTextLength = 1000; // any one text but the comment
constexpr int MaxCommentLength = 20000;
constexpr double MaxFontSize = 500; // points
// What a ticket may ask of the drawing, so that any plug-in read draws its ticket quickly:
// the texts of all items together, and the boxes of all items together measured in tickets
// (a frame around the whole ticket counts one).
// Text is drawn no taller than its box (see TicketRenderer), so the boxes of the texts bound
// the glyphs' area.
constexpr int MaxTotalText = 2000;               // characters
constexpr qint64 MaxTextArea = qint64(22500000); // twips² (100,000 screen pixels)
constexpr int MaxCoverage = 8;                   // tickets' areas, all items

struct Result {
    std::optional<TicketPlugin> plugin;
    QString reason; // why the file was refused; empty when it was read

    explicit operator bool() const { return plugin.has_value(); }
};

// Reads a plug-in from the bytes of its file (UTF-8 JSON, an optional byte-order mark).
Result parse(const QByteArray& bytes);

// Reads the plug-in file at `path`, a path as stored in the settings (see PathResolver).
// Only a regular file of at most MaxFileBytes is read: a pipe or a device is refused
// before it is opened, so a wrong path can never block the caller.
Result readFile(const QString& path);

} // namespace TicketPluginReader
