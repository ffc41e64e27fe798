#pragma once

#include <QString>

// Shared by the report and print-path tests.
namespace ReportTest {

// 宋体 and 黑体 drawn with the installed Noto CJK fonts, as the application sets up at start.
void UseCjkFonts();
// The text of a PDF as poppler's pdftotext reads it (layout kept, NFKC); empty when it cannot.
QString PdfText(const QString &fileName);
// A value pdfinfo reports ("Title", "Page size"); empty when it cannot.
QString PdfInfo(const QString &fileName, const QString &key);
// The number of pages pdfinfo reports; 0 when it cannot.
int PdfPages(const QString &fileName);
// The saved default bill template of the shop's database.
QByteArray DefaultBillTemplate();

} // namespace ReportTest
