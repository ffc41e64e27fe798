#pragma once

#include "platform/data/Result.h"

#include <QStringList>

class QAbstractItemView;
class QWidget;

// Reads and moves the cells of a grid or list as the clerk does. A column grid is addressed as
// its own Cells are (row 0 the header, the footer last) and its cursor moves only where the grid
// agrees; any other item view through its model, COL and ROW counting model columns and rows
// from 0. The plug-in carries its own copy of the column grid's class, so a grid is recognised
// by its class name and called through Qt's meta-object system, never by a C++ cast.
class TItemViewAccess {
public:
    explicit TItemViewAccess(QWidget *control);

    bool IsGrid() const { return m_view != nullptr; }
    Result<QString> CellText(int column, int row) const;
    QString CurrentText() const;
    // The column titles (empty when the model has none), then one tab-separated line a row.
    QStringList HeaderAndRows(bool &hasHeader) const;
    Result<void> SetCurrentCell(int column, int row);
    Result<void> ToggleCheck(int column, int row);
    // Makes the first row whose cell in any column reads text the current, selected row.
    Result<void> ChooseRow(const QString &text);

private:
    Result<void> CheckCell(int column, int row) const;
    QString GridCell(int column, int row) const;

    QAbstractItemView *m_view = nullptr;
    QAbstractItemView *m_grid = nullptr; // m_view when it is a TAdvColumnGrid
};
