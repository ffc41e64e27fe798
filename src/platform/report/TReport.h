#pragma once

#include "TPreparedReport.h"
#include "TReportScope.h"
#include "TReportTemplate.h"

#include "platform/data/Result.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

class QWidget;

// The preview window's optional parts.
struct TPreviewOptions {
    bool DesignButton = false; // lets the user edit the template's text and see it at once
};

// The report component a form owns: a template, the variables and datasets its references
// reach, and the three outputs (preview window, default printer, PDF). It does not own the
// datasets. Every failure comes back as a result for the caller to show; nothing is raised.
class TReport {
public:
    Result<void> LoadFromStream(const QByteArray &stream);
    void SetTemplate(const TReportTemplate &report) { m_template = report; }
    const TReportTemplate &Template() const { return m_template; }

    void SetVariable(const QString &name, const QVariant &value) { m_scope.SetVariable(name, value); }
    void ClearVariables() { m_scope.Variables.clear(); }
    void SetDataSet(const QString &name, TDataSet *dataSet) { m_scope.SetDataSet(name, dataSet); }
    const TReportScope &Scope() const { return m_scope; }

    void SetTitle(const QString &title) { m_title = title; }
    const QString &Title() const { return m_title; }

    Result<TPreparedReport> Prepare() const;
    Result<void> ShowPreview(QWidget *owner, const TPreviewOptions &options);
    Result<void> Print() const;
    Result<void> ExportToPdf(const QString &fileName) const;

private:
    TReportTemplate m_template;
    TReportScope m_scope;
    QString m_title;
};
