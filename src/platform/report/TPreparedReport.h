#pragma once

#include "TReportObject.h"

#include <QList>
#include <QSizeF>

// A report after its references are expanded and its pages are made: what the preview shows,
// the printer prints and the PDF holds. Object bounds are page positions in millimetres.
struct TPreparedPage {
    QSizeF Size; // millimetres, as the page is seen (landscape pages are wider than tall)
    QList<TReportObject> Objects;

    bool operator==(const TPreparedPage &) const = default;
};

struct TPreparedReport {
    QList<TPreparedPage> Pages;

    bool operator==(const TPreparedReport &) const = default;
};
