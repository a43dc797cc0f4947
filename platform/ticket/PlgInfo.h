#pragma once
// Capability record of a ticket plug-in, as the resource library fills it for the options
// dialog: fourteen signed 32-bit fields, in this order.
#include <QtGlobal>

namespace ZKP4Res {

struct PlgInfo {
    qint32 Reserved = 0;      // not read by the program; the plug-in's format version
    qint32 PreviewWidth = 0;  // twips
    qint32 PreviewHeight = 0; // twips
    qint32 PrintDate = 0;     // 1 = available, any other value = not available
    qint32 PrintTime = 0;
    qint32 PrintRoute = 0;
    qint32 PrintStopName = 0;
    qint32 PrintBarcode = 0;
    qint32 BarcodeCount = 0;
    qint32 MaxRoute = 0;           // highest settable route
    qint32 BarcodeRouteMethod = 0; // 1 = serial numbering, else route number plus direction flag
    qint32 StopRangeFrom = 0;
    qint32 StopRangeTo = 0;
    qint32 CompanySwitch = 0; // above 0 = available
};

} // namespace ZKP4Res
