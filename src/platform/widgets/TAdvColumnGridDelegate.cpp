#include "TAdvColumnGridDelegate_p.h"

#include <QApplication>
#include <QPainter>

void TAdvColumnGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    painter->save();
    painter->fillRect(option.rect, selected ? option.palette.brush(group, QPalette::Highlight)
                                            : index.data(Qt::BackgroundRole).value<QBrush>());
    const QVariant check = index.data(Qt::CheckStateRole);
    if (check.isValid()) {
        QStyle *style = option.widget ? option.widget->style() : QApplication::style();
        QStyleOptionViewItem box(option);
        const int size = style->pixelMetric(QStyle::PM_IndicatorWidth, &option, option.widget);
        box.rect = QRect(0, 0, size, size);
        box.rect.moveCenter(option.rect.center());
        box.state = (box.state & ~QStyle::State_HasFocus) |
                    (check.toInt() == Qt::Checked ? QStyle::State_On : QStyle::State_Off);
        style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, option.widget);
    } else {
        painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        const QRect textRect = option.rect.adjusted(3, 0, -3, 0);
        const QString text = index.data(Qt::DisplayRole).toString();
        painter->drawText(textRect, index.data(Qt::TextAlignmentRole).toInt(),
                          option.fontMetrics.elidedText(text, Qt::ElideRight, textRect.width()));
    }
    painter->restore();
}
