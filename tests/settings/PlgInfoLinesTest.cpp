#include "settings/PlgInfoLines.h"

#include <gtest/gtest.h>

using ZKP4Res::PlgInfo;

TEST(PlgInfoLines, SixLinesOrTenWithBarcode) {
    PlgInfo info;
    info.PrintDate = 1;
    info.PrintStopName = 1;
    EXPECT_EQ(PlgInfoLines(info), QStringList({
                                      "日付の印字 ---> 可能",
                                      "時刻の印字 ---> 不可",
                                      "系統番号の印字 ---> 不可",
                                      "停名の印字 ---> 可能",
                                      "バーコード印字 ---> 不可",
                                      "社名切り替え:---> 不可",
                                  }));
    info.PrintBarcode = 1;
    info.BarcodeCount = 2;
    info.MaxRoute = 999;
    info.BarcodeRouteMethod = 1;
    info.StopRangeFrom = 3;
    info.StopRangeTo = 60;
    info.CompanySwitch = 1;
    const QStringList lines = PlgInfoLines(info);
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines.mid(4), QStringList({
                                "バーコード印字 ---> 可能",
                                "バーコード本数 ---> 2",
                                "バーコード系統方式 ---> 連番式",
                                "設定可能な系統範囲 ---> 1 ～ 999",
                                "停留所認識範囲 ---> 3 ～ 60",
                                "社名切り替え:---> 可能",
                            }));
}

TEST(PlgInfoLines, OnlyExactlyOneIsAvailableButAnyPositiveSwitchesCompanies) {
    PlgInfo info;
    info.PrintDate = 2;
    info.PrintTime = -1;
    info.PrintBarcode = 2; // not 1: no barcode lines
    info.CompanySwitch = 5;
    QStringList lines = PlgInfoLines(info);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("日付の印字 ---> 不可"));
    EXPECT_EQ(lines[1], QStringLiteral("時刻の印字 ---> 不可"));
    EXPECT_EQ(lines[5], QStringLiteral("社名切り替え:---> 可能"));
    info.PrintBarcode = 1;
    info.BarcodeRouteMethod = 0;
    info.CompanySwitch = -3;
    lines = PlgInfoLines(info);
    EXPECT_EQ(lines[6], QStringLiteral("バーコード系統方式 ---> 系統番号＋往復フラグ"));
    EXPECT_EQ(lines[9], QStringLiteral("社名切り替え:---> 不可"));
}
