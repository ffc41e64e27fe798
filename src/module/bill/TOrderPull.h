#pragma once

#include "module/host/THostDataService.h"
#include "platform/win/WindowHandles.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;
class TfrmDd;

struct TOrderPullRequest {
    QString CustomerCode, CustomerName;     // edtkhbm text, edtkhmc text
    QString DepartmentCode, DepartmentName; // dybm, edtbmmc
    QString YearMonth;                      // CurYearMonth
    QStringList OrdersOnBill;               // f_ddh of the bill's item lines (ticked in the picker)
};

struct TPulledOrder {
    QString OrderNo;
    QString AmountText; // as the picker shows it, "0.00"
};

struct TOrderPullChoice {
    QString ItemCode, ItemName;       // from cbSfxm: text before / after the first space
    QString PayModeCode, PayModeName; // from cbZffs
    QList<TPulledOrder> Orders;       // ticked rows in grid order
};

// The entry form's open sales orders of a customer at a department: orders of type "5" in state
// "1" in the current order tables that no item line of a bill of the month carries, unless that
// bill is void. Texts are quoted as SQL literals, so a quote in a code stays part of the code.
QString OrderQuerySql(const QString &customer, const QString &department, const QString &month);
// The modification form's twin over the month order tables: the month alone when it is the
// month the books were started (startMonth, `qyny`), else the month before it and the month.
// Raises EConvertError when month is not a month.
QString MonthOrderQuerySql(const QString &customer, const QString &department, const QString &month,
                           const QString &startMonth);

// "调订单" of the entry form up to the clerk's choice: queries the open orders, shows them in the
// sales-order picker and hands back what was ticked and chosen. Applying the choice to the bill
// is the form's. Owned by the form; the picker is created on first use, owned by the form's
// window, and keeps its choice lists between openings.
class TOrderPull {
public:
    TOrderPull(const THostDataService &host, QWidget *ownerForm, Win::HWND ownerHandle);

    // nullopt (the bill stays as it is) after a reported failure, when there are no open orders,
    // when a choice list cannot be read, and unless the clerk confirms with OK. The colour
    // scheme's EConvertError for a damaged colour key reaches the caller.
    std::optional<TOrderPullChoice> Run(const TOrderPullRequest &request);

private:
    TfrmDd &Picker();
    void ShowError(const QString &text) const;
    // code + " " + name of every row of a master table; nullopt when it cannot be read.
    std::optional<QStringList> ReadEntries(const QString &sql, const QString &codeField,
                                           const QString &nameField) const;

    THostDataService m_host;
    QWidget *m_ownerForm;
    Win::HWND m_ownerHandle;
    QPointer<TfrmDd> m_picker;
};
