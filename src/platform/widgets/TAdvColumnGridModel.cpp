#include "TAdvColumnGridModel_p.h"

#include <QBrush>
#include <QTextDocumentFragment>

#include <algorithm>

namespace {

// Headers may carry simple markup such as <p align="center">…</p>; the clerk sees the text.
QString PlainHeader(const QString &text)
{
    if (!text.contains(QLatin1Char('<')))
        return text;
    return QTextDocumentFragment::fromHtml(text).toPlainText().trimmed();
}

} // namespace

TAdvColumnGridModel::TAdvColumnGridModel(QObject *parent) : QAbstractTableModel(parent)
{
    m_columns.resize(5);
    m_rows.fill(EmptyRow(), 5);
}

void TAdvColumnGridModel::SetRowCount(int count)
{
    count = std::max(count, m_hasFooter ? 2 : 1);
    const int lastData = LastDataRow();
    const int newLastData = count - 1 - (m_hasFooter ? 1 : 0);
    if (newLastData > lastData)
        InsertRows(lastData + 1, newLastData - lastData);
    else if (newLastData < lastData)
        RemoveRows(newLastData + 1, lastData - newLastData);
}

void TAdvColumnGridModel::SetColCount(int count)
{
    count = std::max(count, 1);
    const int old = ColCount();
    if (count == old)
        return;
    if (count > old)
        beginInsertColumns(QModelIndex(), old, count - 1);
    else
        beginRemoveColumns(QModelIndex(), count, old - 1);
    m_columns.resize(count);
    for (TRow &row : m_rows)
        row.resize(count);
    if (count > old)
        endInsertColumns();
    else
        endRemoveColumns();
    emit FooterChanged();
}

void TAdvColumnGridModel::SetHasFooter(bool on)
{
    if (on == m_hasFooter)
        return;
    if (on && RowCount() < 2) {
        // A grid of the header alone first gets a row to become the footer.
        m_rows.append(EmptyRow());
        m_hasFooter = true;
    } else if (on) {
        // The last data row becomes the footer.
        beginRemoveRows(QModelIndex(), RowCount() - 2, RowCount() - 2);
        m_hasFooter = true;
        endRemoveRows();
    } else {
        beginInsertRows(QModelIndex(), RowCount() - 2, RowCount() - 2);
        m_hasFooter = false;
        endInsertRows();
    }
    emit FooterChanged();
}

QString TAdvColumnGridModel::Cell(int col, int row) const
{
    return IsCell(col, row) ? m_rows.at(row).at(col).Text : QString();
}

void TAdvColumnGridModel::SetCell(int col, int row, const QString &text)
{
    if (!IsCell(col, row) || m_rows.at(row).at(col).Text == text)
        return;
    m_rows[row][col].Text = text;
    CellChanged(col, row);
}

bool TAdvColumnGridModel::Checked(int col, int row) const
{
    return IsCell(col, row) && m_rows.at(row).at(col).Checked;
}

void TAdvColumnGridModel::SetChecked(int col, int row, bool checked)
{
    if (!IsCell(col, row) || m_rows.at(row).at(col).Checked == checked)
        return;
    m_rows[row][col].Checked = checked;
    CellChanged(col, row);
}

void TAdvColumnGridModel::InsertRows(int row, int count)
{
    if (count <= 0 || row < 1 || row > LastDataRow() + 1)
        return;
    beginInsertRows(QModelIndex(), row - 1, row + count - 2);
    m_rows.insert(row, count, EmptyRow());
    endInsertRows();
}

void TAdvColumnGridModel::RemoveRows(int row, int count)
{
    count = std::min(count, LastDataRow() - row + 1);
    if (count <= 0 || row < 1)
        return;
    beginRemoveRows(QModelIndex(), row - 1, row + count - 2);
    m_rows.remove(row, count);
    endRemoveRows();
}

void TAdvColumnGridModel::ClearRows(int row, int count)
{
    const int first = std::max(row, 1);
    const int last = std::min(row + count - 1, LastDataRow());
    if (first > last)
        return;
    for (int r = first; r <= last; ++r)
        m_rows[r] = EmptyRow();
    emit dataChanged(index(first - 1, 0), index(last - 1, ColCount() - 1));
}

void TAdvColumnGridModel::SetCellColor(TColor color)
{
    m_cellColor = color;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColCount() - 1), {Qt::BackgroundRole});
}

void TAdvColumnGridModel::CellChanged(int col, int row)
{
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else if (row == FooterRow())
        emit FooterChanged();
    else
        emit dataChanged(index(row - 1, col), index(row - 1, col));
}

void TAdvColumnGridModel::ColumnChanged(int col)
{
    if (rowCount() > 0)
        emit dataChanged(index(0, col), index(rowCount() - 1, col));
    emit headerDataChanged(Qt::Horizontal, col, col);
    emit FooterChanged();
}

int TAdvColumnGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : LastDataRow();
}

int TAdvColumnGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColCount();
}

QVariant TAdvColumnGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int col = index.column();
    const int row = index.row() + 1;
    const TColumn &column = m_columns.at(col);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return Cell(col, row);
    case Qt::CheckStateRole:
        if (column.CheckBox)
            return Checked(col, row) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        return int(column.Alignment | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return QBrush(ColorToQColor(column.Color.value_or(m_cellColor)));
    default:
        return {};
    }
}

bool TAdvColumnGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid())
        return false;
    const int col = index.column();
    const int row = index.row() + 1;
    if (role == Qt::CheckStateRole && m_columns.at(col).CheckBox)
        SetChecked(col, row, value.toInt() == Qt::Checked);
    else if (role == Qt::EditRole || role == Qt::DisplayRole)
        SetCell(col, row, value.toString());
    else
        return false;
    return true;
}

QVariant TAdvColumnGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColCount())
        return {};
    if (role == Qt::DisplayRole)
        return PlainHeader(Cell(section, 0));
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags TAdvColumnGridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
