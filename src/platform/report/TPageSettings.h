#pragma once

#include <QMarginsF>
#include <QSizeF>
#include <QString>

// Paper, orientation and margins of a report, in millimetres. PaperSize is the portrait size.
struct TPageSettings {
    QString PaperName = QStringLiteral("A4"); // a known name, or "Custom"
    QSizeF PaperSize = QSizeF(210, 297);
    bool Landscape = false;
    QMarginsF Margins = QMarginsF(10, 10, 10, 10);

    QSizeF PageSize() const { return Landscape ? PaperSize.transposed() : PaperSize; }
    bool operator==(const TPageSettings &) const = default;
};
