#include "platform/data/EPlatformError.h"
#include "platform/data/NumberText.h"
#include "support/TestPrinters.h"

#include <gtest/gtest.h>

TEST(NumberText, FormatFloatFollowsTheFormat)
{
    struct Case {
        const char *format;
        double value;
        const char *expected;
    } cases[] = {
        {"####0.00", 12.5, "12.50"},      {"####0.00", 0, "0.00"},        {"####0.00", -3.456, "-3.46"},
        {"0.00", 2.675, "2.68"},          {"0.", 7.4, "7."},              {"#,##0.00", 1234567.891, "1,234,567.89"},
        {"####0.00", 100.1 + 49.9, "150.00"}, {"0.00", -0.001, "0.00"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FormatFloat(QString::fromLatin1(c.format), c.value), QString::fromLatin1(c.expected))
            << c.format << " " << c.value;
}

TEST(NumberText, ConversionsRaiseOnText)
{
    EXPECT_EQ(StrToInt64(QStringLiteral("123")), 123);
    EXPECT_THROW(StrToInt64(QStringLiteral("12a")), EConvertError);
    EXPECT_THROW(StrToFloat(QString()), EConvertError);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("12.53")), 12.53);
}

TEST(NumberText, SameAmountComparesCents)
{
    EXPECT_TRUE(SameAmount(100.10 + 49.90, 150.00));
    EXPECT_FALSE(SameAmount(150.01, 150.00));
}
