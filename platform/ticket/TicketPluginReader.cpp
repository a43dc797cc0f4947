#include "platform/ticket/TicketPluginReader.h"

#include "platform/core/FileReader.h"
#include "platform/core/K41Error.h"
#include "platform/core/PathResolver.h"
#include "platform/ticket/StrictJson.h"

#include <QJsonDocument>
#include <QStringDecoder>
#include <algorithm>
#include <limits>

using StrictJson::Object;
using StrictJson::refuse;
using Kind = TicketItem::Kind;

namespace {

const QString FormatName = QStringLiteral("K41 ticket plug-in");
constexpr qint64 Int32Max = std::numeric_limits<qint32>::max();

// The item types as written in the file, in the order of TicketItem::Kind.
const QStringList KindNames = {QStringLiteral("number"), QStringLiteral("stopName"),
                               QStringLiteral("date"),   QStringLiteral("time"),
                               QStringLiteral("route"),  QStringLiteral("company"),
                               QStringLiteral("text"),   QStringLiteral("rule"),
                               QStringLiteral("frame"),  QStringLiteral("barcode")};

const QStringList FontNames = {QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic"),
                               QStringLiteral("IPAMincho"), QStringLiteral("IPAPMincho")};

bool isTextKind(Kind kind) {
    return kind != Kind::Rule && kind != Kind::Frame && kind != Kind::Barcode;
}

quint32 readColour(Object& o, const QString& key, quint32 fallback) {
    if (!o.has(key)) {
        o.string(key, 7, QString()); // marks the key as read
        return fallback;
    }
    const QString text = o.string(key, 7);
    // Exactly six hexadecimal digits: toUInt alone would take a sign, spaces or "0x".
    bool ok = text.size() == 7 && text.front() == u'#' &&
              std::all_of(text.begin() + 1, text.end(), [](QChar c) {
                  return c.isDigit() || (c.toLower() >= u'a' && c.toLower() <= u'f');
              });
    const uint value = ok ? text.mid(1).toUInt(&ok, 16) : 0;
    if (!ok) refuse(o.place(key), QStringLiteral("\"#RRGGBB\" の形の色が必要です"));
    return value;
}

// Refuses a layout whose drawing would take long: many long texts, or many boxes each as
// large as the ticket (each text is squeezed into its box, so its box bounds what it paints).
void checkDrawingCost(const TicketPlugin& p, QSize ticket) {
    qint64 characters = 0, textArea = 0, area = 0;
    for (const TicketItem& item : p.items) {
        const qint64 box = qint64(item.box.width()) * item.box.height();
        if (isTextKind(item.kind)) {
            characters += item.text.size();
            textArea += box;
        }
        area += box;
    }
    if (characters > TicketPluginReader::MaxTotalText)
        refuse(QStringLiteral("items"),
               QStringLiteral("文字が多すぎます（全項目で %1 文字、最大 %2 文字）")
                   .arg(characters)
                   .arg(TicketPluginReader::MaxTotalText));
    // Drawing smooth glyphs costs in proportion to the area they cover.
    if (textArea > TicketPluginReader::MaxTextArea)
        refuse(QStringLiteral("items"),
               QStringLiteral("文字の項目の面積の合計が大きすぎます（%1 平方twip、最大 %2）")
                   .arg(textArea)
                   .arg(TicketPluginReader::MaxTextArea));
    const qint64 tickets = qint64(ticket.width()) * ticket.height();
    if (area > tickets * TicketPluginReader::MaxCoverage)
        refuse(QStringLiteral("items"),
               QStringLiteral("項目の面積の合計が大きすぎます（券 %1 枚分、最大 %2 枚分）")
                   .arg(double(area) / double(tickets), 0, 'f', 1)
                   .arg(TicketPluginReader::MaxCoverage));
}

TicketItem readItem(const QJsonValue& value, const QString& place, QSize ticket) {
    Object o(value, place);
    TicketItem item;
    if (!o.has(QStringLiteral("type")))
        refuse(o.place(QStringLiteral("type")), QStringLiteral("ありません"));
    item.kind = Kind(o.choice(QStringLiteral("type"), KindNames, 0));

    const int x = int(o.integer(QStringLiteral("x"), 0, TicketPluginReader::MaxTwips));
    const int y = int(o.integer(QStringLiteral("y"), 0, TicketPluginReader::MaxTwips));
    const int w = int(o.integer(QStringLiteral("width"), 1, TicketPluginReader::MaxTwips));
    const int h = int(o.integer(QStringLiteral("height"), 1, TicketPluginReader::MaxTwips));
    if (x + w > ticket.width() || y + h > ticket.height())
        refuse(place, QStringLiteral("券 (%1 × %2) の外にはみ出しています")
                          .arg(ticket.width())
                          .arg(ticket.height()));
    item.box = QRect(x, y, w, h);
    item.colour = readColour(o, QStringLiteral("colour"), 0x000000);

    if (isTextKind(item.kind)) {
        const int font = o.choice(QStringLiteral("font"), FontNames, 0);
        item.font = FontNames.at(font);
        item.size = o.number(QStringLiteral("size"), 1, TicketPluginReader::MaxFontSize, 10);
        item.bold = o.boolean(QStringLiteral("bold"), false);
        item.align = TicketItem::Align(o.choice(
            QStringLiteral("align"),
            {QStringLiteral("left"), QStringLiteral("center"), QStringLiteral("right")}, 0));
        if (item.kind == Kind::Text) {
            item.text = o.string(QStringLiteral("text"), TicketPluginReader::MaxTextLength);
        } else {
            item.text = o.string(QStringLiteral("format"), TicketPluginReader::MaxTextLength,
                                 QStringLiteral("{}"));
            if (item.text.count(QStringLiteral("{}")) != 1)
                refuse(o.place(QStringLiteral("format")),
                       QStringLiteral("値の入る \"{}\" をちょうど一つ含む文字列が必要です"));
        }
    }
    if (item.kind == Kind::Number || item.kind == Kind::Route)
        item.digits = int(o.integer(QStringLiteral("digits"), 0, 10, 0));
    if (item.kind == Kind::Date)
        item.dateStyle = TicketItem::DateStyle(o.choice(
            QStringLiteral("style"),
            {QStringLiteral("asGiven"), QStringLiteral("kanji"), QStringLiteral("dots")}, 0));
    if (item.kind == Kind::Time)
        item.timeStyle = TicketItem::TimeStyle(o.choice(
            QStringLiteral("style"), {QStringLiteral("seconds"), QStringLiteral("minutes")}, 0));
    if (item.kind == Kind::Frame)
        item.lineWidth =
            int(o.integer(QStringLiteral("lineWidth"), 1, TicketPluginReader::MaxTwips, 15));
    if (item.kind == Kind::Barcode) {
        item.symbology =
            TicketItem::Symbology(o.choice(QStringLiteral("symbology"),
                                           {QStringLiteral("code128"), QStringLiteral("codabar"),
                                            QStringLiteral("itf"), QStringLiteral("qr")},
                                           0));
        item.content = TicketItem::Content(o.choice(
            QStringLiteral("content"), {QStringLiteral("ticket"), QStringLiteral("number")}, 0));
        item.direction = int(o.integer(QStringLiteral("direction"), 0, 9, 0));
        item.humanReadable = o.boolean(QStringLiteral("humanReadable"), false);
    }
    o.finish();
    return item;
}

ZKP4Res::PlgInfo readCapabilities(const QJsonValue& value, QSize ticket) {
    Object o(value, QStringLiteral("capabilities"));
    ZKP4Res::PlgInfo info;
    info.Reserved = TicketPlugin::FormatVersion;
    info.PreviewWidth = ticket.width();
    info.PreviewHeight = ticket.height();
    const auto flag = [&](const char* key) {
        return qint32(o.integer(QLatin1String(key), -Int32Max - 1, Int32Max));
    };
    info.PrintDate = flag("printDate");
    info.PrintTime = flag("printTime");
    info.PrintRoute = flag("printRoute");
    info.PrintStopName = flag("printStopName");
    info.PrintBarcode = flag("printBarcode");
    // The barcode's figures matter only to a plug-in that prints one.
    const bool barcode = info.PrintBarcode == 1;
    const auto figure = [&](const char* key, qint64 min, qint64 max) {
        const QString k = QLatin1String(key);
        return qint32(barcode ? o.integer(k, min, max) : o.integer(k, min, max, 0));
    };
    info.BarcodeCount = figure("barcodeCount", barcode ? 1 : 0, 16);
    info.MaxRoute = figure("maxRoute", barcode ? 1 : 0, 999999);
    info.BarcodeRouteMethod = figure("barcodeRouteMethod", -Int32Max - 1, Int32Max);
    info.StopRangeFrom = figure("stopRangeFrom", 0, 999);
    info.StopRangeTo = figure("stopRangeTo", 0, 999);
    if (info.StopRangeFrom > info.StopRangeTo)
        refuse(o.place(QStringLiteral("stopRangeTo")),
               QStringLiteral("stopRangeFrom 以上の値が必要です"));
    info.CompanySwitch = flag("companySwitch");
    o.finish();
    return info;
}

// The layout may only print what the capabilities say the plug-in prints.
void checkConsistency(const TicketPlugin& p) {
    int barcodes = 0;
    for (size_t i = 0; i < p.items.size(); ++i) {
        const TicketItem& item = p.items[i];
        const QString place = QStringLiteral("items[%1]").arg(i);
        const auto need = [&](qint32 field, const char* key) {
            if (field != 1)
                refuse(place, QStringLiteral("この項目を印字するには capabilities.%1 が 1 "
                                             "でなければなりません")
                                  .arg(QLatin1String(key)));
        };
        switch (item.kind) {
        case Kind::Date:
            need(p.info.PrintDate, "printDate");
            break;
        case Kind::Time:
            need(p.info.PrintTime, "printTime");
            break;
        case Kind::Route:
            need(p.info.PrintRoute, "printRoute");
            break;
        case Kind::StopName:
            need(p.info.PrintStopName, "printStopName");
            break;
        case Kind::Barcode:
            need(p.info.PrintBarcode, "printBarcode");
            ++barcodes;
            break;
        case Kind::Company:
            if (p.companies.isEmpty())
                refuse(place, QStringLiteral("社名を印字するには companies が必要です"));
            break;
        default:
            break;
        }
    }
    if (p.info.PrintBarcode == 1 && barcodes != p.info.BarcodeCount)
        refuse(QStringLiteral("capabilities.barcodeCount"),
               QStringLiteral("items のバーコード (%1 本) と数が合いません").arg(barcodes));
    if (p.info.CompanySwitch > 0 && p.companies.isEmpty())
        refuse(QStringLiteral("companies"),
               QStringLiteral("社名切り替えには社名が一つ以上必要です"));
}

TicketPlugin readDocument(const QJsonValue& root) {
    Object o(root, QString());
    if (o.string(QStringLiteral("format"), 100) != FormatName)
        refuse(QStringLiteral("format"), QStringLiteral("\"%1\" が必要です").arg(FormatName));
    const qint64 version = o.integer(QStringLiteral("version"), 1, Int32Max);
    if (version > TicketPlugin::FormatVersion)
        refuse(QStringLiteral("version"),
               QStringLiteral("この版 (%1) には対応していません（%2 まで）")
                   .arg(version)
                   .arg(TicketPlugin::FormatVersion));

    TicketPlugin p;
    p.name = o.string(QStringLiteral("name"), TicketPluginReader::MaxTextLength, QString());
    p.comment = o.string(QStringLiteral("comment"), TicketPluginReader::MaxCommentLength, {});

    Object size(o.object(QStringLiteral("size")), QStringLiteral("size"));
    const QSize ticket(
        int(size.integer(QStringLiteral("width"), 1, TicketPluginReader::MaxTwips)),
        int(size.integer(QStringLiteral("height"), 1, TicketPluginReader::MaxTwips)));
    size.finish();
    p.paper = readColour(o, QStringLiteral("paper"), 0xFFFFFF);
    p.info = readCapabilities(o.object(QStringLiteral("capabilities")), ticket);

    const QJsonArray companies =
        o.array(QStringLiteral("companies"), TicketPluginReader::MaxCompanies, false);
    for (qsizetype i = 0; i < companies.size(); ++i)
        p.companies << StrictJson::stringAt(companies, i, QStringLiteral("companies"), 100);

    const QJsonArray items = o.array(QStringLiteral("items"), TicketPluginReader::MaxItems, true);
    p.items.reserve(size_t(items.size()));
    for (qsizetype i = 0; i < items.size(); ++i)
        p.items.push_back(readItem(items.at(i), QStringLiteral("items[%1]").arg(i), ticket));
    checkDrawingCost(p, ticket);
    o.finish();
    checkConsistency(p);
    return p;
}

} // namespace

namespace TicketPluginReader {

Result parse(const QByteArray& bytes) {
    Result result;
    if (bytes.size() > MaxFileBytes) {
        result.reason = QStringLiteral("%1 バイトを超えるファイルはプラグインとして読みません")
                            .arg(MaxFileBytes);
        return result;
    }
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF")) body.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(body); // decoding happens on this conversion
    if (utf8.hasError()) {
        result.reason = QStringLiteral("UTF-8 として読めないバイトがあります");
        return result;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError) {
        result.reason = QStringLiteral("JSON として読めません（%1 文字目: %2）")
                            .arg(error.offset)
                            .arg(error.errorString());
        return result;
    }
    try {
        result.plugin =
            readDocument(doc.isObject() ? QJsonValue(doc.object()) : QJsonValue(doc.array()));
    } catch (const StrictJson::Refusal& refusal) {
        result.reason = refusal.reason;
    }
    return result;
}

Result readFile(const QString& stored) {
    Result result;
    if (stored.isEmpty()) {
        result.reason = QStringLiteral("プラグインが指定されていません");
        return result;
    }
    try {
        // One byte more than allowed is enough to know the file is too large.
        return parse(FileReader::read(PathResolver::resolve(stored), MaxFileBytes + 1));
    } catch (const K41Error& e) {
        result.reason = e.description();
    }
    return result;
}

} // namespace TicketPluginReader
