#pragma once

#include <QStyledItemDelegate>

// Paints one data cell of a column grid: its column's colour, its text in the column's
// alignment, or a centred check box in a check-box column. Editing is the grid's own, not the
// delegate's.
class TAdvColumnGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
