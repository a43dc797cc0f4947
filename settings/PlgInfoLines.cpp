#include "settings/PlgInfoLines.h"

namespace {

QString availability(bool available) {
    return available ? QStringLiteral("---> 可能") : QStringLiteral("---> 不可");
}

} // namespace

QStringList PlgInfoLines(const ZKP4Res::PlgInfo& info) {
    QStringList lines{
        QStringLiteral("日付の印字 ") + availability(info.PrintDate == 1),
        QStringLiteral("時刻の印字 ") + availability(info.PrintTime == 1),
        QStringLiteral("系統番号の印字 ") + availability(info.PrintRoute == 1),
        QStringLiteral("停名の印字 ") + availability(info.PrintStopName == 1),
        QStringLiteral("バーコード印字 ") + availability(info.PrintBarcode == 1),
    };
    if (info.PrintBarcode == 1) {
        lines << QStringLiteral("バーコード本数 ---> ") + QString::number(info.BarcodeCount)
              << QStringLiteral("バーコード系統方式 ") +
                     (info.BarcodeRouteMethod == 1 ? QStringLiteral("---> 連番式")
                                                   : QStringLiteral("---> 系統番号＋往復フラグ"))
              << QStringLiteral("設定可能な系統範囲 ---> 1 ～ ") + QString::number(info.MaxRoute)
              << QStringLiteral("停留所認識範囲 ---> ") + QString::number(info.StopRangeFrom) +
                     QStringLiteral(" ～ ") + QString::number(info.StopRangeTo);
    }
    lines << QStringLiteral("社名切り替え:") + availability(info.CompanySwitch > 0);
    return lines;
}
