// k41tool plugin: lets a plug-in author check a ticket plug-in and look at the ticket it
// prints without K41. Both go through K41's own reader and renderer.
//   check FILE              the capability lines as the options dialog lists them, or why
//                           the file is refused (exit status 1)
//   render FILE OUT.png     the ticket for the values given by the options below
#include "tools/k41tool/Commands.h"

#include "platform/core/FileReplace.h"
#include "platform/core/K41Error.h"
#include "platform/ticket/TicketPluginReader.h"
#include "platform/ticket/TicketRenderer.h"
#include "settings/PlgInfoLines.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDateTime>
#include <QImageWriter>
#include <cstdio>

namespace {

void print(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

int fail(const QString& file, const QString& reason) {
    print(stderr, QStringLiteral("k41tool: %1: %2").arg(file, reason));
    return 1;
}

int check(const QString& file) {
    const TicketPluginReader::Result read = TicketPluginReader::readFile(file);
    if (!read) return fail(file, read.reason);
    for (const QString& line : PlgInfoLines(read.plugin->info))
        print(stdout, line);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

// An integer option within [min, max]; reports the option on failure.
bool intOption(const QCommandLineParser& parser, const QString& name, qint64 min, qint64 max,
               qint64& value) {
    if (!parser.isSet(name)) return true;
    bool ok = false;
    const qint64 v = parser.value(name).toLongLong(&ok);
    if (!ok || v < min || v > max) {
        print(stderr,
              QStringLiteral("k41tool: --%1: %2～%3 の整数が必要です").arg(name).arg(min).arg(max));
        return false;
    }
    value = v;
    return true;
}

int render(const QStringList& args) {
    QCommandLineParser parser;
    const QDateTime now = QDateTime::currentDateTime();
    parser.addOptions({
        {QStringLiteral("stop"), QStringLiteral("stop name"), QStringLiteral("name"),
         QStringLiteral("山鳩駅前")},
        {QStringLiteral("number"), QStringLiteral("ticket number"), QStringLiteral("n"),
         QStringLiteral("1")},
        {QStringLiteral("route"), QStringLiteral("route number"), QStringLiteral("n"),
         QStringLiteral("1")},
        {QStringLiteral("row"), QStringLiteral("stop row along the route"), QStringLiteral("n"),
         QStringLiteral("1")},
        {QStringLiteral("date"), QStringLiteral("date text (mm-dd-yyyy or yyyy/mm/dd)"),
         QStringLiteral("text"), now.date().toString(QStringLiteral("MM-dd-yyyy"))},
        {QStringLiteral("time"), QStringLiteral("time text (hh:mm:ss)"), QStringLiteral("text"),
         now.time().toString(QStringLiteral("HH:mm:ss"))},
        {QStringLiteral("company"), QStringLiteral("company index, -1 = none"), QStringLiteral("n"),
         QStringLiteral("-1")},
        {QStringLiteral("scale"), QStringLiteral("pixels per screen pixel, 1 to 4"),
         QStringLiteral("n"), QStringLiteral("1")},
    });
    if (!parser.parse(QStringList{QStringLiteral("k41tool")} + args) ||
        parser.positionalArguments().size() != 2) {
        print(stderr, parser.errorText().isEmpty()
                          ? QStringLiteral("k41tool: FILE と OUT.png が必要です")
                          : QStringLiteral("k41tool: ") + parser.errorText());
        return 2;
    }
    const QString file = parser.positionalArguments().at(0);
    const QString out = parser.positionalArguments().at(1);
    TicketData ticket;
    ticket.stopName = parser.value(QStringLiteral("stop"));
    ticket.date = parser.value(QStringLiteral("date"));
    ticket.time = parser.value(QStringLiteral("time"));
    qint64 number = 1, route = 1, row = 1, company = -1, scale = 1;
    if (!intOption(parser, QStringLiteral("number"), -32768, 32767, number) ||
        !intOption(parser, QStringLiteral("route"), -2147483648LL, 2147483647LL, route) ||
        !intOption(parser, QStringLiteral("row"), 1, 301, row) ||
        !intOption(parser, QStringLiteral("company"), -1, 2147483647LL, company) ||
        !intOption(parser, QStringLiteral("scale"), 1, 4, scale))
        return 2;
    ticket.seiriNum = qint16(number);
    ticket.route = qint32(route);
    ticket.row = qint16(row);
    ticket.company = qint32(company);

    const TicketPluginReader::Result read = TicketPluginReader::readFile(file);
    if (!read) return fail(file, read.reason);
    const QImage image = TicketRenderer::render(*read.plugin, ticket, double(scale));
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QImageWriter writer(&png, "png");
    if (!writer.write(image)) return fail(out, writer.errorString());
    // The one safe writer: a device, a pipe or a folder at OUT is refused, not replaced.
    try {
        FileReplace::write(out, png.data());
    } catch (const K41Error& e) {
        return fail(out, QStringLiteral("%1 (error %2)").arg(e.description()).arg(e.number()));
    }
    return 0;
}

} // namespace

int pluginCommand(const QStringList& args) {
    const QString verb = args.value(0);
    if (verb == QLatin1String("check") && args.size() == 2) return check(args.at(1));
    if (verb == QLatin1String("render") && args.size() >= 3) return render(args.mid(1));
    std::fputs("usage: k41tool plugin check FILE |\n"
               "       k41tool plugin render FILE OUT.png [--stop NAME] [--number N] [--route N]\n"
               "               [--row N] [--date TEXT] [--time TEXT] [--company N] [--scale N]\n",
               stderr);
    return 2;
}
