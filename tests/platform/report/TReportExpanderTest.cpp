#include "platform/report/TReportExpander.h"

#include "platform/data/TDataSet.h"
#include "support/TestPrinters.h"

#include <gtest/gtest.h>

class TReportExpanderTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_data.AddField(QStringLiteral("f_Sfxmmc"), TFieldType::String, 20);
        m_data.AddField(QStringLiteral("f_Skje"), TFieldType::Float).DisplayFormat = QStringLiteral("####0.00");
        for (const auto &[name, amount] : {std::pair{"定金", 100.1}, std::pair{"尾款", 49.9}}) {
            m_data.Append();
            m_data.FieldByName(QStringLiteral("f_Sfxmmc")).SetValue(QString::fromUtf8(name));
            m_data.FieldByName(QStringLiteral("f_Skje")).SetValue(amount);
            m_data.Post();
        }
        m_data.First();
        m_scope.SetDataSet(QStringLiteral("Cdsprint"), &m_data);
        m_scope.SetVariable(QStringLiteral("Billdjh"), QStringLiteral("0000000012"));
        m_scope.SetVariable(QStringLiteral("rate"), 2.5);
        m_scope.Page = 2;
        m_scope.TotalPages = 5;
    }

    QString Expand(const char *text, const char *format = "")
    {
        return TReportExpander(m_scope).Expand(QString::fromUtf8(text), QString::fromUtf8(format));
    }

    TDataSet m_data;
    TReportScope m_scope;
};

TEST_F(TReportExpanderTest, VariablesFieldsAndPageNumbersAreFoundWithoutRegardToCase)
{
    EXPECT_EQ(Expand("单据号：[billDJH]"), QStringLiteral("单据号：0000000012"));
    EXPECT_EQ(Expand("[Cdsprint.\"f_Sfxmmc\"]|[CDSPRINT.\"F_SFXMMC\"]|[cdsprint.f_sfxmmc]"), QStringLiteral("定金|定金|定金"));
    EXPECT_EQ(Expand("第[Page#]页/共[TotalPages#]页"), QStringLiteral("第2页/共5页"));
    m_data.Next();
    EXPECT_EQ(Expand("[Cdsprint.\"f_Sfxmmc\"]"), QStringLiteral("尾款"));
}

TEST_F(TReportExpanderTest, NumbersTakeTheObjectFormatElseTheFieldFormat)
{
    EXPECT_EQ(Expand("[Cdsprint.\"f_Skje\"]"), QStringLiteral("100.10"));
    EXPECT_EQ(Expand("[Cdsprint.\"f_Skje\"]", "0.0"), QStringLiteral("100.1"));
    EXPECT_EQ(Expand("[rate]"), QStringLiteral("2.5"));
    EXPECT_EQ(Expand("[rate]", "####0.00"), QStringLiteral("2.50"));
}

TEST_F(TReportExpanderTest, SumCoversAllRowsWhereverTheCursorIs)
{
    m_data.Last();
    EXPECT_EQ(Expand("合计 [SUM([Cdsprint.\"f_Skje\"])]"), QStringLiteral("合计 150.00"));
    EXPECT_EQ(Expand("[sum(Cdsprint.f_skje)]", "0"), QStringLiteral("150"));
}

TEST_F(TReportExpanderTest, UnknownNamesAreEmptyAndAnOpenBracketStays)
{
    EXPECT_EQ(Expand("a[nothing]b[Other.\"f\"]c[Cdsprint.\"f_none\"]d"), QStringLiteral("abcd"));
    EXPECT_EQ(Expand("[Billdjh] [not closed"), QStringLiteral("0000000012 [not closed"));
    m_data.EmptyDataSet();
    EXPECT_EQ(Expand("<[Cdsprint.\"f_Skje\"]>"), QStringLiteral("<>"));
}
