#include "platform/data/TDataPacket.h"
#include "platform/data/TDataSet.h"
#include "support/TestPrinters.h"

#include <gtest/gtest.h>

namespace {

TDataSet Bill()
{
    TDataSet ds;
    ds.AddField(QStringLiteral("f_csmc"), TFieldType::String, 40);
    ds.AddField(QStringLiteral("f_dnxh"), TFieldType::Integer);
    ds.AddField(QStringLiteral("f_zfje"), TFieldType::Float);
    ds.AddField(QStringLiteral("f_mj"), TFieldType::Boolean);
    ds.Append();
    ds.FieldByName(QStringLiteral("f_csmc")).SetValue(QStringLiteral("北京王府井百货（集团）"));
    ds.FieldByName(QStringLiteral("f_dnxh")).SetValue(7);
    ds.FieldByName(QStringLiteral("f_zfje")).SetValue(150.1);
    ds.FieldByName(QStringLiteral("f_mj")).SetValue(true);
    ds.Append(); // a row of nulls
    return ds;
}

} // namespace

TEST(TDataPacket, RoundTripKeepsStructureValuesAndNulls)
{
    const TDataSet original = Bill();
    auto copy = TDataSet::FromPacket(original.Data());
    ASSERT_TRUE(copy) << copy.Error().toStdString();
    ASSERT_EQ(copy->FieldCount(), 4);
    EXPECT_EQ(copy->FieldDef(0).Size, 40);
    EXPECT_EQ(copy->FieldDef(2).DataType, TFieldType::Float);
    ASSERT_EQ(copy->RecordCount(), 2);
    copy->First();
    EXPECT_EQ(copy->FieldByName(QStringLiteral("f_csmc")).AsString(), QStringLiteral("北京王府井百货（集团）"));
    EXPECT_EQ(copy->FieldByName(QStringLiteral("f_dnxh")).AsInteger(), 7);
    EXPECT_EQ(copy->FieldByName(QStringLiteral("f_zfje")).AsFloat(), 150.1);
    EXPECT_TRUE(copy->FieldByName(QStringLiteral("f_mj")).AsBoolean());
    copy->Next();
    EXPECT_TRUE(copy->FieldByName(QStringLiteral("f_csmc")).IsNull());
}

TEST(TDataPacket, EveryTruncationFailsCleanly)
{
    const QByteArray packet = Bill().Data();
    for (qsizetype size = 0; size < packet.size(); ++size) {
        auto decoded = TDataPacket::Decode(packet.left(size));
        EXPECT_FALSE(decoded) << "accepted a packet cut to " << size << " bytes";
        EXPECT_FALSE(decoded.Error().isEmpty());
    }
}

TEST(TDataPacket, GarbageAndCorruptCountsAreRefused)
{
    EXPECT_FALSE(TDataPacket::Decode(QByteArray("not a packet at all")));
    QByteArray packet = Bill().Data();
    packet[4] = 9; // version
    EXPECT_FALSE(TDataPacket::Decode(packet));

    QByteArray huge = Bill().Data();
    const qsizetype rowCountAt = huge.indexOf(QByteArray("f_mj")) + 4 + 1 + 4;
    huge[rowCountAt + 3] = char(0x7F); // an enormous row count
    auto decoded = TDataPacket::Decode(huge);
    EXPECT_FALSE(decoded);

    QByteArray trailing = Bill().Data() + QByteArray("x");
    EXPECT_FALSE(TDataPacket::Decode(trailing));
}

TEST(TDataPacket, FlippedBytesNeverCrash)
{
    const QByteArray packet = Bill().Data();
    for (qsizetype i = 0; i < packet.size(); ++i) {
        QByteArray damaged = packet;
        damaged[i] = char(damaged[i] ^ 0xFF);
        (void)TDataPacket::Decode(damaged);
    }
    SUCCEED();
}
