#include "platform/ticket/TicketContent.h"

#include <QDate>
#include <QTime>

using Kind = TicketItem::Kind;

namespace {

QString zeroFilled(qint64 value, int digits) {
    const QString text = QString::number(value < 0 ? -value : value);
    const QString filled = text.size() < digits ? QString(digits - text.size(), u'0') + text : text;
    return value < 0 ? u'-' + filled : filled;
}

int decimalDigits(qint64 value) {
    return int(QString::number(value).size());
}

// The date arrives as K41's date settings write it: "mm-dd-yyyy" (today, or the date held
// since the route was set) or "yyyy/mm/dd" (a fixed date).
QDate parseDate(const QString& text) {
    QDate date = QDate::fromString(text, QStringLiteral("MM-dd-yyyy"));
    if (!date.isValid()) date = QDate::fromString(text, QStringLiteral("yyyy/MM/dd"));
    return date;
}

QString dateText(const TicketItem& item, const QString& given) {
    const QDate date = parseDate(given);
    if (!date.isValid()) return given; // printed as it came rather than not at all
    switch (item.dateStyle) {
    case TicketItem::DateStyle::Kanji:
        return QStringLiteral("%1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day());
    case TicketItem::DateStyle::Dots:
        return date.toString(QStringLiteral("yyyy.MM.dd"));
    case TicketItem::DateStyle::AsGiven:
        break;
    }
    return given;
}

QString timeText(const TicketItem& item, const QString& given) {
    const QTime time = QTime::fromString(given, QStringLiteral("HH:mm:ss"));
    if (item.timeStyle == TicketItem::TimeStyle::Minutes && time.isValid())
        return time.toString(QStringLiteral("HH:mm"));
    return given;
}

QString value(const TicketPlugin& plugin, const TicketItem& item, const TicketData& t) {
    switch (item.kind) {
    case Kind::Number:
        return zeroFilled(t.seiriNum, item.digits);
    case Kind::StopName:
        return t.stopName;
    case Kind::Date:
        return dateText(item, t.date);
    case Kind::Time:
        return timeText(item, t.time);
    case Kind::Route:
        return zeroFilled(t.route, item.digits);
    case Kind::Company:
        return TicketContent::companyName(plugin, t.company);
    default:
        return {};
    }
}

} // namespace

namespace TicketContent {

QString companyName(const TicketPlugin& plugin, qint32 index) {
    if (plugin.companies.isEmpty()) return {};
    return index >= 0 && index < plugin.companies.size() ? plugin.companies.at(index)
                                                         : plugin.companies.first();
}

QString itemText(const TicketPlugin& plugin, const TicketItem& item, const TicketData& ticket) {
    switch (item.kind) {
    case Kind::Rule:
    case Kind::Frame:
    case Kind::Barcode:
        return {};
    case Kind::Text:
        return item.text;
    default: {
        QString text = item.text;
        return text.replace(QStringLiteral("{}"), value(plugin, item, ticket));
    }
    }
}

std::optional<QString> barcodeData(const TicketPlugin& plugin, const TicketItem& item,
                                   const TicketData& ticket) {
    const ZKP4Res::PlgInfo& info = plugin.info;
    QString digits;
    if (item.content == TicketItem::Content::Number) {
        if (ticket.seiriNum < 0) return std::nullopt;
        digits = zeroFilled(ticket.seiriNum, 3);
    } else {
        if (ticket.route < 1 || ticket.route > info.MaxRoute) return std::nullopt;
        if (ticket.row < info.StopRangeFrom || ticket.row > info.StopRangeTo) return std::nullopt;
        digits = zeroFilled(ticket.route, decimalDigits(info.MaxRoute));
        if (info.BarcodeRouteMethod != 1) digits += QString::number(item.direction);
        digits += zeroFilled(ticket.row, decimalDigits(info.StopRangeTo));
    }
    switch (item.symbology) {
    case TicketItem::Symbology::Itf:
        if (digits.size() % 2) digits.prepend(u'0');
        break;
    case TicketItem::Symbology::Codabar:
        digits = u'A' + digits + u'A';
        break;
    default:
        break;
    }
    return digits;
}

} // namespace TicketContent
