#include "BillPrintFixture.h"

#include "ReportTestSupport.h"
#include "support/TestPrinters.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

// Prints through a real CUPS queue: cups-pdf, installed as the default printer by the
// start-pdf-printer script, writes what it receives as a PDF file.
using TBillPrintQueue = BillPrintFixture;

namespace {

QString StartPdfPrinter(QString *problem)
{
    QProcess script;
    script.start(QStringLiteral(HALVERN_PDF_PRINTER_SCRIPT), {});
    if (!script.waitForFinished(60000) || script.exitCode() != 0) {
        *problem = QString::fromUtf8(script.readAllStandardError()).trimmed();
        return {};
    }
    return QString::fromUtf8(script.readAllStandardOutput()).trimmed();
}

QStringList PdfFiles(const QString &folder, const QString &title)
{
    return QDir(folder).entryList({title + QStringLiteral("*.pdf")}, QDir::Files);
}

} // namespace

TEST_F(TBillPrintQueue, PrintingWithoutADialogSendsTheBillsPagesToTheDefaultPrinter)
{
    QString problem;
    const QString folder = StartPdfPrinter(&problem);
    if (folder.isEmpty())
        GTEST_SKIP() << "no CUPS scheduler with a PDF queue here: " << problem.toStdString();

    const QString title = QStringLiteral("queuetest%1").arg(QCoreApplication::applicationPid());
    LoadTemplates({{title, StoredText(ReportTest::DefaultBillTemplate())}});
    m_print->SelectRemembered(QStringLiteral("0"));
    for (int i = 1; i <= 60; ++i)
        AddItem(QStringLiteral("%1").arg(i, 2, 10, QChar(u'0')), QStringLiteral("项目%1").arg(i), i);
    AddPayment(QStringLiteral("1"), QStringLiteral("现金"), 1830);
    const QStringList before = PdfFiles(folder, title);

    ASSERT_TRUE(m_print->PrintBill(true, Header())) << m_ui.BoxTexts().join(u'\n').toStdString();
    EXPECT_TRUE(m_ui.BoxTexts().isEmpty());
    const Result<TPreparedReport> prepared = m_print->Rrt().Prepare();
    ASSERT_TRUE(prepared);
    ASSERT_GT(prepared->Pages.size(), 1);

    QString written;
    QElapsedTimer waited;
    waited.start();
    while (written.isEmpty() && waited.elapsed() < 90000) {
        for (const QString &file : PdfFiles(folder, title))
            if (!before.contains(file))
                written = QDir(folder).filePath(file);
        if (written.isEmpty())
            QThread::msleep(200);
    }
    ASSERT_FALSE(written.isEmpty()) << "cups-pdf wrote nothing to " << folder.toStdString();
    // cups-pdf renames the file only once it is complete; give the last page a moment anyway.
    int pages = 0;
    for (int attempt = 0; attempt < 50 && pages != int(prepared->Pages.size()); ++attempt, QThread::msleep(100))
        pages = ReportTest::PdfPages(written);
    EXPECT_EQ(pages, int(prepared->Pages.size()));
    // The job went through PostScript and Ghostscript, which leave the text unreadable to
    // pdftotext; the job's title and paper show that these are our pages.
    EXPECT_TRUE(ReportTest::PdfInfo(written, QStringLiteral("Title")).contains(title));
    EXPECT_TRUE(ReportTest::PdfInfo(written, QStringLiteral("Page size")).contains(QStringLiteral("(A4)")));
    if (!HasFailure())
        QFile::remove(written);
}
