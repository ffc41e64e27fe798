#include "TReportTemplateFormat.h"

#include "TReportRecords_p.h"

#include <QPageSize>

using namespace ReportRecords;

namespace {

const QString Signature = QStringLiteral("HalvernReport");

struct TBandName {
    TBandKind Kind;
    const char *Name;
};
constexpr TBandName BandNames[] = {
    {TBandKind::ReportTitle, "ReportTitle"}, {TBandKind::PageHeader, "PageHeader"},
    {TBandKind::ColumnHeader, "ColumnHeader"}, {TBandKind::MasterData, "MasterData"},
    {TBandKind::Summary, "Summary"}, {TBandKind::ColumnFooter, "ColumnFooter"},
    {TBandKind::PageFooter, "PageFooter"},
};

QString BandName(TBandKind kind)
{
    for (const TBandName &b : BandNames)
        if (b.Kind == kind)
            return QString::fromLatin1(b.Name);
    return {};
}

TPageSettings ReadPage(const TRecord &record)
{
    record.CheckNames({QStringLiteral("Paper"), QStringLiteral("Size"), QStringLiteral("Orientation"), QStringLiteral("Margins")});
    TPageSettings page;
    page.PaperName = record.Text(QStringLiteral("Paper"), page.PaperName);
    if (page.PaperName == u"Custom") {
        const QList<double> size = record.Numbers(QStringLiteral("Size"), 2);
        page.PaperSize = QSizeF(size[0], size[1]);
    } else {
        QPageSize known;
        for (int id = 0; id <= QPageSize::LastPageSize && !known.isValid(); ++id)
            if (QPageSize::key(QPageSize::PageSizeId(id)) == page.PaperName)
                known = QPageSize(QPageSize::PageSizeId(id));
        if (!known.isValid())
            throw TFormatError{QStringLiteral("第 %1 行：未知的纸张 \"%2\"").arg(record.Line).arg(page.PaperName)};
        page.PaperSize = known.size(QPageSize::Millimeter);
    }
    const QString orientation = record.Text(QStringLiteral("Orientation"), QStringLiteral("Portrait"));
    if (orientation != u"Portrait" && orientation != u"Landscape")
        throw TFormatError{QStringLiteral("第 %1 行：未知的方向 \"%2\"").arg(record.Line).arg(orientation)};
    page.Landscape = orientation == u"Landscape";
    if (record.Has(QStringLiteral("Margins"))) {
        const QList<double> m = record.Numbers(QStringLiteral("Margins"), 4);
        page.Margins = QMarginsF(m[0], m[1], m[2], m[3]);
    }
    const QSizeF size = page.PageSize();
    const QMarginsF &m = page.Margins;
    if (!(size.width() >= 20 && size.height() >= 20 && size.width() <= 5000 && size.height() <= 5000)
        || m.left() < 0 || m.top() < 0 || m.right() < 0 || m.bottom() < 0
        || m.left() + m.right() > size.width() - 10 || m.top() + m.bottom() > size.height() - 10)
        throw TFormatError{QStringLiteral("第 %1 行：纸张或页边距不合理").arg(record.Line)};
    return page;
}

TReportBand ReadBand(const TRecord &record)
{
    record.CheckNames({QStringLiteral("Kind"), QStringLiteral("Height"), QStringLiteral("DataSet")});
    TReportBand band;
    const QString kind = record.Text(QStringLiteral("Kind"));
    bool known = false;
    for (const TBandName &b : BandNames)
        if (kind == QLatin1String(b.Name)) {
            band.Kind = b.Kind;
            known = true;
        }
    if (!known)
        throw TFormatError{QStringLiteral("第 %1 行：未知的栏类型 \"%2\"").arg(record.Line).arg(kind)};
    band.Height = record.Number(QStringLiteral("Height"), band.Height);
    if (!(band.Height >= 0 && band.Height <= 5000))
        throw TFormatError{QStringLiteral("第 %1 行：栏高度超出范围").arg(record.Line)};
    band.DataSetName = record.Text(QStringLiteral("DataSet"));
    return band;
}

} // namespace

QByteArray TReportTemplateFormat::Save(const TReportTemplate &report)
{
    QStringList lines;
    lines << QStringLiteral("%1 %2").arg(Signature).arg(Version);
    const TPageSettings &p = report.Page;
    QString page = QStringLiteral("Page Paper=") + p.PaperName;
    if (p.PaperName == u"Custom")
        page += QStringLiteral(" Size=%1,%2").arg(Number(p.PaperSize.width()), Number(p.PaperSize.height()));
    page += QStringLiteral(" Orientation=") + (p.Landscape ? QStringLiteral("Landscape") : QStringLiteral("Portrait"));
    page += QStringLiteral(" Margins=%1,%2,%3,%4")
                .arg(Number(p.Margins.left()), Number(p.Margins.top()), Number(p.Margins.right()), Number(p.Margins.bottom()));
    lines << page;
    for (const TReportBand &band : report.Bands) {
        QString line = QStringLiteral("Band Kind=") + BandName(band.Kind) + QStringLiteral(" Height=") + Number(band.Height);
        if (!band.DataSetName.isEmpty())
            line += QStringLiteral(" DataSet=") + Quote(band.DataSetName);
        lines << line;
        for (const TReportObject &object : band.Objects)
            lines << QStringLiteral("  ") + WriteObject(object);
    }
    return lines.join(u'\n').toUtf8() + '\n';
}

Result<TReportTemplate> TReportTemplateFormat::Load(const QByteArray &stream)
{
    try {
        int version = 0;
        const QList<TRecord> records = Parse(stream, Signature, &version);
        if (version > Version)
            return Failure(QStringLiteral("报表模板的版本 %1 高于本程序支持的版本 %2").arg(version).arg(Version));
        TReportTemplate report;
        bool pageSeen = false;
        for (const TRecord &record : records) {
            if (record.Type == u"Page" && !pageSeen && report.Bands.isEmpty()) {
                report.Page = ReadPage(record);
                pageSeen = true;
            } else if (record.Type == u"Band") {
                report.Bands.append(ReadBand(record));
            } else if (IsObjectRecord(record.Type) && !report.Bands.isEmpty()) {
                report.Bands.last().Objects.append(ReadObject(record));
            } else {
                throw TFormatError{QStringLiteral("第 %1 行：此处不能有 \"%2\"").arg(record.Line).arg(record.Type)};
            }
        }
        return report;
    } catch (const TFormatError &error) {
        return Failure(error.Message);
    }
}
