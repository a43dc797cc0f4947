#include "platform/ticket/TicketPluginReader.h"
#include "platform/ticket/TicketRenderer.h"

#include "tests/ticket/BarcodeReader.h"
#include "tests/ticket/PluginFiles.h"

#include <gtest/gtest.h>

using Symbology = TicketItem::Symbology;

namespace {

TicketPlugin samplePlugin() {
    return *TicketPluginReader::parse(PluginFiles::sample("yamabato.4SP")).plugin;
}

TicketData ticket(const QString& stop, qint16 number, qint32 route, qint16 row,
                  qint32 company = -1) {
    TicketData t;
    t.stopName = stop;
    t.seiriNum = number;
    t.route = route;
    t.row = row;
    t.company = company;
    t.date = QStringLiteral("03-07-2025");
    t.time = QStringLiteral("08:05:09");
    return t;
}

// The pixels of an item's box (twips) in an image drawn at `scale`.
QImage boxOf(const QImage& image, const QRect& twips, double scale = 1.0) {
    const double k = scale / 15.0;
    return image.copy(QRect(int(twips.x() * k), int(twips.y() * k), int(twips.width() * k),
                            int(twips.height() * k)));
}

bool blank(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
}

// A plug-in with one barcode item and nothing else.
TicketPlugin barcodeOnly(Symbology symbology, QRect box) {
    TicketPlugin p;
    p.info.PreviewWidth = box.right() + 1 + 150;
    p.info.PreviewHeight = box.bottom() + 1 + 150;
    p.info.PrintBarcode = 1;
    p.info.BarcodeCount = 1;
    p.info.MaxRoute = 999;
    p.info.BarcodeRouteMethod = 2;
    p.info.StopRangeFrom = 1;
    p.info.StopRangeTo = 99;
    TicketItem item;
    item.kind = TicketItem::Kind::Barcode;
    item.symbology = symbology;
    item.direction = 1;
    item.box = box;
    p.items.push_back(item);
    return p;
}

} // namespace

TEST(TicketRenderer, SampleTicketBarcodeReadsBackAtPreviewSizeAndLarger) {
    const TicketPlugin p = samplePlugin();
    for (const double scale : {1.0, 2.0, 3.0}) {
        const QImage image = TicketRenderer::render(p, ticket("本町一丁目", 5, 12, 5), scale);
        EXPECT_EQ(image.size(), QSize(int(3300 * scale / 15), int(1680 * scale / 15)));
        EXPECT_EQ(BarcodeReader::read(image), QStringList{"CODE-128:012005"}) << scale;
    }
    EXPECT_EQ(BarcodeReader::read(TicketRenderer::render(p, ticket("終点", 24, 999, 99))),
              QStringList{"CODE-128:999099"});
}

TEST(TicketRenderer, EverySymbologyReadsBack) {
    struct Case {
        Symbology symbology;
        QRect box;
        const char* read;
    };
    const Case cases[] = {
        {Symbology::Code128, QRect(150, 150, 3000, 600), "CODE-128:012105"},
        {Symbology::Itf, QRect(150, 150, 3000, 600), "I2/5:012105"},
        {Symbology::Codabar, QRect(150, 150, 3600, 600), "Codabar:A012105A"},
        {Symbology::Qr, QRect(150, 150, 1200, 1200), "QR-Code:012105"},
    };
    for (const Case& c : cases) {
        const QImage image =
            TicketRenderer::render(barcodeOnly(c.symbology, c.box), ticket("x", 1, 12, 5), 1.0);
        EXPECT_EQ(BarcodeReader::read(image), QStringList{QLatin1String(c.read)})
            << int(c.symbology);
    }
}

TEST(TicketRenderer, NoBarcodeWhereItCannotBeExpressedOrDoesNotFit) {
    const TicketPlugin p = samplePlugin();
    const QRect barcodeBox = p.items.back().box;
    EXPECT_FALSE(blank(boxOf(TicketRenderer::render(p, ticket("a", 1, 12, 5)), barcodeBox)));
    EXPECT_TRUE(blank(boxOf(TicketRenderer::render(p, ticket("a", 1, 1000, 5)), barcodeBox)))
        << "route above maxRoute";
    EXPECT_TRUE(blank(boxOf(TicketRenderer::render(p, ticket("a", 1, 12, 100)), barcodeBox)))
        << "stop row outside the recognition range";
    // Too narrow for one pixel a module: a wrong barcode is worse than none.
    const TicketPlugin narrow = barcodeOnly(Symbology::Code128, QRect(150, 150, 600, 600));
    EXPECT_TRUE(blank(TicketRenderer::render(narrow, ticket("a", 1, 12, 5))));
}

TEST(TicketRenderer, EachValueIsDrawnInItsOwnBox) {
    const TicketPlugin p = samplePlugin();
    const QRect numberBox = p.items[3].box;
    const QRect stopBox = p.items[5].box;
    const QRect companyBox = p.items[0].box;
    const QImage base = TicketRenderer::render(p, ticket("本町一丁目", 5, 12, 5, 0));
    const QImage otherStop = TicketRenderer::render(p, ticket("市役所前", 5, 12, 5, 0));
    const QImage otherNumber = TicketRenderer::render(p, ticket("本町一丁目", 6, 12, 5, 0));
    const QImage otherCompany = TicketRenderer::render(p, ticket("本町一丁目", 5, 12, 5, 1));

    EXPECT_FALSE(blank(boxOf(base, stopBox)));
    EXPECT_NE(boxOf(base, stopBox), boxOf(otherStop, stopBox));
    EXPECT_EQ(boxOf(base, numberBox), boxOf(otherStop, numberBox));
    EXPECT_NE(boxOf(base, numberBox), boxOf(otherNumber, numberBox));
    EXPECT_EQ(boxOf(base, stopBox), boxOf(otherNumber, stopBox));
    EXPECT_NE(boxOf(base, companyBox), boxOf(otherCompany, companyBox));
    EXPECT_EQ(boxOf(base, numberBox), boxOf(otherCompany, numberBox));
}

TEST(TicketRenderer, PaperColourAndALongStopNameSqueezedWhole) {
    TicketPlugin p = samplePlugin();
    p.paper = 0xFFF8E0;
    const QImage image = TicketRenderer::render(p, ticket("本町", 5, 12, 5));
    EXPECT_EQ(image.pixel(image.width() - 1, 10), qRgb(0xFF, 0xF8, 0xE0));
    // A stop name far too long for its box is squeezed into it: its last character is
    // still printed, and nothing spills out of the box.
    const QRect stopBox = p.items[5].box;
    const QString longName = QStringLiteral("山鳩市立総合病院前") + QString(40, u'ー');
    const QImage endsA = TicketRenderer::render(p, ticket(longName + u'東', 5, 12, 5));
    const QImage endsB = TicketRenderer::render(p, ticket(longName + u'西', 5, 12, 5));
    EXPECT_NE(boxOf(endsA, stopBox), boxOf(endsB, stopBox));
    const QRect outside(0, stopBox.bottom() + 1, 3300, 1680 - stopBox.bottom() - 1);
    EXPECT_EQ(boxOf(endsA, outside), boxOf(image, outside))
        << "only the stop name's box differs from a ticket with a short name";
}
