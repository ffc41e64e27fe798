#include "TAdvColumnGridHeader_p.h"

#include "TAdvColumnGrid.h"

#include <QPainter>

TAdvColumnGridHeader::TAdvColumnGridHeader(TAdvColumnGrid *grid) : QHeaderView(Qt::Horizontal, grid), m_grid(grid)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setMinimumSectionSize(1);
}

void TAdvColumnGridHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    painter->save();
    painter->fillRect(rect, ColorToQColor(m_grid->FixedColor()));
    painter->setPen(ColorToQColor(m_grid->GridLineColor()));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->setFont(m_grid->FixedFont());
    painter->setPen(ColorToQColor(m_grid->FixedFontColor()));
    const QRect textRect = rect.adjusted(2, 0, -2, 0);
    const QString text = model()->headerData(logicalIndex, Qt::Horizontal).toString();
    painter->drawText(textRect, Qt::AlignCenter, painter->fontMetrics().elidedText(text, Qt::ElideRight, textRect.width()));
    painter->restore();
}
