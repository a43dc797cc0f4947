#include "controls/digit/M_Degit.h"
#include "platform/core/PropertyBag.h"
#include "platform/core/Twips.h"
#include "tests/digit/DigitProbe.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>

using SegmentFont::Segment;

namespace {

constexpr OleColor Lit = Colour::rgb(248, 210, 114);
constexpr OleColor Unlit = Colour::rgb(150, 150, 150);
constexpr OleColor Back = Colour::rgb(128, 128, 128);

// A digit as a host sets it up: defaults, then its cells and size.
struct Digit {
    M_Degit d;
    explicit Digit(qint16 keta = 4, qint16 size = 2, qint16 style = 1) {
        d.InitProperties();
        d.setKeta(keta);
        d.setDegitSize(size);
        d.setDegitStyle(style);
    }
    QString show(const QVariant& value) {
        d.setValue(value);
        return DigitProbe::read(d);
    }
};

} // namespace

TEST(M_Degit, ShowsValuesRightAlignedOverTheUnlitPattern) {
    struct Case {
        const char* what;
        qint16 zeroMode, fillZero, shift;
        QVariant value;
        const char* cells;
    };
    const Case cases[] = {
        {"mode 0, 0", 0, 0, 0, 0, "    "},
        {"mode 0, -1", 0, 0, 0, -1, "  -1"},
        {"mode 0, empty", 0, 0, 0, QString(), "    "},
        {"mode 1, 0", 1, 0, 0, 0, "   0"},
        {"mode 1, -1", 1, 0, 0, -1, "  -1"},
        {"mode 1, empty", 1, 0, 0, QString(), "   0"},
        {"mode 2, 0", 2, 0, 0, 0, "    "},
        {"mode 2, -1", 2, 0, 0, -1, "   0"},
        {"mode 2, empty", 2, 0, 0, QString(), "    "},
        {"mode 2, 210", 2, 0, 0, 210, " 210"},
        {"mode 3, 0", 3, 0, 0, 0, "   0"},
        {"mode 3, -1", 3, 0, 0, -1, "   0"},
        {"mode 3, empty", 3, 0, 0, QString(), "   0"},
        {"fill 3 with 5", 0, 3, 0, 5, " 005"},
        {"shift 1 with 230", 0, 0, 1, 230, "230 "},
        {"123456 cut to the right digits", 0, 0, 0, 123456, "3456"},
        {"minus five", 0, 0, 0, -5, "  -5"},
        {"every digit", 0, 0, 0, QString("0123456789"), "6789"},
        {"every digit, first half", 0, 0, 0, 2345, "2345"},
        {"a text with a space between", 0, 0, 0, QString("1 2"), " 1 2"},
    };
    for (const Case& c : cases) {
        Digit g;
        g.d.setZeroMode(c.zeroMode);
        g.d.setFillZero(c.fillZero);
        g.d.setShift(c.shift);
        EXPECT_EQ(g.show(c.value), c.cells) << c.what;
    }
}

TEST(M_Degit, EveryFaceAndSizeLightsAndDimsTheSameCells) {
    for (qint16 style : {0, 1, 2}) {
        for (qint16 size : {0, 1, 2, 3}) {
            Digit g(4, size, style);
            EXPECT_EQ(g.show(8018), "8018") << "style " << style << " size " << size;
            EXPECT_EQ(g.show(QString()), "    ") << "style " << style << " size " << size;
            EXPECT_EQ(g.d.backBuffer().size(), QSize(4 * SegmentFont::cellPixels(size).width(),
                                                     SegmentFont::cellPixels(size).height()));
        }
    }
}

TEST(M_Degit, LettersPointAndUnknownCharacters) {
    Digit g;
    g.d.setFillZero(3);
    EXPECT_EQ(g.show(QString("abc")), " ???"); // letters glow in their own shapes, unfilled
    EXPECT_EQ(g.d.shownText(), "abc");
    EXPECT_EQ(DigitProbe::lamp(g.d, 3, SegmentFont::SegA), DigitProbe::Lamp::Unlit); // c: deg
    EXPECT_EQ(DigitProbe::lamp(g.d, 3, SegmentFont::SegG), DigitProbe::Lamp::Lit);
    // Characters without a segment form leave their cell dim but keep their place.
    EXPECT_EQ(g.show(QString("1駅2")), " 1 2");
    g.d.setFillZero(0);
    EXPECT_EQ(g.show(1.5), " 1 5");
    EXPECT_EQ(DigitProbe::lamp(g.d, 2, SegmentFont::SegP), DigitProbe::Lamp::Lit);
}

TEST(M_Degit, ResetLampTestAndBlankKeepTheZeroSettings) {
    Digit g;
    g.d.setZeroMode(3);
    g.d.setShift(1);
    g.d.setFillZero(2);
    g.d.ResetDegit(-1);
    EXPECT_EQ(DigitProbe::read(g.d), "8888");
    EXPECT_EQ(g.d.Value().toString(), "8888");
    EXPECT_EQ(g.d.shownText(), "8888");
    EXPECT_EQ(g.d.accessibleDescription(), "8888");
    EXPECT_EQ(g.d.ZeroMode(), 3);
    EXPECT_EQ(g.d.Shift(), 1);
    EXPECT_EQ(g.d.FillZero(), 2);

    g.d.ResetDegit(0);
    EXPECT_EQ(DigitProbe::read(g.d), "    "); // even though zero mode 3 would light a 0
    EXPECT_EQ(g.d.accessibleDescription(), "");
    EXPECT_EQ(g.show(7), " 07 "); // the kept settings apply to the next value
}

TEST(M_Degit, WritesAreCorrectedNeverRefused) {
    Digit g(4, 0, 0);
    g.d.setKeta(0);
    EXPECT_EQ(g.d.Keta(), 4);
    g.d.setKeta(16);
    EXPECT_EQ(g.d.Keta(), 4);
    g.d.setDegitSize(7);
    EXPECT_EQ(g.d.DegitSize(), 0);
    g.d.setFillZero(9);
    EXPECT_EQ(g.d.FillZero(), 4);
    g.d.setFillZero(-2);
    EXPECT_EQ(g.d.FillZero(), -2);
    g.d.setShift(10);
    EXPECT_EQ(g.d.Shift(), 3);
    g.d.setShift(-1);
    EXPECT_EQ(g.d.Shift(), 0);
    g.d.setZeroMode(4);
    EXPECT_EQ(g.d.ZeroMode(), 0);
    g.d.setZeroMode(3);
    EXPECT_EQ(g.d.ZeroMode(), 3);
    g.d.setZeroMode(-5);
    EXPECT_EQ(g.d.ZeroMode(), -5);

    g.d.setDegitSize(1);
    EXPECT_EQ(g.d.size(), Twips::toPixels(QSize(1020, 390)));
    g.d.setKeta(2);
    EXPECT_EQ(g.d.size(), Twips::toPixels(QSize(510, 390)));
}

TEST(M_Degit, AHostSizedSurfaceKeepsTheTextFlushRight) {
    // Loading neither resizes nor redraws, so the host's own geometry decides the surface:
    // here one cell wider than the four unlit cells drawn from the left.
    PropertyBag bag;
    bag.WriteProperty("DegitSize", 2, 0);
    M_Degit d;
    d.ReadProperties(bag);
    const QSize cell = SegmentFont::cellPixels(2);
    d.resize(cell.width() * 5, cell.height());
    d.setValue(12);
    using DigitProbe::Lamp;
    EXPECT_EQ(DigitProbe::lamp(d, 3, SegmentFont::SegB), Lamp::Lit); // the 1
    EXPECT_EQ(DigitProbe::lamp(d, 3, SegmentFont::SegA), Lamp::Unlit);
    EXPECT_EQ(DigitProbe::lamp(d, 4, SegmentFont::SegA), Lamp::Lit);        // the 2
    EXPECT_EQ(DigitProbe::lamp(d, 4, SegmentFont::SegC), Lamp::Background); // no unlit cell
}

TEST(M_Degit, ZeroSettingsWaitForTheNextValue) {
    Digit g;
    g.d.setValue(5);
    const QImage before = g.d.backBuffer();
    g.d.setFillZero(3);
    g.d.setShift(1);
    g.d.setZeroMode(1);
    EXPECT_EQ(g.d.backBuffer(), before);
    EXPECT_EQ(g.show(g.d.Value()), "005 ");
}

TEST(M_Degit, ColoursAndBackgroundRedraw) {
    Digit g;
    g.d.setValue(1);
    g.d.setDegitForeColor(Colour::rgb(255, 0, 0));
    g.d.setBaseForeColor(Colour::rgb(0, 0, 255));
    g.d.setBackColor(Colour::rgb(0, 0, 0));
    EXPECT_EQ(g.d.backBuffer().pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(DigitProbe::lamp(g.d, 3, SegmentFont::SegB), DigitProbe::Lamp::Lit);
    EXPECT_EQ(DigitProbe::lamp(g.d, 3, SegmentFont::SegA), DigitProbe::Lamp::Unlit);
    EXPECT_EQ(DigitProbe::read(g.d), "   1");
}

TEST(M_Degit, CreationShowsOnlyTheBackground) {
    M_Degit d;
    const QImage& img = d.backBuffer();
    ASSERT_FALSE(img.isNull());
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ASSERT_EQ(img.pixel(x, y), qRgb(128, 128, 128)) << x << "," << y;
    d.setObjectName("Degit(5)");
    EXPECT_EQ(d.accessibleName(), "Degit(5)");
}

TEST(M_Degit, PropertiesSurviveTheStoreAsTheyAre) {
    Digit a(4, 2, 1);
    a.d.setBaseForeColor(Unlit + 1);
    a.d.setDegitForeColor(Lit + 1);
    a.d.setFillZero(2);
    a.d.setZeroMode(3);
    a.d.setShift(1);
    a.d.setValue(QString("012"));
    a.d.setUserSet(false);
    a.d.setBackColor(Back + 1);
    PropertyBag bag;
    a.d.WriteProperties(bag);
    EXPECT_EQ(bag.keys(),
              QStringList({"BaseForeColor", "DegitForeColor", "FillZero", "ZeroMode", "Shift",
                           "DegitSize", "DegitStyle", "Value", "UserSet", "BackColor"}));

    M_Degit b;
    b.ReadProperties(bag);
    EXPECT_EQ(b.BaseForeColor(), Unlit + 1);
    EXPECT_EQ(b.DegitForeColor(), Lit + 1);
    EXPECT_EQ(b.FillZero(), 2);
    EXPECT_EQ(b.ZeroMode(), 3);
    EXPECT_EQ(b.Shift(), 1);
    EXPECT_EQ(b.Keta(), 4);
    EXPECT_EQ(b.DegitSize(), 2);
    EXPECT_EQ(b.DegitStyle(), 1);
    EXPECT_EQ(b.Value(), QVariant(QString("012")));
    EXPECT_FALSE(b.UserSet());
    EXPECT_EQ(b.BackColor(), Back + 1);

    // Loading takes stored values without the setters' corrections, saturating at 16 bits,
    // and a control loaded with nonsense still draws without failing.
    PropertyBag odd;
    odd.WriteProperty("Keta", -3, 4);
    odd.WriteProperty("Shift", 40000, 0);
    odd.WriteProperty("ZeroMode", 9, 0);
    M_Degit c;
    c.ReadProperties(odd);
    EXPECT_EQ(c.Keta(), -3);
    EXPECT_EQ(c.Shift(), 32767);
    EXPECT_EQ(c.ZeroMode(), 9);
    c.setValue(1234);
    EXPECT_EQ(c.shownText(), "");
    c.setDegitStyle(0);
    c.ReadProperties(PropertyBag());
    EXPECT_EQ(c.Keta(), 4);
    EXPECT_EQ(c.Value(), QVariant(0));
    EXPECT_TRUE(c.UserSet());
}

TEST(M_Degit, DoubleClickIsReported) {
    M_Degit d;
    int clicks = 0;
    QObject::connect(&d, &M_Degit::DblClick, [&] { ++clicks; });
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&d, &dbl);
    EXPECT_EQ(clicks, 1);
}
