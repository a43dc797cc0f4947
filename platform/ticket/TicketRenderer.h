#pragma once
// Draws a ticket as a ticket issuer prints it: the paper, then every layout item in file
// order, each clipped to its box. One twip is 1/15 pixel times `scale`.
#include "platform/ticket/TicketPlugin.h"

#include <QImage>
#include <stop_token>

class QPainter;

namespace TicketRenderer {

// Draws with the ticket's top-left corner at the painter's origin. Once `stop` is requested
// the items not yet begun are left out: a drawing nobody waits for ends within one item.
void draw(QPainter& painter, const TicketPlugin& plugin, const TicketData& ticket,
          double scale = 1.0, std::stop_token stop = {});

// The ticket alone, as an image of its size in pixels times `scale`.
QImage render(const TicketPlugin& plugin, const TicketData& ticket, double scale = 1.0);

} // namespace TicketRenderer
