#include "THostDataService.h"

#include "platform/win/ZorvaHostContract.h"

#include <QStringList>

bool THostDataService::Call(qint32 dispId, QVariantList args,
                            std::initializer_list<std::pair<int, QVariant *>> refs) const
{
    QVariant *firstRef = refs.size() > 0 ? refs.begin()->second : nullptr;
    if (!m_host) {
        if (firstRef)
            *firstRef = QStringList{QStringLiteral("没有可用的主程序数据服务")};
        return false;
    }
    const IRudoDisp::TInvokeResult result = m_host->Invoke(dispId, args);
    if (!result.Dispatched) {
        if (firstRef)
            *firstRef = QStringList{result.Error};
        return false;
    }
    for (const auto &[index, target] : refs) {
        if (index < args.size())
            *target = args.at(index);
    }
    return result.Value.toBool();
}

bool THostDataService::QuerySql(const QString &sql, QVariant &data) const
{
    return Call(DISPID_QuerySql, {sql, data}, {{1, &data}});
}

bool THostDataService::QueryRecordset(const QString &sql, QVariant &data) const
{
    return Call(DISPID_QueryRecordset, {sql, data}, {{1, &data}});
}

Result<QString> THostDataService::GetDbType() const
{
    if (!m_host)
        return Failure(QStringLiteral("没有可用的主程序数据服务"));
    QVariantList args;
    const IRudoDisp::TInvokeResult result = m_host->Invoke(DISPID_GetDbType, args);
    if (!result.Dispatched)
        return Failure(result.Error);
    return result.Value.toString();
}

bool THostDataService::GetCurYearMonth(QVariant &value) const
{
    return Call(DISPID_GetCurYearMonth, {value}, {{0, &value}});
}

bool THostDataService::GetServerDate(QVariant &value) const
{
    return Call(DISPID_GetServerDate, {value}, {{0, &value}});
}

bool THostDataService::GetServerDateTime(QVariant &value) const
{
    return Call(DISPID_GetServerDateTime, {value}, {{0, &value}});
}

bool THostDataService::GetEmployee(QVariant &data) const
{
    return Call(DISPID_GetEmployee, {1, data}, {{1, &data}});
}

bool THostDataService::GetDepartment(QVariant &data) const
{
    return Call(DISPID_GetDepartment, {1, data}, {{1, &data}});
}

bool THostDataService::GetSysParams(QVariant &data) const
{
    return Call(DISPID_GetSysParams, {data}, {{0, &data}});
}

bool THostDataService::GetReportTemplates(const QString &billTitle, QVariant &data) const
{
    return Call(DISPID_GetReportTemplates, {billTitle, data}, {{1, &data}});
}

bool THostDataService::BillQuery(int kind, QVariant &result, QVariant &params) const
{
    return Call(DISPID_BillQuery, {kind, result, params}, {{1, &result}, {2, &params}});
}

bool THostDataService::BillUpdate(int kind, QVariant &data1, QVariant &data2) const
{
    return Call(DISPID_BillUpdate, {kind, data1, data2}, {{1, &data1}, {2, &data2}});
}
