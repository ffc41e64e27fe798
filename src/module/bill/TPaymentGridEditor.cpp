#include "TPaymentGridEditor.h"

#include "module/services/TZorvaClass.h"
#include "platform/data/NumberText.h"
#include "platform/widgets/TAdvColumnGrid.h"
#include "platform/widgets/TColor.h"
#include "platform/win/MessageBox.h"

#include <QPointer>

TPaymentGridEditor::TPaymentGridEditor(TAdvColumnGrid &grid, TPaymentRecords &payments, TZorvaClass &service,
                                       QWidget *lookupPanel, Win::HWND owner, TStampLine stamp)
    : TBillLineGrid(grid, payments, AmountColumn, service, lookupPanel, owner), m_stamp(std::move(stamp))
{
    Setup({{QStringLiteral("支付方式"), 108, Qt::AlignLeft},
           {QStringLiteral("收款金额"), 131, Qt::AlignRight},
           {QStringLiteral("支票号码"), 128, Qt::AlignLeft},
           {QStringLiteral("操作人"), 100, Qt::AlignLeft},
           {QStringLiteral("操作时间"), 100, Qt::AlignLeft}});
}

bool TPaymentGridEditor::DeleteRow()
{
    const int row = Grid().Row();
    if (!IsLineRow(row))
        return false;
    Lines().Delete(row - 1);
    Grid().RemoveRows(row, 1);
    RecalcFooter();
    return true;
}

bool TPaymentGridEditor::InsertRow()
{
    const int row = Grid().Row();
    if (!IsLineRow(row))
        return false;
    Lines().Insert(row - 1);
    Grid().InsertRows(row, 1);
    RecalcFooter();
    return true;
}

bool TPaymentGridEditor::TakeCurrentRow()
{
    TAdvColumnGrid &grid = Grid();
    const int row = grid.Row();
    if (IsLineRow(row)) {
        TPaymentRecord &line = Lines().Items(row - 1);
        if (grid.Cells(AmountColumn, row).trimmed().isEmpty()) {
            Tell(QStringLiteral("收款项目的金额不能为空"));
            grid.FocusCell(AmountColumn, row);
            return false;
        }
        if (line.f_zffsbm.trimmed().isEmpty()) {
            Tell(QStringLiteral("收付方式不能空"));
            grid.FocusCell(MethodCol, row);
            return false;
        }
        line.f_zfje = StrToFloat(grid.Cells(AmountColumn, row));
        line.f_zph = grid.Cells(ChequeCol, row);
    } else if (row == EntryRow() && !grid.Cells(AmountColumn, row).trimmed().isEmpty()) {
        Tell(QStringLiteral("收款方式为空时不可以输入收款金额"));
        return false;
    }
    return true;
}

void TPaymentGridEditor::EnterKey(int &key)
{
    const int col = Grid().Col();
    const int row = Grid().Row();
    if (col == MethodCol) {
        key = 0;
        LookupMethod(row);
    } else if (col == AmountColumn) {
        key = 0;
        Grid().SelectCell(ChequeCol, row);
    } else if (col == ChequeCol && IsLineRow(row)) {
        key = 0;
        Advance();
    }
}

void TPaymentGridEditor::LookupMethod(int row)
{
    TAdvColumnGrid &grid = Grid();
    QPointer<TAdvColumnGrid> alive(&grid);
    grid.HideInplaceEdit();
    const QPoint at = LookupPlace();
    m_service.LookupPayMode(0, m_lookupPanel, &grid, &grid, grid.Cells(MethodCol, row), m_payMode, clWhite, 0, 0,
                            at.y(), at.x());
    WaitForLookup();
    // The form may have gone while the clerk was choosing.
    if (!alive)
        return;
    if (m_payMode.Code.isEmpty()) {
        grid.SetCells(MethodCol, row, IsLineRow(row) ? Lines().Items(row - 1).f_zffsmc : QString());
        return;
    }
    TPaymentRecord &line = IsLineRow(row) ? Lines().Items(row - 1) : Lines().Add();
    line.f_zffsbm = m_payMode.Code;
    line.f_zffsmc = m_payMode.Name;
    if (m_stamp)
        m_stamp(line);
    grid.SetCells(MethodCol, row, line.f_zffsmc);
    grid.SetCells(OperatorCol, row, line.f_czrmc);
    grid.SetCells(TimeCol, row, line.f_czsj);
    grid.SelectCell(AmountColumn, row);
}

void TPaymentGridEditor::LeaveCell(int, int row, bool &canSelect)
{
    TAdvColumnGrid &grid = Grid();
    const int current = grid.Row();
    if (current == EntryRow()) {
        if (!grid.Cells(AmountColumn, current).trimmed().isEmpty())
            grid.SetCells(AmountColumn, current, QString());
        return;
    }
    if (!IsLineRow(current))
        return;
    const QString amount = grid.Cells(AmountColumn, current).trimmed();
    if (grid.Col() == AmountColumn && !amount.isEmpty())
        grid.SetCells(AmountColumn, current, FormatFloat(QStringLiteral("####0.00"), StrToFloat(amount)));
    if (row == current)
        return;
    TPaymentRecord &line = Lines().Items(current - 1);
    if (line.f_zffsbm.trimmed().isEmpty()) {
        canSelect = false;
        grid.FocusCell(MethodCol, current);
        return;
    }
    if (amount.isEmpty() || SameAmount(StrToFloat(amount), 0)) {
        canSelect = false;
        grid.FocusCell(AmountColumn, current);
        return;
    }
    grid.SetCells(MethodCol, current, line.f_zffsmc);
    line.f_zfje = StrToFloat(grid.Cells(AmountColumn, current));
    line.f_zph = grid.Cells(ChequeCol, current);
}

void TPaymentGridEditor::Tell(const QString &text) const
{
    ShowBox(text, QStringLiteral("提示"), Win::MB_OK | Win::MB_ICONINFORMATION);
}
