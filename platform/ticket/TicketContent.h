#pragma once
// What each layout item of a ticket prints, as text: the rules between the values K41 hands
// to the plug-in host and the characters on the paper. No drawing here.
#include "platform/ticket/TicketPlugin.h"

#include <QString>
#include <optional>

namespace TicketContent {

// The text a text item prints for `ticket` (a fixed text, or its format with the value in
// place of "{}"). Rules, frames and barcodes print no text: empty.
QString itemText(const TicketPlugin& plugin, const TicketItem& item, const TicketData& ticket);

// The company name for a company index: the name at that index, the first name when the
// index is outside the list (-1: nothing chosen), empty when the plug-in has none.
QString companyName(const TicketPlugin& plugin, qint32 index);

// The characters a barcode item encodes, or nothing when the ticket lies outside what the
// plug-in's barcode can express (a route above maxRoute or below 1, a stop row outside the
// stop recognition range, a negative ticket number).
// Content "ticket": the route, zero-filled to the digits of maxRoute, then with route
// method 1 (serial numbering) the stop row, otherwise the direction flag and then the stop
// row, zero-filled to the digits of stopRangeTo. Content "number": the ticket number,
// three digits. Interleaved 2 of 5 holds an even count of digits: an odd one gets a
// leading 0. Codabar gets its start and stop character "A".
std::optional<QString> barcodeData(const TicketPlugin& plugin, const TicketItem& item,
                                   const TicketData& ticket);

} // namespace TicketContent
