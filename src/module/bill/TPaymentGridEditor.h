#pragma once

#include "TBillLineGrid.h"

#include "module/services/TLookupInfo.h"

#include <functional>

// The payment grid of a bill form (sgdinputsk) over the payment list: columns 支付方式 (the
// method's name), 收款金额 (the amount), 支票号码, 操作人 and 操作时间. Enter on the method looks it up
// by code and waits for the clerk's choice; the line chosen for is stamped with who entered it
// and when. An amount typed on the entry row without a method is discarded when the cursor
// leaves it; leaving a line row needs a method and an amount other than 0.
class TPaymentGridEditor : public TBillLineGrid {
public:
    static constexpr int MethodCol = 0;
    static constexpr int AmountColumn = 1;
    static constexpr int ChequeCol = 2;
    static constexpr int OperatorCol = 3;
    static constexpr int TimeCol = 4;

    // Fills f_czrbm, f_czrmc and f_czsj of a line whose method was just chosen.
    using TStampLine = std::function<void(TPaymentRecord &line)>;

    TPaymentGridEditor(TAdvColumnGrid &grid, TPaymentRecords &payments, TZorvaClass &service, QWidget *lookupPanel,
                       Win::HWND owner, TStampLine stamp);

    // "删  行" and "插  行": on any line row; false when nothing was done.
    bool DeleteRow();
    bool InsertRow();
    // Before a save: the current line row's amount and cheque number are taken into its line.
    // False, with the clerk told and the cursor placed, for a line row without an amount or a
    // method and for an amount on the entry row.
    bool TakeCurrentRow();

protected:
    void EnterKey(int &key) override;
    void LeaveCell(int col, int row, bool &canSelect) override;

private:
    void LookupMethod(int row);
    void Tell(const QString &text) const;

    TStampLine m_stamp;
    TpayModeInfo m_payMode;
};
