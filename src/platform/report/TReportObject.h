#pragma once

#include <QRectF>
#include <QString>

enum class TReportObjectKind { Text, Line, Rectangle };

// Which sides of a text object's box are drawn.
enum TFrameSide : unsigned {
    fsNone = 0x0,
    fsLeft = 0x1,
    fsTop = 0x2,
    fsRight = 0x4,
    fsBottom = 0x8,
    fsAll = 0xF,
};

// One drawable thing of a band: a text box, a line or a rectangle. Geometry is in millimetres,
// relative to the band in a template and to the page in a prepared report. A line runs from the
// top-left to the bottom-right corner of Bounds.
struct TReportObject {
    TReportObjectKind Kind = TReportObjectKind::Text;
    QRectF Bounds;
    QString Text;
    QString FontName = QStringLiteral("宋体");
    double FontSize = 9; // points
    bool Bold = false;
    unsigned Frame = fsNone;
    Qt::Alignment Alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool WordWrap = false;
    // The box grows downwards to hold its whole text, and its band with it.
    bool Stretch = false;
    // Applied to numeric values of the references in Text, e.g. "####0.00".
    QString DisplayFormat;
    double LineWidth = 0.2; // millimetres, for frames, lines and rectangles

    bool operator==(const TReportObject &) const = default;
};
