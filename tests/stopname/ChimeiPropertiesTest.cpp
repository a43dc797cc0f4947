// Defaults, corrections and persistence of the stop-name control's properties.
#include "controls/stopname/ChimeiCtl_DX.h"
#include "tests/stopname/StripDots.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(ChimeiProperties, NewInstanceKeepsTheDesignColoursAndDefaults) {
    ChimeiCtl_DX c;
    EXPECT_EQ(c.objectName(), QStringLiteral("ChimeiCtl"));
    EXPECT_EQ(c.accessibleName(), QStringLiteral("ChimeiCtl"));
    EXPECT_EQ(c.size(), QSize(432, 56));
    EXPECT_EQ(c.BackColor(), 4210752u);
    EXPECT_EQ(c.ForeColor(), Colour::rgb(255, 192, 128));
    EXPECT_EQ(c.Appearance(), 1);
    EXPECT_EQ(c.Speed(), 5);
    EXPECT_EQ(c.ScrollStartWait(), 1500);
    EXPECT_EQ(c.Mode(), 0);
    EXPECT_EQ(c.FontMode(), 0);
    EXPECT_FALSE(c.FontBold());
    EXPECT_EQ(c.TsugiwaMode(), 0);
    EXPECT_EQ(c.TsugiwaColor(), 7977471u);
    EXPECT_EQ(c.TsugiwaFontMode(), 0);
    EXPECT_FALSE(c.TsugiwaBold());
    EXPECT_EQ(StripDots::pixelsIn(c.strip(), 0, 432, qRgb(64, 64, 64)), 432 * 56);
}

TEST(ChimeiProperties, TsugiwaModeOutsideZeroToTwoIsStoredAsZero) {
    ChimeiCtl_DX c;
    for (qint16 v : {qint16(0), qint16(1), qint16(2)}) {
        c.setTsugiwaMode(v);
        EXPECT_EQ(c.TsugiwaMode(), v);
    }
    for (qint16 v : {qint16(3), qint16(-1), qint16(32767)}) {
        c.setTsugiwaMode(2);
        c.setTsugiwaMode(v);
        EXPECT_EQ(c.TsugiwaMode(), 0) << v;
    }
    // Everything else is taken as written.
    c.setFontMode(-1);
    c.setTsugiwaFontMode(9);
    c.setSpeed(-3);
    c.setScrollStartWait(-10);
    EXPECT_EQ(c.FontMode(), -1);
    EXPECT_EQ(c.TsugiwaFontMode(), 9);
    EXPECT_EQ(c.Speed(), -3);
    EXPECT_EQ(c.ScrollStartWait(), -10);
}

TEST(ChimeiProperties, WritesAreReportedAndDoNotRedrawAName) {
    ChimeiCtl_DX c;
    QSignalSpy changed(&c, &ChimeiCtl_DX::PropertyChanged);
    c.SetChimei(QStringLiteral("駅"));
    const QImage before = c.strip();
    c.setForeColor(Colour::rgb(0, 255, 0));
    c.setBackColor(Colour::rgb(0, 0, 255));
    c.setFontMode(1);
    c.setMode(7);
    c.setTsugiwaMode(1);
    EXPECT_EQ(c.strip(), before);
    EXPECT_EQ(changed.count(), 5);
    EXPECT_EQ(changed.at(0).at(0).toString(), QStringLiteral("ForeColor"));

    // The next name takes them all.
    c.SetChimei(QStringLiteral("駅"));
    EXPECT_GT(StripDots::pixelsIn(c.strip(), 0, 432, qRgb(0, 255, 0)), 0);
    EXPECT_GT(StripDots::pixelsIn(c.strip(), 0, 432, qRgb(0, 0, 255)), 0);
    EXPECT_GT(StripDots::pixelsIn(c.strip(), 0, 108, qRgb(255, 185, 121)), 0);

    // A blank strip shows a new background at once.
    c.SetChimei(QString());
    c.setBackColor(Colour::rgb(9, 9, 9));
    EXPECT_EQ(StripDots::pixelsIn(c.strip(), 0, 432, qRgb(9, 9, 9)), 432 * 56);
}

TEST(ChimeiProperties, LoadedFromAnEmptyStoreUsesTheLoadDefaults) {
    ChimeiCtl_DX c;
    c.setSpeed(900);
    c.setTsugiwaMode(2);
    c.ReadProperties(PropertyBag());
    EXPECT_EQ(c.BackColor(), 8421504u);
    EXPECT_EQ(c.ForeColor(), 48895u);
    EXPECT_EQ(c.Speed(), 5);
    EXPECT_EQ(c.TsugiwaMode(), 0);
    EXPECT_EQ(c.TsugiwaColor(), 7977471u);
    EXPECT_EQ(StripDots::pixelsIn(c.strip(), 0, 432, qRgb(128, 128, 128)), 432 * 56);

    c.setTsugiwaMode(2);
    c.SetChimei(QStringLiteral("駅"));
    EXPECT_GT(StripDots::pixelsIn(c.strip(), 108, 432, qRgb(255, 190, 0)), 0);
    EXPECT_GT(StripDots::pixelsIn(c.strip(), 0, 108, qRgb(255, 185, 121)), 0);
}

TEST(ChimeiProperties, SaveAndLoadRoundTripWithoutCorrections) {
    ChimeiCtl_DX a;
    a.setBackColor(0x123456);
    a.setForeColor(0x00FF00);
    a.setSpeed(2000);
    a.setScrollStartWait(3000);
    a.setMode(3);
    a.setAppearance(0);
    a.setFontMode(4);
    a.setFontBold(true);
    a.setTsugiwaMode(1);
    a.setTsugiwaColor(0xABCDEF);
    a.setTsugiwaFontMode(-1);
    a.setTsugiwaBold(true);
    PropertyBag bag;
    a.WriteProperties(bag);
    EXPECT_EQ(bag.keys(), (QStringList{"BackColor", "ForeColor", "Speed", "ScrollStartWait", "Mode",
                                       "Appearance", "FontMode", "FontBold", "TsugiwaMode",
                                       "TsugiwaColor", "TsugiwaFontMode", "TsugiwaBold"}));

    ChimeiCtl_DX b;
    b.ReadProperties(bag);
    EXPECT_EQ(b.BackColor(), 0x123456u);
    EXPECT_EQ(b.ForeColor(), 0x00FF00u);
    EXPECT_EQ(b.Speed(), 2000);
    EXPECT_EQ(b.ScrollStartWait(), 3000);
    EXPECT_EQ(b.Mode(), 3);
    EXPECT_EQ(b.Appearance(), 0);
    EXPECT_EQ(b.FontMode(), 4);
    EXPECT_TRUE(b.FontBold());
    EXPECT_EQ(b.TsugiwaMode(), 1);
    EXPECT_EQ(b.TsugiwaColor(), 0xABCDEFu);
    EXPECT_EQ(b.TsugiwaFontMode(), -1);
    EXPECT_TRUE(b.TsugiwaBold());

    // Values at their load defaults are not stored.
    ChimeiCtl_DX d;
    d.ReadProperties(PropertyBag());
    PropertyBag empty;
    d.WriteProperties(empty);
    EXPECT_TRUE(empty.keys().isEmpty());
}

TEST(ChimeiProperties, AStoreWithOddValuesLoadsWithoutFailing) {
    PropertyBag bag;
    bag.WriteProperty("Speed", 100000, 5);
    bag.WriteProperty("TsugiwaMode", 7, 0); // loading does not correct
    bag.WriteProperty("FontMode", QStringLiteral("x"), 0);
    bag.WriteProperty("BackColor", -2147483643LL, 8421504LL);
    ChimeiCtl_DX c;
    c.ReadProperties(bag);
    EXPECT_EQ(c.Speed(), 32767);
    EXPECT_EQ(c.TsugiwaMode(), 7);
    EXPECT_EQ(c.FontMode(), 0);
    EXPECT_EQ(c.BackColor(), 0x80000005u);
    c.SetChimei(QStringLiteral("駅"));
    EXPECT_GT(StripDots::pixelsIn(c.strip(), 0, 432, qRgb(255, 190, 0)), 0);
}

TEST(ChimeiProperties, AppearanceChangesTheBorderNotTheFrameSize) {
    ChimeiCtl_DX c;
    c.setBackColor(Colour::rgb(10, 20, 30));
    c.setAppearance(0);
    QImage flat = c.grab().toImage();
    EXPECT_EQ(flat.pixel(0, 10) & 0xFFFFFF, 0u);
    EXPECT_EQ(flat.pixel(1, 10) & 0xFFFFFF, qRgb(10, 20, 30) & 0xFFFFFF);
    c.setAppearance(1);
    QImage sunken = c.grab().toImage();
    EXPECT_NE(sunken.pixel(1, 10) & 0xFFFFFF, qRgb(10, 20, 30) & 0xFFFFFF);
    EXPECT_EQ(c.size(), QSize(432, 56));
}
