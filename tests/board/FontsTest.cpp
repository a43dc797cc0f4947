// The layouts' face names: the font a face gets, and the face name a widget keeps.
#include "platform/Fonts.h"

#include <gtest/gtest.h>

#include <QLabel>

// The font names the installed family alone, so text in it takes no fallback families of its
// own; the face name as written stays readable from the widget, and a later face replaces it.
TEST(Fonts, AFaceGetsItsInstalledFamilyAloneAndTheWidgetKeepsTheFaceName) {
    const QFont bold = Fonts::font(Fonts::PGothic, 15.75, true);
    EXPECT_EQ(bold.families(), QStringList{QStringLiteral("IPAPGothic")});
    EXPECT_EQ(bold.pointSizeF(), 15.75);
    EXPECT_TRUE(bold.bold());

    QLabel label;
    EXPECT_EQ(Fonts::faceName(label), label.font().family());
    Fonts::apply(label, Fonts::NumC2, 12);
    EXPECT_EQ(Fonts::faceName(label), Fonts::NumC2);
    EXPECT_EQ(label.font().families(), QStringList{Fonts::substitute(Fonts::NumC2)});
    EXPECT_EQ(label.font().pointSizeF(), 12.0);
    Fonts::apply(label, Fonts::Gothic, 9, true);
    EXPECT_EQ(Fonts::faceName(label), Fonts::Gothic);
    EXPECT_EQ(label.font().family(), QStringLiteral("IPAGothic"));
    EXPECT_TRUE(label.font().bold());
}
