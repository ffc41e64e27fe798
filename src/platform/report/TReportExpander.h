#pragma once

#include "TReportScope.h"

#include <QString>

// Replaces the bracketed references of an object's text by their values: [name] a variable,
// [Data."field"] the field of the dataset's current row, [SUM([Data."field"])] the field's sum
// over all rows, [Page#] and [TotalPages#]. Numbers take the object's display format, else the
// field's own. An unknown name gives an empty text; a "[" without its "]" stays as written.
class TReportExpander {
public:
    explicit TReportExpander(const TReportScope &scope) : m_scope(scope) {}

    QString Expand(const QString &text, const QString &displayFormat) const;

private:
    QString Evaluate(const QString &reference, const QString &displayFormat) const;

    const TReportScope &m_scope;
};
