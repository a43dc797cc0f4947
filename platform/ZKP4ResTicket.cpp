// The resource library's ticket plug-in host over K41's own plug-in format: the file is
// read afresh on every call, so an edited plug-in shows at the next display update and a
// removed one simply draws nothing.
#include "platform/ZKP4Res.h"
#include "platform/ticket/TicketPluginReader.h"
#include "platform/ticket/TicketRenderer.h"

#include <QComboBox>
#include <QTextEdit>

namespace ZKP4Res {

void ZK4_DrawSeiriken(const QString& plugin, QPainter* dc, const QString& stopName,
                      const QString& dateText, const QString& timeText, qint32 route,
                      qint16 seiriNum, qint16 row, qint32 company) {
    if (!dc || plugin.isEmpty()) return;
    const TicketPluginReader::Result read = TicketPluginReader::readFile(plugin);
    if (!read) return;
    TicketData ticket;
    ticket.stopName = stopName;
    ticket.date = dateText;
    ticket.time = timeText;
    ticket.route = route;
    ticket.seiriNum = seiriNum;
    ticket.row = row;
    ticket.company = company;
    TicketRenderer::draw(*dc, *read.plugin, ticket);
}

int ZK4_GetPlgInfo(const QString& plugin, PlgInfo& info, QString* reason) {
    const TicketPluginReader::Result read = TicketPluginReader::readFile(plugin);
    if (reason) *reason = read.reason;
    if (!read) return 0;
    info = read.plugin->info;
    return 1;
}

bool ZK4_GetPlgComment(const QString& plugin, QString& comment) {
    const TicketPluginReader::Result read = TicketPluginReader::readFile(plugin);
    if (!read) return false;
    comment = read.plugin->comment;
    return true;
}

void ZK4_SetPlgComment(const QString& plugin, QTextEdit* box) {
    if (!box) return;
    QString comment;
    if (ZK4_GetPlgComment(plugin, comment)) box->setPlainText(comment);
}

void ZK4_SetCorpAddList(const QString& plugin, QComboBox* box) {
    if (!box) return;
    const TicketPluginReader::Result read = TicketPluginReader::readFile(plugin);
    if (!read) return;
    // Adding to an empty list would choose its first company; the choice is the user's, and
    // until it is made the index stays as it was (-1, none, for an empty list).
    const int chosen = box->currentIndex();
    box->addItems(read.plugin->companies);
    box->setCurrentIndex(chosen);
}

} // namespace ZKP4Res
