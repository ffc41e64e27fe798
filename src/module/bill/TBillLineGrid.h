#pragma once

#include "TPaymentRecords.h"

#include "platform/win/WindowHandles.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <Qt>

class QWidget;
class TAdvColumnGrid;
class TZorvaClass;

// One column of a bill grid as the form designs it.
struct TBillGridColumn {
    QString Header;
    int Width = 64;
    Qt::Alignment Alignment = Qt::AlignLeft;
};

// What the item grid and the payment grid of a bill form share. Line k of the list (from 1) is
// shown in row k; the row after the last line is the entry row, where a new line starts, and no
// row below it can be selected. Left and Right set the walk flag and every other key clears it;
// an Enter pressed while it is set only clears it. Down on the last line row grows the grid
// when the footer is next. In the amount column of a line row only digits, one "." and a
// leading "-" can be typed. Once the footer sum is on, it is recalculated after every accepted
// move. Enter and
// leaving a cell are the derived grid's. It does not read or write the configuration file.
class TBillLineGrid {
public:
    static constexpr int NewBillRows = 35;

    virtual ~TBillLineGrid();
    TBillLineGrid(const TBillLineGrid &) = delete;
    TBillLineGrid &operator=(const TBillLineGrid &) = delete;

    TAdvColumnGrid &Grid() const { return m_grid; }
    TPaymentRecords &Lines() const { return m_lines; }
    int AmountCol() const { return m_amountCol; }
    bool IsLineRow(int row) const { return row >= 1 && row <= m_lines.Count(); }
    int EntryRow() const { return m_lines.Count() + 1; }

    // Empties every data row and the list; the grid has NewBillRows rows again.
    void Clear();
    // Appends line to the list and shows cells (from column 0) in its row, first inserting an
    // empty row before the footer when the row would be the footer.
    TPaymentRecord &AppendLine(TPaymentRecord line, const QStringList &cells);
    // The footer shows the sum of the amount column from now on.
    void SwitchOnFooterSum();
    void RecalcFooter();
    // The number in the amount cell of row; an empty cell is 0. Raises EConvertError for text
    // that is not a number.
    double AmountAt(int row) const;

protected:
    TBillLineGrid(TAdvColumnGrid &grid, TPaymentRecords &lines, int amountCol, TZorvaClass &service,
                  QWidget *lookupPanel, Win::HWND owner);

    // Columns, rows and the key and cell hooks.
    void Setup(const QList<TBillGridColumn> &columns);

    // Enter while the walk flag is not set; setting key to 0 consumes it.
    virtual void EnterKey(int &key) = 0;
    // The cursor is about to leave the current cell for (col, row), a row the grid allows.
    virtual void LeaveCell(int col, int row, bool &canSelect) = 0;
    // A character typed in the current cell; QChar() drops it.
    virtual void KeyPress(QChar &key);

    // Grows the grid before the footer when no free row is left, then moves to column 0 of the
    // next row.
    void Advance();
    // Where a lookup list opens: under the current row, right of column 0, in the panel's
    // coordinates.
    QPoint LookupPlace() const;
    // Runs after a lookup has been opened: processes events until the clerk has closed the list.
    void WaitForLookup() const;
    void ShowBox(const QString &text, const QString &caption, unsigned flags) const;
    bool IsAmountCell(int col, int row) const { return col == m_amountCol && IsLineRow(row); }

    TZorvaClass &m_service;
    QWidget *m_lookupPanel;
    Win::HWND m_owner;

private:
    void KeyDown(int &key);
    void SelectCell(int col, int row, bool &canSelect);

    TAdvColumnGrid &m_grid;
    TPaymentRecords &m_lines;
    int m_amountCol;
    bool m_walking = false;
};
