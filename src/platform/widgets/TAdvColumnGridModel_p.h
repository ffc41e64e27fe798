#pragma once

#include "platform/widgets/TColor.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <optional>

// The cells and column settings of a TAdvColumnGrid, addressed the grid's way: [column, row],
// row 0 the header, the last row the footer while the grid has one. As a Qt model it shows
// only the rows between them (model row = grid row - 1); the header row is its header data,
// and the footer is painted by the grid itself. Knows nothing of cursor, editing or keys.
class TAdvColumnGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct TColumn {
        int Width = 64;
        bool Visible = true;
        bool ReadOnly = false;
        bool CheckBox = false;
        Qt::Alignment Alignment = Qt::AlignLeft;
        std::optional<TColor> Color;
        bool Sum = false;
        QString SumFormat;
    };

    explicit TAdvColumnGridModel(QObject *parent = nullptr);

    int RowCount() const { return int(m_rows.size()); }
    void SetRowCount(int count);
    int ColCount() const { return int(m_columns.size()); }
    void SetColCount(int count);
    bool HasFooter() const { return m_hasFooter; }
    void SetHasFooter(bool on);
    int FooterRow() const { return m_hasFooter ? RowCount() - 1 : -1; }
    int LastDataRow() const { return RowCount() - 1 - (m_hasFooter ? 1 : 0); }
    bool IsDataRow(int row) const { return row >= 1 && row <= LastDataRow(); }
    bool IsCell(int col, int row) const { return col >= 0 && col < ColCount() && row >= 0 && row < RowCount(); }

    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString &text);
    bool Checked(int col, int row) const;
    void SetChecked(int col, int row, bool checked);
    // Rows go in before row (the footer stays last); only data rows can be removed or cleared.
    void InsertRows(int row, int count);
    void RemoveRows(int row, int count);
    void ClearRows(int row, int count);

    const TColumn &Column(int col) const { return m_columns.at(col); }
    // Changes a column's settings and repaints what shows them.
    template <typename Change>
    void ChangeColumn(int col, Change change)
    {
        change(m_columns[col]);
        ColumnChanged(col);
    }
    TColor CellColor() const { return m_cellColor; }
    void SetCellColor(TColor color);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    void FooterChanged();

private:
    struct TCell {
        QString Text;
        bool Checked = false;
    };
    using TRow = QList<TCell>;

    TRow EmptyRow() const { return TRow(ColCount()); }
    void CellChanged(int col, int row);
    void ColumnChanged(int col);

    QList<TRow> m_rows;
    QList<TColumn> m_columns;
    bool m_hasFooter = true;
    TColor m_cellColor = clWindow;
};
