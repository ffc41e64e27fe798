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
    // Fonts may map a glyph back to its compatibility form (the Kangxi radical for 金).
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fileName, QStringLiteral("-")})
        .normalized(QString::NormalizationForm_KC);
}

QString PdfInfo(const QString &fileName, const QString &key)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^%1:\\s+(.*)$").arg(key), QRegularExpression::MultilineOption)
                                              .match(Run(QStringLiteral("pdfinfo"), {fileName}));
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

int PdfPages(const QString &fileName)
{
    return PdfInfo(fileName, QStringLiteral("Pages")).toInt();
}

QByteArray DefaultBillTemplate()
{
    QFile file(QStringLiteral(HALVERN_SOURCE_DIR "/src/mis/templates/advance_receipt.hrt"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace ReportTest
