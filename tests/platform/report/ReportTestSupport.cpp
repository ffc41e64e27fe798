#include "ReportTestSupport.h"

#include <QFile>
#include <QFont>
#include <QProcess>
#include <QRegularExpression>

namespace ReportTest {

namespace {
QString Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

void UseCjkFonts()
{
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"));
    QFont::insertSubstitution(QStringLiteral("黑体"), QStringLiteral("Noto Sans CJK SC"));
}

QString PdfText(const QString &fileName)
{
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fileName, QStringLiteral("-")});
}

int PdfPages(const QString &fileName)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(Run(QStringLiteral("pdfinfo"), {fileName}));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QByteArray DefaultBillTemplate()
{
    QFile file(QStringLiteral(HALVERN_SOURCE_DIR "/src/mis/templates/advance_receipt.hrt"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace ReportTest
