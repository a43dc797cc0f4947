#include "controls/digit/DegitText.h"

#include <gtest/gtest.h>

using DegitText::displayText;
using DegitText::Rules;

namespace {

struct Case {
    const char* what;
    QVariant value;
    Rules rules; // zeroMode, fillZero, shift, keta
    QString expected;
};

QString describe(const Case& c) {
    return QStringLiteral("%1 (value %2 %3)")
        .arg(c.what, c.value.typeName() ? c.value.typeName() : "nothing", c.value.toString());
}

} // namespace

TEST(DegitText, ZeroValuesFollowTheZeroMode) {
    const Case cases[] = {
        {"mode 0 blanks 0", 0, {0, 0, 0, 4}, ""},
        {"mode 0 blanks the text 0", QString("0"), {0, 0, 0, 4}, ""},
        {"mode 0 keeps -1", -1, {0, 0, 0, 4}, "-1"},
        {"mode 0 blanks nothing", QVariant(), {0, 0, 0, 4}, ""},
        {"mode 1 lights 0", 0, {1, 0, 0, 4}, "0"},
        {"mode 1 lights 0 for the empty text", QString(), {1, 0, 0, 4}, "0"},
        {"mode 1 keeps -1", -1, {1, 0, 0, 4}, "-1"},
        {"mode 2 shows -1 as 0", -1, {2, 0, 0, 4}, "0"},
        {"mode 2 blanks 0", 0, {2, 0, 0, 4}, ""},
        {"mode 2 blanks 0.0", 0.0, {2, 0, 0, 4}, ""},
        {"mode 2 keeps 210", 210, {2, 0, 0, 4}, "210"},
        {"mode 2 keeps the empty text empty", QString(), {2, 0, 0, 4}, ""},
        {"mode 3 shows -1 as 0", -1, {3, 0, 0, 4}, "0"},
        {"mode 3 shows the text -1 as 0", QString(" -1 "), {3, 0, 0, 4}, "0"},
        {"mode 3 lights 0", 0, {3, 0, 0, 4}, "0"},
        {"mode 3 lights 0 for the empty text", QString(), {3, 0, 0, 4}, "0"},
        {"a space is a text, not a zero", QString(" "), {3, 0, 0, 4}, " "},
        {"a mode out of range substitutes nothing", 0, {-2, 0, 0, 4}, "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(displayText(c.value, c.rules), c.expected) << describe(c).toStdString();
}

TEST(DegitText, FillShiftAndCut) {
    const Case cases[] = {
        {"fill pads with zeros", 5, {0, 3, 0, 4}, "005"},
        {"fill keeps the minus sign in front", -5, {0, 3, 0, 4}, "-005"},
        {"fill keeps every digit of a longer number", 12345, {0, 3, 0, 9}, "12345"},
        {"fill rounds a fraction half away from zero", 2.5, {0, 3, 0, 4}, "003"},
        {"fill rounds negative fractions the same way", -2.5, {0, 2, 0, 4}, "-03"},
        {"fill reads a numeric text", QString("7"), {0, 2, 0, 4}, "07"},
        {"fill leaves letters alone", QString("abc"), {0, 3, 0, 4}, "abc"},
        {"a negative fill count pads nothing", 5, {0, -3, 0, 4}, "5"},
        {"fill after mode 1 pads the lit 0", 0, {1, 3, 0, 4}, "000"},
        {"fill leaves a blanked 0 blank", 0, {0, 3, 0, 4}, ""},
        {"shift adds blanks at the right", 230, {0, 0, 1, 4}, "230 "},
        {"shift on a blank value keeps only blanks", 0, {0, 0, 2, 4}, "  "},
        {"a long number keeps its right digits", 123456, {0, 0, 0, 4}, "3456"},
        {"a shifted long number is cut too", 123456, {0, 0, 1, 4}, "456 "},
        {"a route text keeps its leading zeros", QString("012"), {0, 0, 0, 4}, "012"},
        {"a fraction keeps its point", 1.5, {0, 0, 0, 4}, "1.5"},
        {"a wide number is cut", 1e20, {0, 0, 0, 4}, "E+20"},
        {"no cells show nothing", 42, {0, 0, 0, 0}, ""},
        {"a negative cell count shows nothing", 42, {0, 0, 3, -4}, ""},
        {"a huge shift is cut to the cells", 7, {0, 0, 32767, 3}, "   "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(displayText(c.value, c.rules), c.expected) << describe(c).toStdString();
}

TEST(DegitText, NumericReadingOfTexts) {
    double n = -99;
    EXPECT_TRUE(DegitText::numericValue(QString(" 42 "), &n));
    EXPECT_EQ(n, 42);
    EXPECT_FALSE(DegitText::numericValue(QString(), &n));
    EXPECT_FALSE(DegitText::numericValue(QString("12a"), &n));
    EXPECT_FALSE(DegitText::numericValue(QString("inf"), &n));
    EXPECT_FALSE(DegitText::numericValue(QString("nan"), &n));
    EXPECT_EQ(displayText(QString("nan"), {0, 3, 0, 4}), "nan");
}
