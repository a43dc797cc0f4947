// Ticket plug-in files of any content: the reader must refuse them with a reason or read a
// plug-in that keeps every limit of the format, and what each item of a read plug-in prints
// must be computable for any ticket.
#include "fuzz/FuzzCheck.h"
#include "platform/ticket/TicketContent.h"
#include "platform/ticket/TicketPluginReader.h"

#include <cstddef>
#include <cstdint>

using namespace TicketPluginReader;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const Result result = parse(bytes);
    K41_FUZZ_CHECK(result.plugin.has_value() == result.reason.isEmpty());
    if (!result) return 0;

    const TicketPlugin& p = *result.plugin;
    K41_FUZZ_CHECK(p.width() >= 1 && p.width() <= MaxTwips);
    K41_FUZZ_CHECK(p.height() >= 1 && p.height() <= MaxTwips);
    K41_FUZZ_CHECK(p.items.size() <= size_t(MaxItems) && p.companies.size() <= MaxCompanies);
    K41_FUZZ_CHECK(p.info.CompanySwitch <= 0 || !p.companies.isEmpty());
    int barcodes = 0;
    for (const TicketItem& item : p.items) {
        K41_FUZZ_CHECK(item.box.left() >= 0 && item.box.top() >= 0 && !item.box.isEmpty());
        K41_FUZZ_CHECK(item.box.right() < p.width() && item.box.bottom() < p.height());
        if (item.kind == TicketItem::Kind::Barcode) ++barcodes;
        // A ticket at each end of the ranges the host can pass.
        for (const qint32 route : {-2147483647 - 1, 0, 1, p.info.MaxRoute, 2147483647}) {
            TicketData t;
            t.route = route;
            t.row = qint16(route);
            t.seiriNum = qint16(route);
            t.company = route;
            t.date = QStringLiteral("12-31-2025");
            const QString text = TicketContent::itemText(p, item, t);
            K41_FUZZ_CHECK(text.size() <= MaxTextLength + 12);
            if (const auto code = TicketContent::barcodeData(p, item, t))
                K41_FUZZ_CHECK(!code->isEmpty() && code->size() <= 14);
        }
    }
    K41_FUZZ_CHECK(p.info.PrintBarcode != 1 || barcodes == p.info.BarcodeCount);
    return 0;
}
