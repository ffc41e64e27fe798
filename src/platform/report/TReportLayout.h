#pragma once

#include "TPreparedReport.h"
#include "TReportScope.h"
#include "TReportTemplate.h"

#include "platform/data/Result.h"

// Makes the pages of a template over a scope: the report title on the first page, page and
// column headers on every page, one master-data band per row of its dataset with a page break
// where the next row no longer fits, the summary after the last row, column footer below the
// rows and page footer at the bottom of every page. Runs twice so that [TotalPages#] is known.
class TReportLayout {
public:
    static Result<TPreparedReport> Build(const TReportTemplate &report, TReportScope scope);
};
