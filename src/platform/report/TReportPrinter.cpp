#include "TReportPrinter.h"

#include "TReportPainter.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

QPageLayout LayoutFor(const TPreparedPage &page)
{
    const QSizeF size = page.Size;
    const bool landscape = size.width() > size.height();
    const QPageSize paper(landscape ? size.transposed() : size, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    return QPageLayout(paper, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
}

} // namespace

Result<void> TReportPrinter::PaintAll(const TPreparedReport &report, QPagedPaintDevice &device, double dotsPerInch)
{
    if (report.Pages.isEmpty())
        return Failure(QStringLiteral("报表没有可输出的页面"));
    device.setPageLayout(LayoutFor(report.Pages.first()));
    QPainter painter;
    if (!painter.begin(&device))
        return Failure(QStringLiteral("无法开始输出报表"));
    const double pixelsPerMm = dotsPerInch / 25.4;
    for (qsizetype i = 0; i < report.Pages.size(); ++i) {
        if (i > 0) {
            device.setPageLayout(LayoutFor(report.Pages.at(i)));
            if (!device.newPage()) {
                painter.end();
                return Failure(QStringLiteral("无法开始报表的第 %1 页").arg(i + 1));
            }
        }
        TReportPainter::PaintPage(painter, report.Pages.at(i), pixelsPerMm);
    }
    if (!painter.end())
        return Failure(QStringLiteral("报表输出未能完成"));
    return Success();
}

Result<void> TReportPrinter::ExportToPdf(const TPreparedReport &report, const QString &fileName, const QString &title)
{
    QPdfWriter writer(fileName);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Halvern"));
    writer.setResolution(600);
    const Result<void> done = PaintAll(report, writer, writer.resolution());
    if (!done)
        return Failure(QStringLiteral("无法导出 PDF 文件 %1：%2").arg(fileName, done.Error()));
    return Success();
}

Result<void> TReportPrinter::Print(const TPreparedReport &report, const QString &title)
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        return Failure(QStringLiteral("没有安装打印机或没有设置默认打印机，无法打印！"));
    return Print(report, title, printer.printerName());
}

Result<void> TReportPrinter::Print(const TPreparedReport &report, const QString &title, const QString &printerName)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        return Failure(QStringLiteral("打印机 %1 不存在，无法打印！").arg(printerName));
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setFullPage(true);
    if (!printer.isValid())
        return Failure(QStringLiteral("打印机 %1 不可用，无法打印！").arg(printerName));
    const Result<void> done = PaintAll(report, printer, printer.resolution());
    if (!done)
        return Failure(QStringLiteral("打印失败：%1").arg(done.Error()));
    return Success();
}
