#include "platform/displayformat.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* format;
    const char* value;
    const char* shown;
};

TEST(DisplayFormat, FormatsOfTheLists)
{
    const Case cases[] = {
        {"￥,0.00;-￥,0.00", "1234.5", "￥1,234.50"},
        {"￥,0.00;-￥,0.00", "-1234.5", "-￥1,234.50"},
        {"￥,0.00;-￥,0.00", "0", "￥0.00"},
        {"￥,0.00;￥-,0.00", "-1234567.125", "￥-1,234,567.13"},
        {"￥,0.00;￥-,0.00", "12", "￥12.00"},
        {",0.00;-,0.00", "999.999", "1,000.00"},
        {",0.00;-,0.00", "-0.005", "-0.01"},
        {",0.00;-,0.00", "-0.004", "0.00"},  // rounds to zero: no sign
        {"0.00;-0.00", "2.675", "2.68"},     // decimal rounding, half away from zero
        {"0.00;-0.00", "-2.675", "-2.68"},
        {"0.00%", "5", "5.00%"},              // "%" is text: the stored rate is already a percentage
        {"0.00%", "-12.5", "-12.50%"},
        {"#.##", "12.5", "12.5"},
        {"#.##", "3", "3"},
        {"#.##", "0.5", ".5"},
        {"#.##", "0", ""},
        {"#.##", "-3.456", "-3.46"},
        {"0;-0", "2.5", "3"},
        {"0;-0", "-2.5", "-3"},
        {"0;-0", "-0.4", "0"},
        {"0;-0", "1234567", "1234567"},
        {"#,##0.00;(#,##0.00);零", "-1234", "(1,234.00)"},
        {"#,##0.00;(#,##0.00);零", "0.001", "零"},
        {"\"数量:\"0", "7", "数量:7"},
        {"0.00", "1e-5", "0.00"},
        {"0.00", "", ""},               // NULL stays empty
        {"0.00", "abc", "abc"},         // not a number: as it stands
        {"", "12.50", "12.50"},         // no format
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatNumber(QString::fromUtf8(c.format), QString::fromUtf8(c.value)), QString::fromUtf8(c.shown))
            << c.format << " " << c.value;
}

TEST(DisplayFormat, DoublesGoThroughTheirShortestText)
{
    EXPECT_EQ(formatNumber(QStringLiteral("0.00"), 0.1 + 0.2), QStringLiteral("0.30"));
    EXPECT_EQ(formatNumber(QStringLiteral("￥,0.00;-￥,0.00"), -1e7), QStringLiteral("-￥10,000,000.00"));
}

TEST(DisplayFormat, PlainNumbers)
{
    for (const char* yes : {"12.5", "-3", "0", "0.25"})
        EXPECT_TRUE(isPlainNumber(QString::fromLatin1(yes))) << yes;
    for (const char* no : {"007", "1e5", "12.", "", "13812345678a", "+1"})
        EXPECT_FALSE(isPlainNumber(QString::fromLatin1(no))) << no;
}

}  // namespace
