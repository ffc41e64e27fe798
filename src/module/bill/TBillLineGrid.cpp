#include "TBillLineGrid.h"

#include "module/services/TZorvaClass.h"
#include "platform/data/NumberText.h"
#include "platform/widgets/TAdvColumnGrid.h"
#include "platform/win/ApplicationErrors.h"
#include "platform/win/MessageBox.h"

TBillLineGrid::TBillLineGrid(TAdvColumnGrid &grid, TPaymentRecords &lines, int amountCol, TZorvaClass &service,
                             QWidget *lookupPanel, Win::HWND owner)
    : m_service(service), m_lookupPanel(lookupPanel), m_owner(owner), m_grid(grid), m_lines(lines),
      m_amountCol(amountCol)
{
}

TBillLineGrid::~TBillLineGrid()
{
    // The grid may outlive its editor; it must not call into it any more.
    m_grid.SetOnKeyDown({});
    m_grid.SetOnKeyPress({});
    m_grid.SetOnSelectCell({});
    m_grid.SetOnCanEditCell({});
}

void TBillLineGrid::Setup(const QList<TBillGridColumn> &columns)
{
    m_grid.SetColCount(int(columns.size()));
    m_grid.SetRowCount(NewBillRows);
    m_grid.SetDefaultRowHeight(19);
    m_grid.SetEditable(true);
    m_grid.SetFloatingFooter(true);
    m_grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (int col = 0; col < columns.size(); ++col) {
        const TBillGridColumn &column = columns.at(col);
        m_grid.SetCells(col, 0, QStringLiteral("<p align=\"center\">%1</p>").arg(column.Header));
        m_grid.SetColWidths(col, column.Width);
        m_grid.SetColumnAlignment(col, column.Alignment | Qt::AlignVCenter);
    }
    // Every hook runs guarded: a key whose handler raised goes no further, a move whose check
    // raised is refused, and the error is shown once.
    m_grid.SetOnKeyDown([this](int &key, Qt::KeyboardModifiers) {
        if (!Win::Guarded([&] { KeyDown(key); }))
            key = 0;
    });
    m_grid.SetOnKeyPress([this](QChar &key) {
        if (!Win::Guarded([&] { KeyPress(key); }))
            key = QChar();
    });
    m_grid.SetOnSelectCell([this](int col, int row, bool &canSelect) {
        if (!Win::Guarded([&] { SelectCell(col, row, canSelect); }))
            canSelect = false;
    });
}

void TBillLineGrid::Clear()
{
    m_grid.ClearRows(1, m_grid.RowCount() - 2);
    m_grid.SetRowCount(NewBillRows);
    m_lines.Clear();
    RecalcFooter();
}

TPaymentRecord &TBillLineGrid::AppendLine(TPaymentRecord line, const QStringList &cells)
{
    const int row = m_lines.Count() + 1;
    if (row >= m_grid.RowCount() - 1)
        m_grid.InsertRows(m_grid.RowCount() - 1, 1);
    for (int col = 0; col < cells.size(); ++col)
        m_grid.SetCells(col, row, cells.at(col));
    return m_lines.Add(std::move(line));
}

void TBillLineGrid::SwitchOnFooterSum()
{
    m_grid.SetColumnCalc(m_amountCol, TAdvColumnGrid::acSUM);
    RecalcFooter();
}

void TBillLineGrid::RecalcFooter()
{
    m_grid.RecalcFooter();
}

double TBillLineGrid::AmountAt(int row) const
{
    const QString text = m_grid.Cells(m_amountCol, row).trimmed();
    return text.isEmpty() ? 0 : StrToFloat(text);
}

void TBillLineGrid::KeyDown(int &key)
{
    const bool walking = m_walking;
    m_walking = key == Qt::Key_Left || key == Qt::Key_Right;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (walking)
            key = 0;
        else
            EnterKey(key);
        return;
    }
    if (key == Qt::Key_Down && m_lines.Count() > 0 && m_grid.Row() == m_lines.Count()) {
        key = 0;
        if (m_grid.Row() + 1 == m_grid.RowCount() - 1)
            m_grid.InsertRows(m_grid.RowCount() - 1, 1);
        else
            m_grid.SelectCell(m_grid.Col(), m_grid.Row() + 1);
    }
}

void TBillLineGrid::KeyPress(QChar &key)
{
    if (!IsAmountCell(m_grid.Col(), m_grid.Row()) || key == u'\b' || !key.isPrint() || key.isDigit())
        return;
    const QString cell = m_grid.Cells(m_grid.Col(), m_grid.Row());
    const bool accepted = (key == u'.' && !cell.contains(u'.')) || (key == u'-' && cell.isEmpty());
    if (!accepted)
        key = QChar();
}

void TBillLineGrid::SelectCell(int col, int row, bool &canSelect)
{
    if (row > EntryRow()) {
        canSelect = false;
        return;
    }
    LeaveCell(col, row, canSelect);
    if (canSelect)
        RecalcFooter();
}

void TBillLineGrid::Advance()
{
    const int row = m_grid.Row();
    if (m_grid.RowCount() == m_lines.Count() + 2)
        m_grid.InsertRows(m_grid.RowCount() - 1, 1);
    m_grid.SelectCell(0, row + 1);
}

QPoint TBillLineGrid::LookupPlace() const
{
    const QPoint grid = m_grid.mapTo(m_lookupPanel, QPoint(0, 0));
    return {grid.x() + m_grid.ColWidths(0), grid.y() + m_grid.DefaultRowHeight() * m_grid.Row()};
}

void TBillLineGrid::WaitForLookup() const
{
    m_service.WaitWhileLookupOpen();
}

void TBillLineGrid::ShowBox(const QString &text, const QString &caption, unsigned flags) const
{
    Win::MessageBox(m_owner, text, caption, flags);
}
