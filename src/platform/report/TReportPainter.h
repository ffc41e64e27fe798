#pragma once

#include "TPreparedReport.h"

#include <QFont>
#include <QString>

class QPainter;

// Draws prepared pages with QPainter on any device (screen, printer, PDF) and is the one
// authority on how tall a text is, so that page layout and drawing agree.
class TReportPainter {
public:
    // Paints the page with its top-left corner at the painter's origin, pixelsPerMm device
    // pixels to a millimetre.
    static void PaintPage(QPainter &painter, const TPreparedPage &page, double pixelsPerMm);
    // The height in millimetres that a text object needs for text at its width.
    static double TextHeight(const TReportObject &object, const QString &text);
    static QFont FontFor(const TReportObject &object, double pixelsPerMm);
};
