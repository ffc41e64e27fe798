#pragma once

#include "TPreparedReport.h"

#include "platform/data/Result.h"

#include <QString>

class QPagedPaintDevice;

// Sends prepared pages to paper or to a PDF file, each page at its own size. Printing goes to
// the default printer without a dialog; with no printer installed it fails with a message.
class TReportPrinter {
public:
    static Result<void> ExportToPdf(const TPreparedReport &report, const QString &fileName, const QString &title);
    static Result<void> Print(const TPreparedReport &report, const QString &title);
    static Result<void> Print(const TPreparedReport &report, const QString &title, const QString &printerName);

private:
    static Result<void> PaintAll(const TPreparedReport &report, QPagedPaintDevice &device, double dotsPerInch);
};
