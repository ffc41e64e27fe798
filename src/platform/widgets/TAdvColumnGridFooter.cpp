#include "TAdvColumnGridFooter_p.h"

#include "TAdvColumnGrid.h"

#include <QHeaderView>
#include <QPainter>

TAdvColumnGridFooter::TAdvColumnGridFooter(TAdvColumnGrid *grid) : QWidget(grid), m_grid(grid) {}

void TAdvColumnGridFooter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), ColorToQColor(m_grid->FloatingFooterColor()));
    const QColor lineColor = ColorToQColor(m_grid->GridLineColor());
    const QHeaderView *columns = m_grid->horizontalHeader();
    const int footerRow = m_grid->RowCount() - 1;
    painter.setPen(lineColor);
    painter.drawLine(0, 0, width(), 0);
    for (int col = 0; col < m_grid->ColCount(); ++col) {
        if (columns->isSectionHidden(col))
            continue;
        const QRect cell(columns->sectionViewportPosition(col), 0, columns->sectionSize(col), height());
        painter.setPen(lineColor);
        painter.drawLine(cell.topRight(), cell.bottomRight());
        painter.setPen(ColorToQColor(clWindowText));
        const QRect textRect = cell.adjusted(3, 1, -3, 0);
        painter.drawText(textRect, int(m_grid->ColumnAlignment(col) | Qt::AlignVCenter),
                         painter.fontMetrics().elidedText(m_grid->Cells(col, footerRow), Qt::ElideRight, textRect.width()));
    }
}
