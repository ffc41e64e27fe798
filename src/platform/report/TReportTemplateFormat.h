#pragma once

#include "TReportTemplate.h"

#include "platform/data/Result.h"

#include <QByteArray>

// The saved form of a template: UTF-8 text, first line "HalvernReport 1", then a Page record,
// Band records each followed by its Text, Line and Rect records (docs/report-templates.md).
// Loading validates everything; a damaged stream is a failure naming its line, never a crash.
class TReportTemplateFormat {
public:
    static constexpr int Version = 1;
    static QByteArray Save(const TReportTemplate &report);
    static Result<TReportTemplate> Load(const QByteArray &stream);
};
