#include "TReport.h"

#include "TReportLayout.h"
#include "TReportPreview.h"
#include "TReportPrinter.h"
#include "TReportTemplateFormat.h"

#include "platform/win/ModalRunner.h"

Result<void> TReport::LoadFromStream(const QByteArray &stream)
{
    Result<TReportTemplate> loaded = TReportTemplateFormat::Load(stream);
    if (!loaded)
        return Failure(QStringLiteral("报表模板已损坏，无法读取（%1）").arg(loaded.Error()));
    m_template = *loaded;
    return Success();
}

Result<TPreparedReport> TReport::Prepare() const
{
    return TReportLayout::Build(m_template, m_scope);
}

Result<void> TReport::ShowPreview(QWidget *owner, const TPreviewOptions &options)
{
    const Result<TPreparedReport> prepared = Prepare();
    if (!prepared)
        return Failure(prepared.Error());
    TReportPreview preview(*this, *prepared, options, owner);
    Win::RunModal(preview);
    return Success();
}

Result<void> TReport::Print() const
{
    const Result<TPreparedReport> prepared = Prepare();
    if (!prepared)
        return Failure(prepared.Error());
    return TReportPrinter::Print(*prepared, m_title);
}

Result<void> TReport::ExportToPdf(const QString &fileName) const
{
    const Result<TPreparedReport> prepared = Prepare();
    if (!prepared)
        return Failure(prepared.Error());
    return TReportPrinter::ExportToPdf(*prepared, fileName, m_title);
}
