#include "platform/report/TReportLayout.h"

#include "platform/data/TDataSet.h"
#include "platform/report/TReportTemplateFormat.h"
#include "ReportTestSupport.h"
#include "support/TestPrinters.h"

#include <gtest/gtest.h>

namespace {

TReportTemplate Parse(const char *records)
{
    const Result<TReportTemplate> loaded = TReportTemplateFormat::Load(QByteArray("HalvernReport 1\n") + records);
    EXPECT_TRUE(loaded) << loaded.Error().toStdString();
    return loaded ? *loaded : TReportTemplate();
}

QStringList Texts(const TPreparedPage &page)
{
    QStringList texts;
    for (const TReportObject &o : page.Objects)
        if (o.Kind == TReportObjectKind::Text)
            texts << o.Text;
    return texts;
}

// A5 landscape leaves 128 mm between the margins: title 20, header 10, footer 8, 5-mm rows.
const char *ListReport = R"(
Page Paper=A5 Orientation=Landscape Margins=10,10,10,10
Band Kind=ReportTitle Height=20
  Text Rect=0,0,100,20 Text="TITLE"
Band Kind=PageHeader Height=10
  Text Rect=0,0,100,10 Text="HEADER [Billdjh]"
Band Kind=MasterData Height=5 DataSet=lines
  Text Rect=0,0,50,5 Text="[lines.\"name\"]"
Band Kind=Summary Height=5
  Text Rect=0,0,50,5 Text="SUM [SUM([lines.\"n\"])]"
Band Kind=PageFooter Height=8
  Text Rect=0,0,100,8 Text="[Page#]/[TotalPages#]"
)";

class TReportLayoutTest : public testing::Test {
protected:
    void SetUp() override
    {
        ReportTest::UseCjkFonts();
        m_lines.AddField(QStringLiteral("name"), TFieldType::String, 200);
        m_lines.AddField(QStringLiteral("n"), TFieldType::Integer);
        m_scope.SetDataSet(QStringLiteral("lines"), &m_lines);
        m_scope.SetVariable(QStringLiteral("Billdjh"), QStringLiteral("0000000001"));
    }
    void AddLines(int count)
    {
        for (int i = 1; i <= count; ++i) {
            m_lines.Append();
            m_lines.FieldByName(QStringLiteral("name")).SetValue(QStringLiteral("line %1").arg(i));
            m_lines.FieldByName(QStringLiteral("n")).SetValue(i);
            m_lines.Post();
        }
    }

    TDataSet m_lines;
    TReportScope m_scope;
};

} // namespace

TEST_F(TReportLayoutTest, ThousandRowsBreakIntoPagesWithTheHeaderAndPageNumbersOnEach)
{
    AddLines(1000);
    const Result<TPreparedReport> prepared = TReportLayout::Build(Parse(ListReport), m_scope);
    ASSERT_TRUE(prepared) << prepared.Error().toStdString();
    const int pages = int(prepared->Pages.size());
    // 128 - 10 header - 8 footer = 110 mm: 22 rows a page, 18 on the first under the title.
    ASSERT_EQ(pages, 1 + (1000 - 18 + 21) / 22);
    QStringList rows;
    for (int p = 0; p < pages; ++p) {
        const QStringList texts = Texts(prepared->Pages.at(p));
        EXPECT_EQ(texts.count(QStringLiteral("HEADER 0000000001")), 1) << "page " << p + 1;
        EXPECT_EQ(texts.contains(QStringLiteral("TITLE")), p == 0);
        EXPECT_EQ(texts.last(), QStringLiteral("%1/%2").arg(p + 1).arg(pages));
        for (const TReportObject &o : prepared->Pages.at(p).Objects)
            EXPECT_LE(o.Bounds.bottom(), 148 - 10 + 0.01) << o.Text.toStdString();
        rows << texts.filter(QStringLiteral("line "));
    }
    ASSERT_EQ(rows.size(), 1000);
    EXPECT_EQ(rows.first(), QStringLiteral("line 1"));
    EXPECT_EQ(rows.last(), QStringLiteral("line 1000"));
    EXPECT_TRUE(Texts(prepared->Pages.last()).contains(QStringLiteral("SUM 500500")));
}

TEST_F(TReportLayoutTest, AnEmptyDatasetGivesOnePageWithHeaderAndSummary)
{
    const Result<TPreparedReport> prepared = TReportLayout::Build(Parse(ListReport), m_scope);
    ASSERT_TRUE(prepared);
    ASSERT_EQ(prepared->Pages.size(), 1);
    EXPECT_EQ(Texts(prepared->Pages.first()),
              (QStringList{QStringLiteral("TITLE"), QStringLiteral("HEADER 0000000001"), QStringLiteral("SUM 0"), QStringLiteral("1/1")}));
}

TEST_F(TReportLayoutTest, AStretchingCellGrowsItsRowAndTheRowsOtherCells)
{
    m_lines.Append();
    m_lines.FieldByName(QStringLiteral("name")).SetValue(QString(40, QChar(u'长')));
    m_lines.Post();
    const TReportTemplate report = Parse(R"(
Band Kind=MasterData Height=5 DataSet=lines
  Text Rect=0,0,20,5 Wrap=1 Stretch=1 Frame=LTRB Text="[lines.name]"
  Text Rect=20,0,20,5 Frame=LTRB Text="beside"
  Line Rect=0,5,40,0
)");
    const Result<TPreparedReport> prepared = TReportLayout::Build(report, m_scope);
    ASSERT_TRUE(prepared);
    const QList<TReportObject> &objects = prepared->Pages.first().Objects;
    ASSERT_EQ(objects.size(), 3);
    EXPECT_GT(objects[0].Bounds.height(), 15); // 40 characters of 9 points need several lines in 20 mm
    EXPECT_DOUBLE_EQ(objects[1].Bounds.height(), objects[0].Bounds.height());
    EXPECT_DOUBLE_EQ(objects[2].Bounds.top(), objects[0].Bounds.bottom());
    EXPECT_DOUBLE_EQ(objects[2].Bounds.height(), 0);
}

TEST_F(TReportLayoutTest, ARowTallerThanAPageIsPutOnItsOwnPageInsteadOfLooping)
{
    AddLines(3);
    const TReportTemplate report = Parse(R"(
Page Paper=A5 Margins=10,10,10,10
Band Kind=MasterData Height=400 DataSet=lines
  Text Rect=0,0,50,5 Text="[lines.name]"
)");
    const Result<TPreparedReport> prepared = TReportLayout::Build(report, m_scope);
    ASSERT_TRUE(prepared);
    EXPECT_EQ(prepared->Pages.size(), 3);
}

TEST_F(TReportLayoutTest, AMasterBandOnAnUnknownDatasetIsAFailure)
{
    const Result<TPreparedReport> prepared = TReportLayout::Build(Parse("Band Kind=MasterData DataSet=Nowhere\n"), m_scope);
    ASSERT_FALSE(prepared);
    EXPECT_TRUE(prepared.Error().contains(QStringLiteral("Nowhere")));
}
