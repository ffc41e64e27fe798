#include "TPreparedReportFormat.h"

#include "TReportRecords_p.h"

using namespace ReportRecords;

namespace {
const QString Signature = QStringLiteral("HalvernPrepared");
}

QByteArray TPreparedReportFormat::Save(const TPreparedReport &report)
{
    QStringList lines;
    lines << QStringLiteral("%1 %2").arg(Signature).arg(Version);
    for (const TPreparedPage &page : report.Pages) {
        lines << QStringLiteral("Page Size=%1,%2").arg(Number(page.Size.width()), Number(page.Size.height()));
        for (const TReportObject &object : page.Objects)
            lines << QStringLiteral("  ") + WriteObject(object);
    }
    return lines.join(u'\n').toUtf8() + '\n';
}

Result<TPreparedReport> TPreparedReportFormat::Load(const QByteArray &stream)
{
    try {
        int version = 0;
        const QList<TRecord> records = Parse(stream, Signature, &version);
        if (version > Version)
            return Failure(QStringLiteral("报表文件的版本 %1 高于本程序支持的版本 %2").arg(version).arg(Version));
        TPreparedReport report;
        for (const TRecord &record : records) {
            if (record.Type == u"Page") {
                record.CheckNames({QStringLiteral("Size")});
                const QList<double> size = record.Numbers(QStringLiteral("Size"), 2);
                if (!(size[0] >= 20 && size[1] >= 20 && size[0] <= 5000 && size[1] <= 5000))
                    throw TFormatError{QStringLiteral("第 %1 行：纸张大小不合理").arg(record.Line)};
                report.Pages.append(TPreparedPage{QSizeF(size[0], size[1]), {}});
            } else if (IsObjectRecord(record.Type) && !report.Pages.isEmpty()) {
                report.Pages.last().Objects.append(ReadObject(record));
            } else {
                throw TFormatError{QStringLiteral("第 %1 行：此处不能有 \"%2\"").arg(record.Line).arg(record.Type)};
            }
        }
        if (report.Pages.isEmpty())
            return Failure(QStringLiteral("报表文件中没有页面"));
        return report;
    } catch (const TFormatError &error) {
        return Failure(error.Message);
    }
}
