#pragma once
// The capability lines the options dialog lists for a ticket plug-in ("上記プラグインの
// プロパティ"): five printing capabilities, four barcode lines when the plug-in prints a
// barcode, and company switching. Only exactly 1 counts as available for the printing
// fields; company switching is available for any value above 0.
#include "platform/ticket/PlgInfo.h"

#include <QStringList>

QStringList PlgInfoLines(const ZKP4Res::PlgInfo& info);
