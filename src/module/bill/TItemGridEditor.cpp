#include "TItemGridEditor.h"

#include "module/services/TZorvaClass.h"
#include "platform/data/NumberText.h"
#include "platform/widgets/TAdvColumnGrid.h"
#include "platform/widgets/TColor.h"
#include "platform/win/MessageBox.h"

#include <QPointer>

namespace {

const QString AmountFormat = QStringLiteral("####0.00");

} // namespace

TItemGridEditor::TItemGridEditor(TAdvColumnGrid &grid, TPaymentRecords &items, TZorvaClass &service,
                                 QWidget *lookupPanel, Win::HWND owner)
    : TBillLineGrid(grid, items, AmountColumn, service, lookupPanel, owner)
{
    Setup({{QStringLiteral("收款项目编码"), 93, Qt::AlignLeft},
           {QStringLiteral("收款项目名称"), 95, Qt::AlignLeft},
           {QStringLiteral("含税金额"), 84, Qt::AlignRight},
           {QStringLiteral("订单号"), 109, Qt::AlignLeft},
           {QStringLiteral("备注"), 100, Qt::AlignLeft}});
    grid.SetOnCanEditCell([this](int col, int row, bool &canEdit) {
        if (IsFirstItemCell(col, row))
            canEdit = false;
    });
}

void TItemGridEditor::StartBill(const QString &firstCode, const QString &firstName)
{
    TAdvColumnGrid &grid = Grid();
    grid.ClearRows(1, grid.RowCount() - 2);
    grid.SetRowCount(NewBillRows);
    grid.SetCells(CodeCol, 1, firstCode);
    grid.SetCells(NameCol, 1, firstName);
    Lines().Clear();
    TPaymentRecord first;
    first.f_sfxmbm = firstCode;
    first.f_sfxmmc = firstName;
    Lines().Add(first);
    grid.FocusCell(CodeCol, 1);
    RecalcFooter();
}

bool TItemGridEditor::DeleteRow()
{
    const int row = Grid().Row();
    if (!IsLineRow(row) || row == 1)
        return false;
    Lines().Delete(row - 1);
    Grid().RemoveRows(row, 1);
    RecalcFooter();
    return true;
}

bool TItemGridEditor::InsertRow()
{
    const int row = Grid().Row();
    if (!IsLineRow(row) || row == 1)
        return false;
    Lines().Insert(row - 1);
    Grid().InsertRows(row, 1);
    RecalcFooter();
    return true;
}

bool TItemGridEditor::TakeCurrentRow()
{
    TAdvColumnGrid &grid = Grid();
    const int row = grid.Row();
    if (!IsLineRow(row))
        return true;
    if (row == 1 && grid.Cells(AmountColumn, 1).isEmpty())
        grid.SetCells(AmountColumn, 1, QStringLiteral("0.00"));
    TPaymentRecord &line = Lines().Items(row - 1);
    if (line.f_sfxmbm.trimmed().isEmpty()) {
        ShowBox(QStringLiteral("应收项目不能为空"), QStringLiteral("提示"), Win::MB_OK | Win::MB_ICONINFORMATION);
        grid.FocusCell(CodeCol, row);
        return false;
    }
    line.f_sfje = StrToFloat(grid.Cells(AmountColumn, row));
    return true;
}

void TItemGridEditor::EnterKey(int &key)
{
    const int col = Grid().Col();
    const int row = Grid().Row();
    if (col == CodeCol || col == NameCol) {
        key = 0;
        LookupItem(col, row);
        return;
    }
    if (!IsLineRow(row))
        return;
    if (col == AmountColumn) {
        key = 0;
        Advance();
    } else if (col == RemarkCol) {
        key = 0;
        Lines().Items(row - 1).f_sfxmbz = Grid().Cells(RemarkCol, row);
        Advance();
    }
}

void TItemGridEditor::LookupItem(int col, int row)
{
    TAdvColumnGrid &grid = Grid();
    QPointer<TAdvColumnGrid> alive(&grid);
    grid.HideInplaceEdit();
    const QPoint at = LookupPlace();
    m_service.LookupPayInOut(col == CodeCol ? 0 : 1, m_lookupPanel, &grid, &grid, grid.Cells(col, row), m_payInOut,
                             clWhite, 0, 0, at.y(), at.x());
    WaitForLookup();
    // The form may have gone while the clerk was choosing.
    if (!alive)
        return;
    if (m_payInOut.Code.isEmpty()) {
        const bool lineRow = IsLineRow(row);
        grid.SetCells(CodeCol, row, lineRow ? Lines().Items(row - 1).f_sfxmbm : QString());
        grid.SetCells(NameCol, row, lineRow ? Lines().Items(row - 1).f_sfxmmc : QString());
        return;
    }
    const QString chosen = m_payInOut.Code.trimmed();
    for (int k = 0; k < Lines().Count(); ++k) {
        if (k != row - 1 && Lines().Items(k).f_sfxmbm.trimmed() == chosen) {
            ShowBox(QStringLiteral("此收付项目已经存在，不能存在相同的收付项目"), QStringLiteral("错误"),
                    Win::MB_OK | Win::MB_ICONERROR);
            for (const int emptied : {CodeCol, NameCol, AmountColumn})
                grid.SetCells(emptied, row, QString());
            return;
        }
    }
    TPaymentRecord &line = IsLineRow(row) ? Lines().Items(row - 1) : Lines().Add();
    line.f_sfxmbm = m_payInOut.Code;
    line.f_sfxmmc = m_payInOut.Name;
    grid.SetCells(CodeCol, row, line.f_sfxmbm);
    grid.SetCells(NameCol, row, line.f_sfxmmc);
    grid.SelectCell(AmountColumn, row);
}

void TItemGridEditor::LeaveCell(int, int row, bool &canSelect)
{
    TAdvColumnGrid &grid = Grid();
    const int current = grid.Row();
    if (!IsLineRow(current))
        return;
    const QString amount = grid.Cells(AmountColumn, current).trimmed();
    if (grid.Col() == AmountColumn && !amount.isEmpty())
        grid.SetCells(AmountColumn, current, FormatFloat(AmountFormat, StrToFloat(amount)));
    if (row == current)
        return;
    TPaymentRecord &line = Lines().Items(current - 1);
    if (line.f_sfxmbm.trimmed().isEmpty()) {
        canSelect = false;
        grid.FocusCell(CodeCol, current);
        return;
    }
    if (amount.isEmpty()) {
        canSelect = false;
        grid.FocusCell(AmountColumn, current);
        return;
    }
    grid.SetCells(CodeCol, current, line.f_sfxmbm);
    grid.SetCells(NameCol, current, line.f_sfxmmc);
    line.f_sfje = StrToFloat(grid.Cells(AmountColumn, current));
}

void TItemGridEditor::KeyPress(QChar &key)
{
    if (IsFirstItemCell(Grid().Col(), Grid().Row()) && (key.isPrint() || key == u'\b')) {
        key = QChar();
        return;
    }
    TBillLineGrid::KeyPress(key);
}

bool TItemGridEditor::IsFirstItemCell(int col, int row) const
{
    return row == 1 && (col == CodeCol || col == NameCol) && IsLineRow(row);
}
