#include "TOrderPull.h"

#include "TfrmDd.h"

#include "module/common/ColorScheme.h"
#include "module/common/Global.h"
#include "platform/data/TDataSet.h"
#include "platform/win/MessageBox.h"

namespace {

// A text inside '...' of a statement: a quote is doubled, so it stays part of the text.
QString Literal(const QString &text)
{
    QString quoted = text;
    return quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
}

// The open sales orders (type "5", state "1") of customer k shipped by department b.
QString OpenOrders(const QString &columns, const QString &orderTables, const QString &k, const QString &b)
{
    return QStringLiteral("select ") + columns + QStringLiteral(" from ") + orderTables +
           QStringLiteral(" where zb.f_ddlx=cb.f_ddlx   and zb.f_dhbm=cb.f_dhbm   and zb.f_djh=cb.f_djh   and "
                          "zb.f_ddlx='5'   and zb.f_ddzt='1'   and zb.f_rhbm='") +
           k + QStringLiteral("' ") + QStringLiteral("  and zb.f_chbm='") + b + QStringLiteral("'");
}

// The order numbers that item lines of customer k carry on bills that are not void; billTables
// is "tb" and the month of the bill tables.
QString TakenOrders(const QString &orderColumn, const QString &billTables, const QString &k)
{
    return QStringLiteral(" Select ") + orderColumn + QStringLiteral(" From ") + billTables + QStringLiteral("_Ysfxmmx ") +
           QStringLiteral(" Where f_Csbm = '") + k + QStringLiteral("' ") + QStringLiteral(" And f_Djh Not In ( Select f_Djh From ") +
           billTables + QStringLiteral("_Yskmxzb ") + QStringLiteral(" Where f_Trbz = '2') ");
}

// One month's orders less those taken in that month, grouped per order.
QString OneMonthOrders(const QString &columns, const QString &orderTables, const QString &billTables, const QString &k,
                       const QString &b, const QString &groupBy)
{
    return OpenOrders(columns, orderTables, k, b) + QStringLiteral("  and zb.f_djh not in (") +
           TakenOrders(QStringLiteral("f_ddh"), billTables, k) + QStringLiteral(") ") + QStringLiteral("group by ") + groupBy;
}

QString MonthOrderTables(const QString &month)
{
    return QStringLiteral("tb") + month + QStringLiteral("_spddzb zb,tb") + month + QStringLiteral("_spddcb cb");
}

QString UnionOf(const QString &sqlTemplate, const QString &first, const QString &last)
{
    QString text;
    UnionMonths(sqlTemplate, first, last, text, false);
    return text;
}

QString TextBeforeSpace(const QString &entry)
{
    const qsizetype space = entry.indexOf(QLatin1Char(' '));
    return space < 0 ? entry : entry.left(space);
}

QString TextAfterSpace(const QString &entry)
{
    const qsizetype space = entry.indexOf(QLatin1Char(' '));
    return space < 0 ? QString() : entry.mid(space + 1);
}

std::optional<TDataSet> Query(const THostDataService &host, const QString &sql)
{
    QVariant data;
    if (!host.QuerySql(sql, data))
        return std::nullopt;
    Result<TDataSet> rows = TDataSet::FromPacket(data.toByteArray());
    if (!rows)
        return std::nullopt;
    return std::move(*rows);
}

} // namespace

QString OrderQuerySql(const QString &customer, const QString &department, const QString &month)
{
    return OneMonthOrders(QStringLiteral("zb.f_djh,zb.f_chbm,zb.f_rhbm,sum(cb.f_dhsl) f_dhsl,sum(cb.f_dhje+cb.f_dhsj) f_dhje"),
                          QStringLiteral("tbspddzb zb,tbspddcb cb"), QStringLiteral("tb") + month, Literal(customer),
                          Literal(department), QStringLiteral("zb.f_djh,zb.f_chbm,zb.f_rhbm"));
}

QString MonthOrderQuerySql(const QString &customer, const QString &department, const QString &month,
                           const QString &startMonth)
{
    const QString k = Literal(customer);
    const QString b = Literal(department);
    if (month == startMonth)
        return OneMonthOrders(QStringLiteral("f_ddlb,zb.f_djh,zb.f_chbm,zb.f_rhbm,sum(cb.f_dhje+cb.f_dhsj) f_dhje"),
                              MonthOrderTables(month), QStringLiteral("tb") + month, k, b,
                              QStringLiteral("f_ddlb,zb.f_djh,zb.f_chbm,zb.f_rhbm"));
    const QString placeholder = QStringLiteral("000000");
    const QString inner = OpenOrders(QStringLiteral("f_ddlb,zb.f_djh,zb.f_chbm,zb.f_rhbm,cb.f_dhje+cb.f_dhsj f_dhje"),
                                     MonthOrderTables(placeholder), k, b);
    const QString taken = TakenOrders(QStringLiteral("f_Ddh"), QStringLiteral("tb") + placeholder, k);
    const QString previous = PrevMonth(month);
    return QStringLiteral("Select f_ddlb,f_djh,f_chbm,f_rhbm,sum(f_dhje) f_dhje From ( ") + UnionOf(inner, previous, month) +
           QStringLiteral(") AllJxc Where f_Djh Not In (") + UnionOf(taken, previous, month) + QStringLiteral(")") +
           QStringLiteral("Group By f_Ddlb,f_Djh,f_Chbm,f_Rhbm ");
}

TOrderPull::TOrderPull(const THostDataService &host, QWidget *ownerForm, Win::HWND ownerHandle)
    : m_host(host), m_ownerForm(ownerForm), m_ownerHandle(ownerHandle)
{
}

std::optional<TOrderPullChoice> TOrderPull::Run(const TOrderPullRequest &request)
{
    std::optional<TDataSet> orders =
        Query(m_host, OrderQuerySql(request.CustomerCode, request.DepartmentCode, request.YearMonth));
    if (!orders) {
        ShowError(QStringLiteral("取得订单信息时出错"));
        return std::nullopt;
    }
    TfrmDd &picker = Picker();
    ApplyColorScheme(&picker);
    if (orders->IsEmpty()) {
        ShowError(QStringLiteral("没有相应的订单信息"));
        return std::nullopt;
    }

    QList<TfrmDd::TOrder> shown;
    for (orders->First(); !orders->Eof(); orders->Next()) {
        TfrmDd::TOrder order;
        order.OrderNo = orders->FieldByName(QStringLiteral("f_djh")).AsString();
        order.ShipCode = orders->FieldByName(QStringLiteral("f_chbm")).AsString();
        order.ShipName = request.DepartmentName;
        order.ReceiveCode = orders->FieldByName(QStringLiteral("f_rhbm")).AsString();
        order.ReceiveName = request.CustomerName;
        order.Amount = orders->FieldByName(QStringLiteral("f_dhje")).AsFloat();
        order.ReturnFlag = orders->FieldByName(QStringLiteral("f_dhsl")).AsFloat() < 0 ? QStringLiteral("1")
                                                                                        : QStringLiteral("0");
        order.Ticked = request.OrdersOnBill.contains(order.OrderNo);
        shown.append(order);
    }
    picker.ShowOrders(shown);

    const std::optional<QStringList> items =
        ReadEntries(QStringLiteral("select * from tbsfxmda"), QStringLiteral("f_sfxmbm"), QStringLiteral("f_sfxmmc"));
    if (!items)
        return std::nullopt;
    picker.AppendPayInOuts(*items);
    const std::optional<QStringList> payModes =
        ReadEntries(QStringLiteral("select * from tbzffs"), QStringLiteral("f_zffsbm"), QStringLiteral("f_zffsmc"));
    if (!payModes)
        return std::nullopt;
    picker.AppendPayModes(*payModes);

    if (picker.ShowModal() != TDialogForm::mrOk)
        return std::nullopt;
    TOrderPullChoice choice;
    choice.ItemCode = TextBeforeSpace(picker.PayInOutText());
    choice.ItemName = TextAfterSpace(picker.PayInOutText());
    choice.PayModeCode = TextBeforeSpace(picker.PayModeText());
    choice.PayModeName = TextAfterSpace(picker.PayModeText());
    for (const int row : picker.TickedRows())
        choice.Orders.append({picker.OrderNo(row), picker.AmountText(row)});
    return choice;
}

TfrmDd &TOrderPull::Picker()
{
    if (!m_picker)
        m_picker = new TfrmDd(m_ownerForm);
    return *m_picker;
}

void TOrderPull::ShowError(const QString &text) const
{
    Win::MessageBox(m_ownerHandle, text, QStringLiteral("错误"), Win::MB_OK | Win::MB_ICONERROR);
}

std::optional<QStringList> TOrderPull::ReadEntries(const QString &sql, const QString &codeField,
                                                   const QString &nameField) const
{
    std::optional<TDataSet> rows = Query(m_host, sql);
    if (!rows)
        return std::nullopt;
    QStringList entries;
    for (rows->First(); !rows->Eof(); rows->Next())
        entries.append(rows->FieldByName(codeField).AsString() + QLatin1Char(' ') + rows->FieldByName(nameField).AsString());
    return entries;
}
