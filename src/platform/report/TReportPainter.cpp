#include "TReportPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <cmath>

namespace {

constexpr double PaddingMm = 0.5;
constexpr double MeasurePixelsPerMm = 20;

int TextFlags(const TReportObject &object)
{
    return int(object.Alignment) | (object.WordWrap ? Qt::TextWordWrap : 0);
}

QRectF Scaled(const QRectF &mm, double k)
{
    return QRectF(mm.x() * k, mm.y() * k, mm.width() * k, mm.height() * k);
}

} // namespace

QFont TReportPainter::FontFor(const TReportObject &object, double pixelsPerMm)
{
    QFont font(object.FontName);
    font.setPixelSize(std::max(1, int(std::lround(object.FontSize * 25.4 / 72 * pixelsPerMm))));
    font.setBold(object.Bold);
    return font;
}

double TReportPainter::TextHeight(const TReportObject &object, const QString &text)
{
    const QFontMetricsF metrics(FontFor(object, MeasurePixelsPerMm));
    const double width = std::max(1.0, (object.Bounds.width() - 2 * PaddingMm) * MeasurePixelsPerMm);
    const QRectF used = metrics.boundingRect(QRectF(0, 0, width, 1e7), TextFlags(object) & ~Qt::AlignVertical_Mask, text);
    return used.height() / MeasurePixelsPerMm + 2 * PaddingMm;
}

void TReportPainter::PaintPage(QPainter &painter, const TPreparedPage &page, double k)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const TReportObject &o : page.Objects) {
        QPen pen(Qt::black);
        pen.setWidthF(std::max(1.0, o.LineWidth * k));
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const QRectF r = Scaled(o.Bounds, k);
        switch (o.Kind) {
        case TReportObjectKind::Line:
            painter.drawLine(r.topLeft(), r.bottomRight());
            break;
        case TReportObjectKind::Rectangle:
            painter.drawRect(r);
            break;
        case TReportObjectKind::Text:
            if (o.Frame & fsLeft) painter.drawLine(r.topLeft(), r.bottomLeft());
            if (o.Frame & fsTop) painter.drawLine(r.topLeft(), r.topRight());
            if (o.Frame & fsRight) painter.drawLine(r.topRight(), r.bottomRight());
            if (o.Frame & fsBottom) painter.drawLine(r.bottomLeft(), r.bottomRight());
            painter.setFont(FontFor(o, k));
            painter.drawText(r.adjusted(PaddingMm * k, PaddingMm * k, -PaddingMm * k, -PaddingMm * k), TextFlags(o), o.Text);
            break;
        }
    }
    painter.restore();
}
