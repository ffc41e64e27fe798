#include "BillPrintFixture.h"

#include "ReportTestSupport.h"
#include "platform/report/TReportPreview.h"
#include "support/Clerk.h"
#include "support/TestPrinters.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

const QString Error = QStringLiteral("错误: ");

QList<QPair<QString, QString>> ThreeTemplates()
{
    return {{QStringLiteral("预收款单"), StoredText(SimpleTemplate(QStringLiteral("ONE")))},
            {QStringLiteral("小票"), StoredText(SimpleTemplate(QStringLiteral("TWO")))},
            {QStringLiteral("存根"), StoredText(SimpleTemplate(QStringLiteral("THREE")))}};
}

QStringList Rows(TDataSet &data)
{
    QStringList rows;
    for (data.First(); !data.Eof(); data.Next()) {
        QStringList cells;
        for (int f = 0; f < data.FieldCount(); ++f)
            cells << data.Fields(f).DisplayText();
        rows << cells.join(u'|');
    }
    return rows;
}

} // namespace

using TBillPrintPathTest = BillPrintFixture;

TEST_F(TBillPrintPathTest, LoadTemplatesAsksForTheBillTitleAndListsNamesInPacketOrder)
{
    LoadTemplates(ThreeTemplates());
    EXPECT_EQ(m_host->AskedTitle, QStringLiteral("预收款单"));
    QStringList names;
    for (int i = 0; i < m_chkTemplate->count(); ++i)
        names << m_chkTemplate->itemText(i);
    EXPECT_EQ(names, (QStringList{QStringLiteral("预收款单"), QStringLiteral("小票"), QStringLiteral("存根")}));
}

TEST_F(TBillPrintPathTest, AFailedHostCallHandsBackTheHostMessages)
{
    m_host->Succeeds = false;
    m_host->Messages = {QStringLiteral("数据库连接中断")};
    m_print = std::make_unique<TBillPrintPath>(Win::HandleOf(m_form.get()), m_chkTemplate, THostDataService(m_hostRef),
                                               m_items, m_payments);
    QVariant error;
    EXPECT_FALSE(m_print->LoadTemplates(QStringLiteral("预收款单"), error));
    EXPECT_EQ(error.toStringList(), QStringList{QStringLiteral("数据库连接中断")});

    m_host->Succeeds = true;
    m_host->Packet = "not a packet";
    EXPECT_FALSE(m_print->LoadTemplates(QStringLiteral("预收款单"), error));
    EXPECT_TRUE(error.toStringList().value(0).startsWith(QStringLiteral("报表模板列表无法读取"))) << error.toString().toStdString();
}

struct TRememberedCase {
    const char *Value;
    int Index;
};

class TBillPrintRemembered : public BillPrintFixture, public testing::WithParamInterface<TRememberedCase> {};

TEST_P(TBillPrintRemembered, SelectsTheRememberedEntryOrTheFirstOrNothing)
{
    LoadTemplates(ThreeTemplates());
    m_print->SelectRemembered(QString::fromUtf8(GetParam().Value));
    EXPECT_EQ(m_print->RememberedIndex(), GetParam().Index);
}

INSTANTIATE_TEST_SUITE_P(Cases, TBillPrintRemembered,
                         testing::Values(TRememberedCase{"abc", 0}, TRememberedCase{"-1", 0}, TRememberedCase{"-3", 0},
                                         TRememberedCase{"", 0}, TRememberedCase{"0", 0}, TRememberedCase{" 2 ", 2},
                                         TRememberedCase{"3", -1}, TRememberedCase{"7", -1},
                                         TRememberedCase{"99999999999999999999", 0}));

TEST_F(TBillPrintPathTest, NothingSelectedMeansNoTemplateChosenForPreviewAndPrint)
{
    LoadTemplates(ThreeTemplates());
    m_print->SelectRemembered(QStringLiteral("7"));
    EXPECT_FALSE(m_print->PrintBill(false, Header()));
    EXPECT_FALSE(m_print->PrintBill(true, Header()));
    EXPECT_EQ(m_ui.BoxTexts(), (QStringList{Error + QStringLiteral("未选择报表模板！"), Error + QStringLiteral("未选择报表模板！")}));
    EXPECT_EQ(m_ui.Boxes().first().Icon(), unsigned(Win::MB_ICONERROR));
    EXPECT_EQ(m_ui.Boxes().first().Owner, Win::HandleOf(m_form.get()));
}

TEST_F(TBillPrintPathTest, AnEmptyTemplatePacketGivesAnEmptyList)
{
    for (const QByteArray &packet : {TemplatePacket({}), QByteArray()}) {
        m_host->Packet = packet;
        m_print = std::make_unique<TBillPrintPath>(Win::HandleOf(m_form.get()), m_chkTemplate, THostDataService(m_hostRef),
                                                   m_items, m_payments);
        QVariant error;
        ASSERT_TRUE(m_print->LoadTemplates(QStringLiteral("预收款单"), error));
        m_print->SelectRemembered(QStringLiteral("0"));
        EXPECT_EQ(m_chkTemplate->count(), 0);
        EXPECT_EQ(m_print->RememberedIndex(), -1);
        EXPECT_FALSE(m_print->PrintBill(false, Header()));
        EXPECT_FALSE(m_print->PrintBill(true, Header()));
        EXPECT_EQ(m_ui.TakeBoxTexts(), (QStringList{Error + QStringLiteral("未选择报表模板！"), Error + QStringLiteral("未选择报表模板！")}));
    }
}

TEST_F(TBillPrintPathTest, OfTwoNamesDifferingInLetterCaseEitherPrintsTheFirstInThePacket)
{
    LoadTemplates({{QStringLiteral("Bill"), StoredText(SimpleTemplate(QStringLiteral("FIRST")))},
                   {QStringLiteral("BILL"), StoredText(SimpleTemplate(QStringLiteral("SECOND")))}});
    for (int index : {0, 1}) {
        m_chkTemplate->setCurrentIndex(index);
        QStringList texts;
        ExpectPreview(&texts);
        EXPECT_TRUE(m_print->PrintBill(false, Header()));
        EXPECT_TRUE(texts.contains(QStringLiteral("FIRST 0000000123"))) << texts.join(u',').toStdString();
    }
    EXPECT_TRUE(m_ui.BoxTexts().isEmpty());
}

TEST_F(TBillPrintPathTest, ANameMissingFromThePacketIsReported)
{
    LoadTemplates(ThreeTemplates());
    m_chkTemplate->addItem(QStringLiteral("旧模板"));
    m_chkTemplate->setCurrentIndex(3);
    EXPECT_FALSE(m_print->PrintBill(false, Header()));
    EXPECT_EQ(m_ui.BoxTexts(), QStringList{Error + QStringLiteral("旧模板报表模板不存在！")});
}

TEST_F(TBillPrintPathTest, ADamagedTemplateIsAnErrorBoxAndNoPreview)
{
    const QString good = StoredText(SimpleTemplate(QStringLiteral("ONE")));
    LoadTemplates({{QStringLiteral("乱码"), StoredText("\x13\x37 binary rubbish \xff")},
                   {QStringLiteral("半截"), good.left(40) + QStringLiteral("ZZ") + good.mid(42)},
                   {QStringLiteral("空白"), QStringLiteral("#")}});
    for (int index : {0, 1, 2}) {
        m_chkTemplate->setCurrentIndex(index);
        EXPECT_FALSE(m_print->PrintBill(false, Header()));
        const QStringList boxes = m_ui.TakeBoxTexts();
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_TRUE(boxes.first().startsWith(Error + m_chkTemplate->currentText() + QStringLiteral("：报表模板已损坏")))
            << boxes.first().toStdString();
    }
    EXPECT_TRUE(m_ui.ModalTitles().isEmpty());
}

TEST_F(TBillPrintPathTest, PrintRowsPairItemAndPaymentLinesWithEmptyFieldsInTheShorterList)
{
    LoadTemplates({});
    AddItem(QStringLiteral("01"), QStringLiteral("定金"), 100).f_ddh = QStringLiteral("DD001");
    AddItem(QStringLiteral("02"), QStringLiteral("货款"), 30.5).f_sfxmbz = QStringLiteral("分期");
    AddItem(QStringLiteral("03"), QStringLiteral("运费"), 19.5);
    TPaymentRecord &cash = AddPayment(QStringLiteral("1"), QStringLiteral("现金"), 150);
    cash.f_zph = QStringLiteral("ZP9");
    cash.f_czrmc = QStringLiteral("王小明");
    cash.f_czsj = QStringLiteral("2024-03-15 10:00:00");
    cash.f_zffsbz = QStringLiteral("never printed");

    m_print->BuildPrintData();
    TDataSet &print = m_print->cdsPrint();
    EXPECT_EQ(Rows(print), (QStringList{
                               QStringLiteral("01|定金|100.00||DD001||1|现金|150.00|ZP9|王小明|2024-03-15 10:00:00"),
                               QStringLiteral("02|货款|30.50|||分期|||0.00|||"),
                               QStringLiteral("03|运费|19.50||||||0.00|||"),
                           }));
    print.SetRecNo(3);
    EXPECT_EQ(print.FieldByName(QStringLiteral("f_Skje")).AsFloat(), 0.0);
    EXPECT_FALSE(print.FieldByName(QStringLiteral("f_Skje")).IsNull());

    // Building again replaces the rows.
    m_items.Delete(2);
    m_print->BuildPrintData();
    EXPECT_EQ(print.RecordCount(), 2);
}

TEST_F(TBillPrintPathTest, PrintFieldsAreCutToTheirWidthInGbkBytesOnACharacterBoundary)
{
    LoadTemplates({}, TBillPrintOptions{20, false});
    AddItem(QStringLiteral("100001"), QStringLiteral("一二三四五六七八九十甲乙"), 1);
    AddItem(QStringLiteral("a中文"), QStringLiteral("abc一二三四五六七八九十"), 1);
    m_print->BuildPrintData();
    TDataSet &print = m_print->cdsPrint();
    print.First();
    EXPECT_EQ(print.FieldByName(QStringLiteral("f_Sfxmbm")).AsString(), QStringLiteral("1000"));
    EXPECT_EQ(print.FieldByName(QStringLiteral("f_Sfxmmc")).AsString(), QStringLiteral("一二三四五六七八九十"));
    print.Next();
    EXPECT_EQ(print.FieldByName(QStringLiteral("f_Sfxmbm")).AsString(), QStringLiteral("a中"));
    EXPECT_EQ(print.FieldByName(QStringLiteral("f_Sfxmmc")).AsString(), QStringLiteral("abc一二三四五六七八"));
    EXPECT_EQ(print.FieldDefs().at(print.IndexOfField(QStringLiteral("f_zffsbz"))).Size, 20);
}

TEST_F(TBillPrintPathTest, HelpLinesListTheVariablesThenItemAndPaymentFieldsWithAlignedColons)
{
    const QStringList lines = TBillPrintPath::HelpLines();
    ASSERT_EQ(lines.size(), 24);
    EXPECT_EQ(lines.first(), QStringLiteral(" 部门编码     ：[deptcode]"));
    EXPECT_EQ(lines.at(8), QStringLiteral(" 备 注        : [remark]"));
    EXPECT_EQ(lines.at(10), QStringLiteral(" 收款项目编码 : [Cdsprint.\"f_Sfxmbm\"]"));
    EXPECT_EQ(lines.at(13), QStringLiteral(" 应收金额     : [Cdsprint.\"f_Sfje\"]"));
    EXPECT_EQ(lines.at(22), QStringLiteral(" 收款时间     : [Cdsprint.\"f_Sksj\"]"));
    for (int empty : {9, 16, 23})
        EXPECT_TRUE(lines.at(empty).isEmpty()) << empty;
}

// The default template, a real bill, through the preview's PDF export, read back by pdftotext.
TEST_F(TBillPrintPathTest, DefaultTemplateExportedFromThePreviewShowsBillCustomerAndTotal)
{
    LoadTemplates({{QStringLiteral("预收款单"), StoredText(ReportTest::DefaultBillTemplate())}});
    m_print->SelectRemembered(QStringLiteral("0"));
    AddItem(QStringLiteral("01"), QStringLiteral("定金"), 100.1);
    AddItem(QStringLiteral("02"), QStringLiteral("货款"), 49.9);
    AddPayment(QStringLiteral("1"), QStringLiteral("现金"), 150);

    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("bill.pdf"));
    m_ui.OnModal([](QDialog &dialog) {
        auto *preview = qobject_cast<TReportPreview *>(&dialog);
        ASSERT_NE(preview, nullptr);
        EXPECT_NE(Named<QPushButton>(&dialog, QStringLiteral("btnDesign")), nullptr);
        Clerk::Click(Named<QPushButton>(&dialog, QStringLiteral("btnExportPdf")));
        Clerk::Click(Named<QPushButton>(&dialog, QStringLiteral("btnExit")));
    });
    m_ui.OnModal([pdf](QDialog &dialog) {
        auto *name = Named<QLineEdit>(&dialog, QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setFocus();
        Clerk::Type(name, pdf);
        Clerk::Key(name, Qt::Key_Return);
    });
    ASSERT_TRUE(m_print->PrintBill(false, Header()));
    EXPECT_TRUE(m_ui.BoxTexts().isEmpty()) << m_ui.BoxTexts().join(u'\n').toStdString();

    const QString text = ReportTest::PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("0000000123"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("华南五金有限公司"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("150.00"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("定金"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("王小明"))) << text.toStdString();
    EXPECT_EQ(ReportTest::PdfPages(pdf), 1);
}
