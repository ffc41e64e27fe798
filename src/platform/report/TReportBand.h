#pragma once

#include "TReportObject.h"

#include <QList>
#include <QString>

// Where a band goes: once at the start, at the top of every page, once per row of its dataset,
// after the last row, below the rows of every page, at the bottom of every page.
enum class TBandKind { ReportTitle, PageHeader, ColumnHeader, MasterData, Summary, ColumnFooter, PageFooter };

struct TReportBand {
    TBandKind Kind = TBandKind::MasterData;
    double Height = 10; // millimetres, the least height when objects stretch
    // MasterData only: the dataset whose rows the band repeats, matched without regard to case.
    QString DataSetName;
    QList<TReportObject> Objects;

    bool operator==(const TReportBand &) const = default;
};
