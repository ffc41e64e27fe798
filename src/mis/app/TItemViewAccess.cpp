#include "TItemViewAccess.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QTest>

namespace {

// A cell shows a check box when it has a check state, whatever its flags allow.
bool IsCheckBox(const QModelIndex &index)
{
    return index.data(Qt::CheckStateRole).isValid();
}

QString CellString(const QModelIndex &index)
{
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!IsCheckBox(index))
        return text;
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    return (checked ? QStringLiteral("[x]") : QStringLiteral("[ ]")) + (text.isEmpty() ? QString() : " " + text);
}

// Calls an invokable member of a column grid and gives its result.
template <typename T, typename... Args>
T Grid(QObject *grid, const char *member, Args... args)
{
    T result{};
    QMetaObject::invokeMethod(grid, member, Qt::DirectConnection,
                              QReturnArgument<T>(QMetaType::fromType<T>().name(), result),
                              QArgument<Args>(QMetaType::fromType<Args>().name(), args)...);
    return result;
}

int RowCount(QObject *grid)
{
    return grid->property("RowCount").toInt();
}

int ColCount(QObject *grid)
{
    return grid->property("ColCount").toInt();
}

QString Cells(QObject *grid, int column, int row)
{
    return Grid<QString>(grid, "Cells", column, row);
}

int FixedRows(QObject *grid)
{
    return Grid<int>(grid, "FixedRows");
}

} // namespace

TItemViewAccess::TItemViewAccess(QWidget *control)
{
    m_view = qobject_cast<QAbstractItemView *>(control);
    // A composite grid (a view with a footer, say) holds its view inside.
    if (!m_view && control)
        m_view = control->findChild<QAbstractItemView *>();
    if (m_view && !m_view->model())
        m_view = nullptr;
    if (m_view && m_view->inherits("TAdvColumnGrid"))
        m_grid = m_view;
}

QString TItemViewAccess::GridCell(int column, int row) const
{
    const bool footer = Grid<bool>(m_grid, "FloatingFooter");
    const bool dataRow = row >= FixedRows(m_grid) && row < RowCount(m_grid) - (footer ? 1 : 0);
    const QString text = Cells(m_grid, column, row);
    if (!dataRow || !Grid<bool>(m_grid, "IsCheckBoxColumn", column))
        return text;
    return (Grid<bool>(m_grid, "IsChecked", column, row) ? QStringLiteral("[x]") : QStringLiteral("[ ]"))
           + (text.isEmpty() ? QString() : " " + text);
}

Result<void> TItemViewAccess::CheckCell(int column, int row) const
{
    if (m_grid) {
        if (row < RowCount(m_grid) && column < ColCount(m_grid))
            return Success();
        return Failure(QStringLiteral("cell %1,%2 is outside the grid of %3 columns and %4 rows")
                           .arg(column).arg(row).arg(ColCount(m_grid)).arg(RowCount(m_grid)));
    }
    const QAbstractItemModel *model = m_view->model();
    if (row < model->rowCount() && column < model->columnCount())
        return Success();
    return Failure(QStringLiteral("cell %1,%2 is outside the grid of %3 columns and %4 rows")
                       .arg(column).arg(row).arg(model->columnCount()).arg(model->rowCount()));
}

Result<QString> TItemViewAccess::CellText(int column, int row) const
{
    if (const Result<void> inside = CheckCell(column, row); !inside)
        return Failure(inside.Error());
    return m_grid ? GridCell(column, row) : CellString(m_view->model()->index(row, column));
}

QString TItemViewAccess::CurrentText() const
{
    if (m_grid)
        return GridCell(Grid<int>(m_grid, "Col"), Grid<int>(m_grid, "Row"));
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? CellString(current) : QString();
}

QStringList TItemViewAccess::HeaderAndRows(bool &hasHeader) const
{
    QStringList lines;
    if (m_grid) {
        hasHeader = true;
        for (int row = 0; row < RowCount(m_grid); ++row) {
            QStringList cells;
            for (int column = 0; column < ColCount(m_grid); ++column)
                cells << GridCell(column, row);
            lines << cells.join(QLatin1Char('\t'));
        }
        return lines;
    }
    const QAbstractItemModel *model = m_view->model();
    QStringList titles;
    hasHeader = false;
    for (int column = 0; column < model->columnCount(); ++column) {
        titles << model->headerData(column, Qt::Horizontal).toString();
        hasHeader = hasHeader || !titles.last().isEmpty();
    }
    if (hasHeader)
        lines << titles.join(QLatin1Char('\t'));
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << CellString(model->index(row, column));
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines;
}

Result<void> TItemViewAccess::SetCurrentCell(int column, int row)
{
    if (const Result<void> inside = CheckCell(column, row); !inside)
        return inside;
    if (m_grid)
        return Grid<bool>(m_grid, "SelectCell", column, row)
                   ? Success()
                   : Failure(QStringLiteral("the grid keeps its cursor off cell %1,%2").arg(column).arg(row));
    const QModelIndex index = m_view->model()->index(row, column);
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
    return Success();
}

Result<void> TItemViewAccess::ToggleCheck(int column, int row)
{
    if (m_grid) {
        if (const Result<void> inside = CheckCell(column, row); !inside)
            return inside;
        if (!Grid<bool>(m_grid, "IsCheckBoxColumn", column) || row < FixedRows(m_grid))
            return Failure(QStringLiteral("cell %1,%2 is not a check box the clerk can tick").arg(column).arg(row));
        // A click on the cell, as the clerk ticks it: the grid asks its handlers itself.
        const QModelIndex index = m_grid->model()->index(row - FixedRows(m_grid), column);
        m_grid->scrollTo(index);
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, Qt::NoModifier, m_grid->visualRect(index).center());
        return Success();
    }
    if (const Result<void> current = SetCurrentCell(column, row); !current)
        return current;
    const QModelIndex index = m_view->model()->index(row, column);
    if (!IsCheckBox(index) || !(index.flags() & Qt::ItemIsUserCheckable) || !(index.flags() & Qt::ItemIsEnabled))
        return Failure(QStringLiteral("cell %1,%2 is not a check box the clerk can tick").arg(column).arg(row));
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    if (!m_view->model()->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole))
        return Failure(QStringLiteral("cell %1,%2 did not take the tick").arg(column).arg(row));
    return Success();
}

Result<void> TItemViewAccess::ChooseRow(const QString &text)
{
    if (m_grid) {
        for (int row = FixedRows(m_grid); row < RowCount(m_grid); ++row)
            for (int column = 0; column < ColCount(m_grid); ++column)
                if (Cells(m_grid, column, row) == text)
                    return SetCurrentCell(column, row);
        return Failure(QStringLiteral("no row reads \"%1\"").arg(text));
    }
    const QAbstractItemModel *model = m_view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            if (index.data(Qt::DisplayRole).toString() != text)
                continue;
            m_view->setCurrentIndex(index);
            if (m_view->selectionModel())
                m_view->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            m_view->scrollTo(index);
            return Success();
        }
    }
    return Failure(QStringLiteral("no row reads \"%1\"").arg(text));
}
