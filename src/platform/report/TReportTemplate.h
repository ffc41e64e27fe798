#pragma once

#include "TPageSettings.h"
#include "TReportBand.h"

#include <QList>

#include <optional>

// A report design: page settings and bands. Texts of its objects hold bracketed references
// ([deptcode], [Cdsprint."f_Sfje"], [Page#], [SUM([Cdsprint."f_Skje"])]) that a TReport
// expands when it prepares the pages. Bills and grid reports build it the same way.
struct TReportTemplate {
    TPageSettings Page;
    QList<TReportBand> Bands;

    // The first band of kind, if any.
    const TReportBand *Band(TBandKind kind) const
    {
        for (const TReportBand &band : Bands)
            if (band.Kind == kind)
                return &band;
        return nullptr;
    }
    bool operator==(const TReportTemplate &) const = default;
};
