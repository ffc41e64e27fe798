#include "platform/report/TReportTemplateFormat.h"

#include "ReportTestSupport.h"
#include "support/TestPrinters.h"

#include <gtest/gtest.h>

TEST(TReportTemplateFormat, DefaultBillTemplateLoadsWithItsBandsAndMasterDataOnCdsprint)
{
    const QByteArray stream = ReportTest::DefaultBillTemplate();
    ASSERT_FALSE(stream.isEmpty());
    const Result<TReportTemplate> loaded = TReportTemplateFormat::Load(stream);
    ASSERT_TRUE(loaded) << loaded.Error().toStdString();
    ASSERT_NE(loaded->Band(TBandKind::MasterData), nullptr);
    EXPECT_EQ(loaded->Band(TBandKind::MasterData)->DataSetName, QStringLiteral("Cdsprint"));
    EXPECT_NE(loaded->Band(TBandKind::PageHeader), nullptr);
    EXPECT_NE(loaded->Band(TBandKind::Summary), nullptr);
    EXPECT_EQ(loaded->Page.PaperSize, QSizeF(210, 297));
}

TEST(TReportTemplateFormat, SaveThenLoadGivesTheSameTemplate)
{
    TReportTemplate report;
    report.Page.PaperName = QStringLiteral("Custom");
    report.Page.PaperSize = QSizeF(241, 140);
    report.Page.Landscape = true;
    report.Page.Margins = QMarginsF(5, 6, 7, 8);
    TReportBand band;
    band.Kind = TBandKind::MasterData;
    band.DataSetName = QStringLiteral("Cdsprint");
    band.Height = 6.5;
    TReportObject text;
    text.Bounds = QRectF(1, 0, 30.25, 6.5);
    text.Text = QStringLiteral("[Cdsprint.\"f_Sfje\"] \\ \"引号\"\n第二行");
    text.FontName = QStringLiteral("黑体");
    text.FontSize = 10.5;
    text.Bold = true;
    text.Frame = fsLeft | fsBottom;
    text.Alignment = Qt::AlignRight | Qt::AlignTop;
    text.WordWrap = true;
    text.Stretch = true;
    text.DisplayFormat = QStringLiteral("####0.00");
    TReportObject line;
    line.Kind = TReportObjectKind::Line;
    line.Bounds = QRectF(0, 6.5, 190, 0);
    line.LineWidth = 0.5;
    TReportObject box = line;
    box.Kind = TReportObjectKind::Rectangle;
    band.Objects = {text, line, box};
    report.Bands = {band, TReportBand{TBandKind::PageFooter, 8, {}, {}}};

    const Result<TReportTemplate> loaded = TReportTemplateFormat::Load(TReportTemplateFormat::Save(report));
    ASSERT_TRUE(loaded) << loaded.Error().toStdString();
    EXPECT_TRUE(*loaded == report);
}

struct TDamagedCase {
    const char *Name;
    const char *Stream;
    const char *Message; // part of the failure text
};

class TReportTemplateDamaged : public testing::TestWithParam<TDamagedCase> {};

TEST_P(TReportTemplateDamaged, IsAFailureNamingTheProblem)
{
    const Result<TReportTemplate> loaded = TReportTemplateFormat::Load(QByteArray(GetParam().Stream));
    ASSERT_FALSE(loaded);
    EXPECT_TRUE(loaded.Error().contains(QString::fromUtf8(GetParam().Message))) << loaded.Error().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TReportTemplateDamaged,
    testing::Values(
        TDamagedCase{"Empty", "", "内容为空"},
        TDamagedCase{"Binary", "\x01\x02\xff\xfe garbage", "不是 HalvernReport 格式"},
        TDamagedCase{"NewerVersion", "HalvernReport 9\n", "版本 9"},
        TDamagedCase{"ObjectBeforeBand", "HalvernReport 1\nText Rect=0,0,1,1\n", "第 2 行"},
        TDamagedCase{"UnknownBand", "HalvernReport 1\nBand Kind=Side\n", "Side"},
        TDamagedCase{"UnknownAttribute", "HalvernReport 1\nBand Kind=Summary Colour=red\n", "Colour"},
        TDamagedCase{"UnclosedQuote", "HalvernReport 1\nBand Kind=Summary\nText Rect=0,0,9,9 Text=\"abc\n", "引号"},
        TDamagedCase{"ShortRect", "HalvernReport 1\nBand Kind=Summary\nLine Rect=0,0,9\n", "4 个数值"},
        TDamagedCase{"NotANumber", "HalvernReport 1\nBand Kind=Summary Height=abc\n", "不是数值"},
        TDamagedCase{"NegativeWidth", "HalvernReport 1\nBand Kind=Summary\nRect Rect=0,0,-5,5\n", "不能为负"},
        TDamagedCase{"HugeHeight", "HalvernReport 1\nBand Kind=Summary Height=1e300\n", "超出范围"},
        TDamagedCase{"MarginsWiderThanPaper", "HalvernReport 1\nPage Paper=A4 Margins=150,10,150,10\n", "页边距"},
        TDamagedCase{"UnknownPaper", "HalvernReport 1\nPage Paper=Napkin\n", "Napkin"}),
    [](const testing::TestParamInfo<TDamagedCase> &info) { return std::string(info.param.Name); });

TEST(TReportTemplateFormat, DefaultTemplateCutAnywhereNeverCrashes)
{
    const QByteArray stream = ReportTest::DefaultBillTemplate();
    for (qsizetype length = 0; length < stream.size(); length += 7)
        (void)TReportTemplateFormat::Load(stream.left(length));
}
