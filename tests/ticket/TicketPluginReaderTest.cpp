#include "platform/ticket/TicketPluginReader.h"

#include "tests/common/TestUtil.h"
#include "tests/ticket/PluginFiles.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace PluginFiles;
using Kind = TicketItem::Kind;

namespace {

QString refusal(const QByteArray& bytes) {
    const auto result = TicketPluginReader::parse(bytes);
    return result ? QStringLiteral("(read)") : result.reason;
}

} // namespace

TEST(TicketPluginReader, ReadsTheBarcodeSample) {
    const auto result = TicketPluginReader::parse(sample("yamabato.4SP"));
    ASSERT_TRUE(result) << result.reason.toStdString();
    const TicketPlugin& p = *result.plugin;
    EXPECT_EQ(p.width(), 3300);
    EXPECT_EQ(p.height(), 1680);
    EXPECT_EQ(p.info.PrintDate, 1);
    EXPECT_EQ(p.info.PrintBarcode, 1);
    EXPECT_EQ(p.info.BarcodeCount, 1);
    EXPECT_EQ(p.info.MaxRoute, 999);
    EXPECT_EQ(p.info.BarcodeRouteMethod, 2);
    EXPECT_EQ(p.info.StopRangeFrom, 1);
    EXPECT_EQ(p.info.StopRangeTo, 99);
    EXPECT_EQ(p.info.CompanySwitch, 1);
    EXPECT_EQ(p.companies, QStringList({"山鳩市営バス", "みさき観光バス", "緑ヶ丘交通"}));
    EXPECT_TRUE(p.comment.contains(QStringLiteral("\n")));
    ASSERT_EQ(p.items.size(), 11u);
    EXPECT_EQ(p.items[3].kind, Kind::Number);
    EXPECT_EQ(p.items[3].box, QRect(90, 390, 1260, 840));
    EXPECT_EQ(p.items[3].size, 40);
    EXPECT_TRUE(p.items[3].bold);
    EXPECT_EQ(p.items[3].align, TicketItem::Align::Center);
    EXPECT_EQ(p.items[7].dateStyle, TicketItem::DateStyle::Kanji);
    EXPECT_EQ(p.items[10].kind, Kind::Barcode);
    EXPECT_EQ(p.items[10].symbology, TicketItem::Symbology::Code128);
}

TEST(TicketPluginReader, MinimalSampleLeavesBarcodeFiguresAtZero) {
    const auto result = TicketPluginReader::parse(sample("minimal.4SP"));
    ASSERT_TRUE(result) << result.reason.toStdString();
    const ZKP4Res::PlgInfo& info = result.plugin->info;
    EXPECT_EQ(info.PreviewWidth, 2400);
    EXPECT_EQ(info.PreviewHeight, 1200);
    EXPECT_EQ(info.PrintStopName, 1);
    EXPECT_EQ(info.PrintBarcode, 0);
    EXPECT_EQ(info.BarcodeCount, 0);
    EXPECT_EQ(info.MaxRoute, 0);
    EXPECT_EQ(info.CompanySwitch, 0);
    EXPECT_TRUE(result.plugin->companies.isEmpty());
    EXPECT_EQ(result.plugin->paper, 0xFFFFFFu);
}

TEST(TicketPluginReader, KeepsCapabilityValuesAsWritten) {
    // Any 32-bit value may stand in a capability field; only the dialog decides what
    // counts as available.
    const auto result = TicketPluginReader::parse(changed([](QJsonObject& d) {
        setCapability(d, "printTime", 2);
        setCapability(d, "companySwitch", 7);
        setCapability(d, "barcodeRouteMethod", -5);
        QJsonArray items = d["items"].toArray();
        items.removeAt(8); // the time item
        d["items"] = items;
    }));
    ASSERT_TRUE(result) << result.reason.toStdString();
    EXPECT_EQ(result.plugin->info.PrintTime, 2);
    EXPECT_EQ(result.plugin->info.CompanySwitch, 7);
    EXPECT_EQ(result.plugin->info.BarcodeRouteMethod, -5);
}

TEST(TicketPluginReader, AcceptsAByteOrderMark) {
    EXPECT_TRUE(TicketPluginReader::parse("\xEF\xBB\xBF" + sample("minimal.4SP")));
}

// Each case changes the barcode sample in one way; the reason must name the place.
struct BadCase {
    const char* what;
    std::function<void(QJsonObject&)> change;
    const char* place;
};

TEST(TicketPluginReader, RefusesWithTheReasonAndPlace) {
    const std::vector<BadCase> cases = {
        {"unknown top key", [](QJsonObject& d) { d["colour"] = "#000000"; }, "colour:"},
        {"key of another item type", [](QJsonObject& d) { setItem(d, 1, "symbology", "qr"); },
         "items[1].symbology:"},
        {"unknown capability", [](QJsonObject& d) { setCapability(d, "printLogo", 1); },
         "capabilities.printLogo:"},
        {"missing capability",
         [](QJsonObject& d) { setCapability(d, "printDate", QJsonValue::Undefined); },
         "capabilities.printDate:"},
        {"format name", [](QJsonObject& d) { d["format"] = "something else"; }, "format:"},
        {"newer version", [](QJsonObject& d) { d["version"] = 2; }, "version:"},
        {"string for a number", [](QJsonObject& d) { setItem(d, 3, "size", "40"); },
         "items[3].size:"},
        {"fraction for an integer", [](QJsonObject& d) { setItem(d, 3, "x", 1.5); }, "items[3].x:"},
        {"ticket too wide",
         [](QJsonObject& d) {
             d["size"] = QJsonObject{{"width", 20001}, {"height", 1680}};
         },
         "size.width:"},
        {"negative width", [](QJsonObject& d) { setItem(d, 2, "width", -15); }, "items[2].width:"},
        {"item outside the ticket", [](QJsonObject& d) { setItem(d, 2, "x", 200); }, "items[2]:"},
        {"absurd font size", [](QJsonObject& d) { setItem(d, 3, "size", 1e6); }, "items[3].size:"},
        {"unknown font", [](QJsonObject& d) { setItem(d, 3, "font", "Arial"); }, "items[3].font:"},
        {"unknown item type", [](QJsonObject& d) { setItem(d, 2, "type", "logo"); },
         "items[2].type:"},
        {"bad colour", [](QJsonObject& d) { setItem(d, 2, "colour", "red"); }, "items[2].colour:"},
        {"colour with a sign", [](QJsonObject& d) { setItem(d, 2, "colour", "#+12345"); },
         "items[2].colour:"},
        {"colour with a space", [](QJsonObject& d) { setItem(d, 2, "colour", "# 12345"); },
         "items[2].colour:"},
        {"colour with 0x", [](QJsonObject& d) { d["paper"] = "#0xFFFF"; }, "paper:"},
        {"format without a value", [](QJsonObject& d) { setItem(d, 6, "format", "系統"); },
         "items[6].format:"},
        {"items not an array", [](QJsonObject& d) { d["items"] = QJsonObject(); }, "items:"},
        {"company name not a string",
         [](QJsonObject& d) {
             d["companies"] = QJsonArray{"A", 3};
         },
         "companies[1]:"},
        {"date printed but not declared", [](QJsonObject& d) { setCapability(d, "printDate", 2); },
         "items[7]:"},
        {"barcode count disagrees", [](QJsonObject& d) { setCapability(d, "barcodeCount", 2); },
         "capabilities.barcodeCount:"},
        {"company switching without names",
         [](QJsonObject& d) {
             d.remove("companies");
             QJsonArray items = d["items"].toArray();
             items.removeAt(0); // the company item
             d["items"] = items;
         },
         "companies:"},
        {"stop range reversed", [](QJsonObject& d) { setCapability(d, "stopRangeFrom", 100); },
         "capabilities.stopRangeTo:"},
        {"too many items",
         [](QJsonObject& d) {
             QJsonArray items;
             for (int i = 0; i < TicketPluginReader::MaxItems + 1; ++i)
                 items.append(QJsonObject{
                     {"type", "rule"}, {"x", 0}, {"y", 0}, {"width", 10}, {"height", 10}});
             d["items"] = items;
         },
         "items:"},
        {"text too long", [](QJsonObject& d) { setItem(d, 1, "text", QString(1001, u'券')); },
         "items[1].text:"},
        // What a ticket asks of the drawing: texts together, boxes together.
        {"too much text in all",
         [](QJsonObject& d) {
             QJsonArray items = d["items"].toArray();
             for (int i = 0; i < 3; ++i)
                 items.append(QJsonObject{{"type", "text"},
                                          {"text", QString(700, u'券')},
                                          {"x", 0},
                                          {"y", 0},
                                          {"width", 100},
                                          {"height", 100}});
             d["items"] = items;
         },
         "items:"},
        {"text boxes too large in all",
         [](QJsonObject& d) {
             d["size"] = QJsonObject{{"width", 6000}, {"height", 4000}};
             QJsonArray items = d["items"].toArray();
             items.append(QJsonObject{{"type", "text"},
                                      {"text", "大"},
                                      {"x", 0},
                                      {"y", 0},
                                      {"width", 6000},
                                      {"height", 4000}});
             d["items"] = items;
         },
         "items:"},
        {"boxes covering the ticket many times",
         [](QJsonObject& d) {
             QJsonArray items = d["items"].toArray();
             for (int i = 0; i < TicketPluginReader::MaxCoverage; ++i)
                 items.append(QJsonObject{
                     {"type", "rule"}, {"x", 0}, {"y", 0}, {"width", 3300}, {"height", 1680}});
             d["items"] = items;
         },
         "items:"},
    };
    for (const BadCase& c : cases) {
        const QString reason = refusal(changed(c.change));
        EXPECT_TRUE(reason.startsWith(QLatin1String(c.place)))
            << c.what << ": " << reason.toStdString();
    }
}

TEST(TicketPluginReader, AnItemMayReachTheTicketsEdgeButNotPassIt) {
    // The barcode sample's ticket is 3300 × 1680 twips.
    const auto placed = [](int x, int width, int y, int height) {
        return changed([&](QJsonObject& d) {
            setItem(d, 2, "x", x);
            setItem(d, 2, "width", width);
            setItem(d, 2, "y", y);
            setItem(d, 2, "height", height);
        });
    };
    const auto whole = TicketPluginReader::parse(placed(0, 3300, 0, 1680));
    ASSERT_TRUE(whole) << whole.reason.toStdString();
    EXPECT_EQ(whole.plugin->items[2].box, QRect(0, 0, 3300, 1680));
    EXPECT_EQ(refusal(placed(300, 3000, 680, 1000)), "(read)");
    EXPECT_TRUE(refusal(placed(300, 3001, 0, 100)).startsWith("items[2]:"));
    EXPECT_TRUE(refusal(placed(0, 100, 681, 1000)).startsWith("items[2]:"));
}

TEST(TicketPluginReader, RefusesTextThatIsNotJsonOrNotUtf8) {
    EXPECT_TRUE(refusal("").contains(QStringLiteral("JSON")));
    EXPECT_TRUE(refusal("[1, 2]").contains(QStringLiteral("オブジェクト")));
    EXPECT_TRUE(refusal("{\"format\": \"K41 ticket plug-in\", \"x\": \"\xFF\"}")
                    .contains(QStringLiteral("UTF-8")));
    // Numbers beyond any range, written as JSON allows.
    for (const char* number : {"1e400", "-1e400", "1e308", "9223372036854775808", "2147483648"}) {
        const QByteArray doc = changed([](QJsonObject& d) {
                                   setItem(d, 3, "x", 12345.678);
                               }).replace("12345.678", number);
        EXPECT_NE(refusal(doc), QStringLiteral("(read)")) << number;
    }
}

TEST(TicketPluginReader, RefusesFilesOverOneMebibyte) {
    QByteArray doc = sample("minimal.4SP");
    doc.append(QByteArray(TicketPluginReader::MaxFileBytes - doc.size(), ' '));
    EXPECT_TRUE(TicketPluginReader::parse(doc)) << "exactly 1 MiB is still read";
    doc.append(' ');
    EXPECT_TRUE(refusal(doc).contains(QStringLiteral("1048576")));
}

TEST(TicketPluginReader, EveryCutOfAFileIsRefusedCleanly) {
    const QByteArray whole = sample("yamabato.4SP");
    const int end = int(whole.trimmed().size());
    for (int n = 0; n < end; ++n)
        ASSERT_FALSE(TicketPluginReader::parse(whole.left(n))) << "cut at " << n;
    EXPECT_TRUE(TicketPluginReader::parse(whole.left(end)));
}

TEST(TicketPluginReader, RandomAndDamagedBytesNeverCrash) {
    QRandomGenerator random(17);
    const QByteArray whole = sample("yamabato.4SP");
    int read = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = whole;
        if (round % 3 == 0) {
            bytes = QByteArray(int(random.bounded(4096)), '\0');
            for (char& b : bytes)
                b = char(random.bounded(256));
        } else {
            // A few bytes of a valid plug-in replaced: keys, numbers and brackets break.
            for (int k = 0; k < 1 + round % 5; ++k)
                bytes[int(random.bounded(whole.size()))] = char(random.bounded(256));
        }
        if (TicketPluginReader::parse(bytes)) ++read;
    }
    EXPECT_LT(read, 3000);
}

TEST(TicketPluginReader, DeepNestingIsRefused) {
    for (const char open : {'[', '{'}) {
        QByteArray doc = "{\"format\": \"K41 ticket plug-in\", \"name\": ";
        for (int i = 0; i < 200000; ++i)
            doc += open == '[' ? "[" : "{\"a\":";
        EXPECT_FALSE(TicketPluginReader::parse(doc)) << open;
    }
}

TEST(TicketPluginReader, ReadsFilesByStoredPathAndRefusesWhatIsNotAFile) {
    QTemporaryDir dir;
    TestUtil::writeFile(dir.filePath("Plugins/Ticket.4SP"), sample("minimal.4SP"));
    // A path written on Windows: backslashes and another case.
    const QString stored =
        QString(dir.path()).replace(u'/', u'\\') + QStringLiteral("\\plugins\\TICKET.4sp");
    EXPECT_TRUE(TicketPluginReader::readFile(stored));

    EXPECT_TRUE(TicketPluginReader::readFile(dir.filePath("none.4SP"))
                    .reason.contains(QStringLiteral("見つかりません")));
    EXPECT_FALSE(TicketPluginReader::readFile(dir.path()));
    EXPECT_FALSE(TicketPluginReader::readFile(QString()));

    // A named pipe with no writer would block an open for good.
    const QString fifo = dir.filePath("pipe.4SP");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_TRUE(
        TicketPluginReader::readFile(fifo).reason.contains(QStringLiteral("通常のファイル")));

    QByteArray big(TicketPluginReader::MaxFileBytes + 10, ' ');
    TestUtil::writeFile(dir.filePath("big.4SP"), big);
    EXPECT_FALSE(TicketPluginReader::readFile(dir.filePath("big.4SP")));
}
