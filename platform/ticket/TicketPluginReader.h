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
constexpr int MaxItems = 1000;      // layout items, and company names
constexpr int MaxTextLength = 1000; // any one text but the comment
constexpr int MaxCommentLength = 20000;
constexpr double MaxFontSize = 500; // points

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
