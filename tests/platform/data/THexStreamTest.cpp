#include "platform/data/THexStream.h"

#include "support/TestPrinters.h"

#include <gtest/gtest.h>

struct THexCase {
    const char *Text;
    const char *Bytes;
};

class THexStreamDecode : public testing::TestWithParam<THexCase> {};

TEST_P(THexStreamDecode, StopsAtTheEndMarkOrTheFirstPairThatIsNotHex)
{
    EXPECT_EQ(THexStream::Decode(QString::fromUtf8(GetParam().Text)), QByteArray(GetParam().Bytes));
}

INSTANTIATE_TEST_SUITE_P(Cases, THexStreamDecode,
                         testing::Values(THexCase{"414243#", "ABC"},        // end mark
                                         THexCase{"4142#3", "AB"},          // nothing read after the mark
                                         THexCase{"#4142", ""},             // mark first
                                         THexCase{"41G243#", "A"},          // "G2" is not hex
                                         THexCase{"414#43", "A"},           // "4#": a pair not beginning with "#"
                                         THexCase{"6a6B#", "jk"},           // either letter case
                                         THexCase{"41424", "AB"},           // lone last digit, no mark
                                         THexCase{"", ""}));

TEST(THexStream, EncodeWritesTwoDigitsAByteAndTheEndMark)
{
    const QByteArray bytes("\x00\x7f\x80\xff HalvernReport", 18);
    EXPECT_EQ(THexStream::Encode(QByteArray("\x01\xab", 2)), QStringLiteral("01AB#"));
    EXPECT_EQ(THexStream::Decode(THexStream::Encode(bytes)), bytes);
}
