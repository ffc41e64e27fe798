#pragma once

#include "module/host/THostDataService.h"
#include "platform/win/WindowHandles.h"

#include <QString>

#include <optional>

class TItemGridEditor;
class TPaymentGridEditor;

// The header of the bill on screen as a save stamps it onto every line: the boxes' texts (the
// remark untrimmed), the bill date yyyymmdd, the maker and the operator of the form.
struct TBillEntryHeader {
    QString DeptCode;
    QString DeptName;
    QString BillDate;
    QString BillNumber;
    QString CustomerCode;
    QString CustomerName;
    QString CustomerMnemonic;
    QString Remark;
    QString MakerCode;
    QString MakerName;
    QString OperatorCode; // stamped on payment lines that do not yet say who entered them
    QString OperatorName;
};

// Saving a new bill from the entry form: the checks in their order, each telling the clerk and
// placing the cursor; the question when items and payments differ; the bill-level amounts;
// completing the two line lists from the header and the grids; the two packets and BillUpdate
// kind 0. Nothing reaches the host unless every check passed and every amount cell reads as a
// number, and a refused bill stays on screen as it was. Printing and the next bill are the
// form's.
class TBillEntrySave {
public:
    TBillEntrySave(TItemGridEditor &items, TPaymentGridEditor &payments, const THostDataService &host,
                   Win::HWND owner);

    // The number under which the host stored the bill; nothing when the save did not happen.
    // Raises EConvertError for an amount cell that is not a number.
    std::optional<QString> Save(const TBillEntryHeader &header);

private:
    int Box(const QString &text, const QString &caption, unsigned flags) const;

    TItemGridEditor &m_items;
    TPaymentGridEditor &m_payments;
    const THostDataService &m_host;
    Win::HWND m_owner;
};
