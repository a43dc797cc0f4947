// The ticket-number numbering styles as a table: what each label reads and which face
// label 1 takes, for every style, with and without the leading zero.
#include "app/SeiriNumText.h"
#include "platform/Fonts.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    qint16 style;
    qint16 pad;
    int label;
    const char16_t* caption; // nullptr: the label keeps what it had
};

// clang-format off
const Row Rows[] = {
    {0, 0, 1, u"１"},       {0, 0, 9, u"９"},       {0, 0, 24, u"２４"},
    {0, 1, 1, u"０１"},     {0, 1, 10, u"１０"},    {0, 1, 24, u"２４"},
    {1, 0, 1, u"０"},       {1, 0, 2, u"１"},       {1, 0, 24, u"２３"},
    {1, 1, 1, u"００"},     {1, 1, 2, u"０１"},     {1, 1, 24, u"２３"},
    {2, 0, 1, u"な し"},    {2, 0, 2, u"１"},       {2, 0, 24, u"２３"},
    {2, 1, 2, u"０１"},     {2, 1, 10, u"０９"},    {2, 1, 11, u"１０"},
    {2, 1, 24, u"２３"},    {3, 0, 1, u"な し"},    {3, 0, 2, u"２"},
    {3, 0, 24, u"２４"},    {3, 1, 2, u"０２"},     {4, 0, 1, u"無 券"},
    {4, 0, 2, u"１"},       {5, 0, 1, u"無 券"},    {5, 0, 2, u"２"},
    {6, 0, 1, u"券なし"},   {6, 0, 24, u"２３"},    {7, 0, 1, u"券なし"},
    {7, 0, 24, u"２４"},    {8, 0, 1, u"券無し"},   {8, 0, 2, u"１"},
    {9, 0, 1, u"券無し"},   {9, 0, 2, u"２"},       {10, 0, 1, u""},
    {10, 0, 2, u"１"},      {10, 0, 24, u"２３"},   {11, 0, 1, u""},
    {11, 0, 2, u"２"},      {11, 5, 9, u"０９"},    // any non-zero pad pads
    {12, 0, 1, u""},        {12, 0, 2, nullptr},    {12, 0, 24, nullptr},
    {-1, 0, 1, nullptr},    {-1, 0, 24, nullptr},   {32767, 1, 1, u""},
};
// clang-format on

} // namespace

TEST(SeiriNumText, EveryStyleGivesTheCaptionsOfItsTable) {
    for (const Row& r : Rows) {
        const SeiriNumText t = SeiriNumText::forStyle(r.style, r.pad);
        const auto& got = t.captions[size_t(r.label)];
        SCOPED_TRACE(testing::Message()
                     << "style " << r.style << " pad " << r.pad << " label " << r.label);
        if (!r.caption) {
            EXPECT_FALSE(got.has_value());
        } else {
            ASSERT_TRUE(got.has_value());
            EXPECT_EQ(*got, QString::fromUtf16(r.caption));
        }
    }
}

TEST(SeiriNumText, NumberStylesKeepLabelOneInTheDigitFaceAndHeadingsUseThePGothic) {
    for (qint16 style : {qint16(-5), qint16(0), qint16(1)})
        EXPECT_EQ(SeiriNumText::forStyle(style, 0).label1Face, Fonts::NumC2) << style;
    for (qint16 style = 2; style <= 13; ++style)
        EXPECT_EQ(SeiriNumText::forStyle(style, 0).label1Face, Fonts::PGothic) << style;
}

TEST(SeiriNumText, StylesWithinRangeWriteAllTwentyFourLabelsInSequence) {
    for (qint16 style = 0; style <= 11; ++style) {
        const SeiriNumText t = SeiriNumText::forStyle(style, 0);
        for (int i = 1; i <= 24; ++i)
            EXPECT_TRUE(t.captions[size_t(i)].has_value()) << style << "/" << i;
        EXPECT_FALSE(t.captions[0].has_value());
        // Labels 3 to 24 always count up by one from label 2.
        const int second = t.captions[2]->right(1).at(0).unicode() - 0xFF10;
        EXPECT_EQ(*t.captions[24], SeiriNumText::number(second + 22, false)) << style;
    }
}

TEST(SeiriNumText, ErrorBoxTextHasItsBlocksSeparatedByEmptyLines) {
    EXPECT_EQ(SeiriNumText::errorText(9, QStringLiteral("インデックスが有効範囲にありません。")),
              QStringLiteral(
                  "エラーです！\r\n\r\nコード：9\r\n\r\n内容：インデックスが有効範囲にありません。"
                  "\r\n\r\nモジュール：IniIO-SeirikenNumSet( )"));
}
