#pragma once

#include "TBillLineGrid.h"

#include "module/services/TLookupInfo.h"

// The receivable-item grid of the entry form (sgdInputys) over the item list: columns 收款项目编码,
// 收款项目名称, 含税金额 (the amount), 订单号 and 备注. Row 1 holds the bill's first item: its code and
// name take no typing, and it can be neither deleted nor preceded by an inserted line. Enter on a
// code or name looks the item up (by code or by name) and waits for the clerk's choice, which
// may not be an item of another line. Leaving a line row needs an item and an amount, which the
// line then keeps.
class TItemGridEditor : public TBillLineGrid {
public:
    static constexpr int CodeCol = 0;
    static constexpr int NameCol = 1;
    static constexpr int AmountColumn = 2;
    static constexpr int OrderCol = 3;
    static constexpr int RemarkCol = 4;

    // The lookup list opens on lookupPanel; boxes are owned by owner.
    TItemGridEditor(TAdvColumnGrid &grid, TPaymentRecords &items, TZorvaClass &service, QWidget *lookupPanel,
                    Win::HWND owner);

    // A new bill: row 1 shows only the first item (code, name), every other data row is empty,
    // the grid has NewBillRows rows, the list holds the first item's line and the cursor is in
    // row 1.
    void StartBill(const QString &firstCode, const QString &firstName);
    // "删  行" and "插  行": on a line row other than row 1; false when nothing was done.
    bool DeleteRow();
    bool InsertRow();
    // Before a save: the current line row's amount is taken into its line (an empty row 1
    // becomes "0.00"); false, with the clerk told and the cursor on the code, for a line
    // without an item.
    bool TakeCurrentRow();

protected:
    void EnterKey(int &key) override;
    void LeaveCell(int col, int row, bool &canSelect) override;
    void KeyPress(QChar &key) override;

private:
    void LookupItem(int col, int row);
    bool IsFirstItemCell(int col, int row) const;

    TPayInOutInfo m_payInOut;
};
