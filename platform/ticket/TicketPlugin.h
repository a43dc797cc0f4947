#pragma once
// A ticket plug-in: the description of one numbered ticket (整理券) as a ticket issuer prints
// it. Plug-ins are data, never code: a JSON document (docs/ticket-plugins.md) that
// TicketPluginReader turns into this model after checking every value. Positions and sizes
// are twips from the ticket's top-left corner; font sizes are points.
#include "platform/ticket/PlgInfo.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

struct TicketItem {
    enum class Kind {
        Number,   // the ticket number (SeiriNum of the stop), usually large
        StopName, // the stop where the ticket is taken
        Date,
        Time,
        Route,   // the route number
        Company, // the chosen company's name
        Text,    // a fixed text
        Rule,    // a filled bar
        Frame,   // a rectangle outline
        Barcode,
    };
    enum class Align { Left, Center, Right };
    enum class DateStyle { AsGiven, Kanji, Dots };
    enum class TimeStyle { Seconds, Minutes };
    enum class Symbology { Code128, Codabar, Itf, Qr };
    enum class Content { Ticket, Number };

    Kind kind = Kind::Text;
    QRect box; // twips, inside the ticket

    // Texts.
    QString font = QStringLiteral("IPAGothic");
    double size = 10; // points
    bool bold = false;
    Align align = Align::Left;
    quint32 colour = 0x000000; // 0xRRGGBB
    QString text;              // Text: the text; data items: the format, "{}" = the value
    int digits = 0;            // Number, Route: filled with zeros to this many digits
    DateStyle dateStyle = DateStyle::AsGiven;
    TimeStyle timeStyle = TimeStyle::Seconds;

    // Frame.
    int lineWidth = 15; // twips

    // Barcode.
    Symbology symbology = Symbology::Code128;
    Content content = Content::Ticket;
    int direction = 0; // the direction flag of the route-number method
    bool humanReadable = false;
};

struct TicketPlugin {
    static constexpr int FormatVersion = 1;

    QString name;
    QString comment;
    ZKP4Res::PlgInfo info; // PreviewWidth/PreviewHeight are the ticket's size
    quint32 paper = 0xFFFFFF;
    QStringList companies;
    std::vector<TicketItem> items;

    int width() const { return info.PreviewWidth; }
    int height() const { return info.PreviewHeight; }
};

// What one ticket shows: the values K41 hands to the plug-in host for the current stop.
struct TicketData {
    QString stopName;
    QString date; // "mm-dd-yyyy" or "yyyy/mm/dd"
    QString time; // "hh:mm:ss"
    qint32 route = 0;
    qint16 seiriNum = 0;
    qint16 row = 0;      // the stop's row along the route, 1 = first
    qint32 company = -1; // index into the company list; -1 = none chosen
};
