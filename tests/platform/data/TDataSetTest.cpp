#include "platform/data/EPlatformError.h"
#include "platform/data/TDataSet.h"
#include "support/TestPrinters.h"

#include <gtest/gtest.h>

namespace {

TDataSet BillLines()
{
    TDataSet ds;
    ds.AddField(QStringLiteral("f_djh"), TFieldType::String, 15);
    ds.AddField(QStringLiteral("f_dnxh"), TFieldType::Integer);
    ds.AddField(QStringLiteral("f_zdrmc"), TFieldType::String, 12);
    ds.AddField(QStringLiteral("f_zfje"), TFieldType::Float).DisplayFormat = QStringLiteral("####0.00");
    for (int i = 0; i < 3; ++i) {
        ds.Append();
        ds.FieldByName(QStringLiteral("f_djh")).SetValue(QStringLiteral("000000000%1").arg(i + 1));
        ds.FieldByName(QStringLiteral("f_dnxh")).SetValue(i);
        ds.FieldByName(QStringLiteral("F_ZDRMC")).SetValue(QStringLiteral("王小明"));
        ds.FieldByName(QStringLiteral("f_zfje")).SetValue(100.5 * (i + 1));
        ds.Post();
    }
    return ds;
}

} // namespace

TEST(TDataSet, FieldsAreFoundWithoutRegardToCase)
{
    TDataSet ds = BillLines();
    EXPECT_EQ(ds.IndexOfField(QStringLiteral("F_DJH")), 0);
    EXPECT_FALSE(ds.FindField(QStringLiteral("missing")).has_value());
    EXPECT_THROW(ds.FieldByName(QStringLiteral("missing")), EDatabaseError);
}

TEST(TDataSet, CursorWalksRowsAndLocateIgnoresCase)
{
    TDataSet ds = BillLines();
    QStringList seen;
    for (ds.First(); !ds.Eof(); ds.Next())
        seen << ds.FieldByName(QStringLiteral("f_djh")).AsString();
    EXPECT_EQ(seen, QStringList({"0000000001", "0000000002", "0000000003"}));

    ds.FieldByName(QStringLiteral("f_zdrmc")).SetValue(QStringLiteral("Zhang"));
    ds.First();
    ASSERT_TRUE(ds.Locate(QStringLiteral("f_zdrmc"), QStringLiteral("ZHANG")));
    EXPECT_EQ(ds.RecNo(), 3);
    EXPECT_TRUE(ds.Locate(QStringLiteral("f_dnxh"), 1));
    EXPECT_EQ(ds.RecNo(), 2);
    EXPECT_FALSE(ds.Locate(QStringLiteral("f_djh"), QStringLiteral("9")));
}

TEST(TDataSet, ValuesConvertToTheFieldType)
{
    TDataSet ds = BillLines();
    ds.First();
    EXPECT_EQ(ds.FieldByName(QStringLiteral("f_zfje")).DisplayText(), QStringLiteral("100.50"));
    ds.FieldByName(QStringLiteral("f_dnxh")).SetValue(QStringLiteral(" 42"));
    EXPECT_EQ(ds.FieldByName(QStringLiteral("f_dnxh")).AsInteger(), 42);
    EXPECT_THROW(ds.FieldByName(QStringLiteral("f_dnxh")).SetValue(QStringLiteral("4x")), EConvertError);
    EXPECT_THROW(ds.FieldByName(QStringLiteral("f_zdrmc")).AsFloat(), EConvertError);
    ds.FieldByName(QStringLiteral("f_zfje")).Clear();
    EXPECT_TRUE(ds.FieldByName(QStringLiteral("f_zfje")).IsNull());
    EXPECT_EQ(ds.FieldByName(QStringLiteral("f_zfje")).AsFloat(), 0.0);
}

TEST(TDataSet, TextIsCutToTheFieldWidthOnWholeCharacters)
{
    TDataSet ds = BillLines();
    ds.First();
    // Eight Chinese characters are 16 GBK bytes; a 12-byte field keeps six.
    ds.FieldByName(QStringLiteral("f_zdrmc")).SetValue(QStringLiteral("上海华联超市有限公司"));
    EXPECT_EQ(ds.FieldByName(QStringLiteral("f_zdrmc")).AsString(), QStringLiteral("上海华联超市"));
    // An odd width never keeps half a character.
    ds.FieldByName(QStringLiteral("f_zdrmc")).SetValue(QStringLiteral("a上海华联超市有限"));
    EXPECT_EQ(ds.FieldByName(QStringLiteral("f_zdrmc")).AsString(), QStringLiteral("a上海华联超"));
}

TEST(TDataSet, ChangeLogCountsUntilMerged)
{
    TDataSet ds = BillLines();
    EXPECT_GT(ds.ChangeCount(), 0);
    ds.MergeChangeLog();
    EXPECT_EQ(ds.ChangeCount(), 0);
}

TEST(TDataSet, IndexFieldNamesSortsStably)
{
    TDataSet ds = BillLines();
    ds.SetValue(0, 1, 5);
    ds.SetIndexFieldNames(QStringLiteral("f_dnxh"));
    QStringList order;
    for (ds.First(); !ds.Eof(); ds.Next())
        order << ds.FieldByName(QStringLiteral("f_djh")).AsString().right(1);
    EXPECT_EQ(order, QStringList({"2", "3", "1"}));
}
