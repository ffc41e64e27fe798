#include "BillPrintFixture.h"

#include "ReportTestSupport.h"
#include "platform/report/TReportPreview.h"
#include "support/Clerk.h"
#include "support/TestPrinters.h"

#include <QPushButton>

// Runs with CUPS_SERVER naming a socket where no scheduler listens: no printer is installed.
using TBillPrintNoPrinter = BillPrintFixture;

TEST_F(TBillPrintNoPrinter, PrintingSaysThereIsNoPrinterInsteadOfFailingSilently)
{
    LoadTemplates({{QStringLiteral("预收款单"), StoredText(ReportTest::DefaultBillTemplate())}});
    m_print->SelectRemembered(QStringLiteral("0"));
    AddItem(QStringLiteral("01"), QStringLiteral("定金"), 100);

    EXPECT_FALSE(m_print->PrintBill(true, Header()));
    m_ui.OnModal([](QDialog &dialog) {
        Clerk::Click(Named<QPushButton>(&dialog, QStringLiteral("btnPrint")));
        Clerk::Click(Named<QPushButton>(&dialog, QStringLiteral("btnExit")));
    });
    EXPECT_TRUE(m_print->PrintBill(false, Header()));
    const QString message = QStringLiteral("错误: 没有安装打印机或没有设置默认打印机，无法打印！");
    EXPECT_EQ(m_ui.BoxTexts(), (QStringList{message, message}));
}
