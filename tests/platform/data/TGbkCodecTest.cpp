#include "platform/data/TGbkCodec.h"
#include "support/TestPrinters.h"

#include <gtest/gtest.h>

TEST(TGbkCodec, CountsTwoBytesForChineseCharacters)
{
    EXPECT_EQ(TGbkCodec::ByteLength(QStringLiteral("abc")), 3);
    EXPECT_EQ(TGbkCodec::ByteLength(QStringLiteral("预收款单")), 8);
    EXPECT_EQ(TGbkCodec::Decode(TGbkCodec::Encode(QStringLiteral("收款单录入 OK"))), QStringLiteral("收款单录入 OK"));
}

TEST(TGbkCodec, CutsOnCharacterBoundaries)
{
    struct Case {
        const char *text;
        int width;
        const char *expected;
    } cases[] = {
        {"abcdef", 4, "abcd"},
        {"收款项目名称", 4, "收款"},
        {"收款项目名称", 5, "收款"},
        {"a收款", 2, "a"},
        {"a收款", 3, "a收"},
        {"短", 20, "短"},
        {"abc", 0, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TGbkCodec::CutToBytes(QString::fromUtf8(c.text), c.width), QString::fromUtf8(c.expected))
            << c.text << " cut to " << c.width;
}

TEST(TGbkCodec, UnencodableCharactersBecomeOneQuestionMark)
{
    EXPECT_EQ(TGbkCodec::Encode(QString::fromUtf8("a\U0001F600b")), QByteArray("a?b"));
}
