#include "TZorvaClass.h"

#include "TSysParamTable.h"

#include "module/entry/HostContext.h"
#include "platform/data/EPlatformError.h"
#include "platform/win/MessageBox.h"

#include <exception>

namespace {

using S = TSysParamSelector;

const TSysParamSelectors WithoutParamTable{S::CurYearMonth, S::CurDate, S::OperatorName};

} // namespace

TZorvaClass::TZorvaClass(TRudoDispPtr host, Win::HWND owner)
    : m_host(std::move(host)), m_owner(owner ? owner : ModuleApplicationHandle()), m_lookup(m_host, m_query, m_dbType, m_owner)
{
    const Result<QString> dbType = m_host.GetDbType();
    if (dbType) {
        m_dbType = *dbType;
    } else {
        Win::MessageBox(m_owner, QStringLiteral("获取数据库类型失败!"), QStringLiteral("警告"),
                        Win::MB_OK | Win::MB_ICONWARNING);
        m_dbType = QStringLiteral("SQLSERVER");
    }
}

bool TZorvaClass::ReadSysParams(TsysmsgInfo &info, const TSysParamSelectors &selectors, QString &errorText)
{
    try {
        return ReadContextAndParams(info, selectors, errorText);
    } catch (const EPlatformError &error) {
        errorText = error.Message();
    } catch (const std::exception &error) {
        errorText = QString::fromLocal8Bit(error.what());
    }
    return false;
}

bool TZorvaClass::ReadContextAndParams(TsysmsgInfo &info, const TSysParamSelectors &selectors, QString &errorText)
{
    const auto fail = [&errorText](const QString &message) {
        errorText = message;
        return false;
    };
    info.DbType = m_dbType;
    if (selectors.Contains(S::CurYearMonth)) {
        QVariant value;
        if (!m_host.GetCurYearMonth(value))
            return fail(QStringLiteral("取得当前年月时出错！"));
        info.CurYearMonth = value.toString();
    }
    if (selectors.Contains(S::CurDateTime)) {
        QVariant value;
        if (!m_host.GetServerDateTime(value))
            return fail(QStringLiteral("取得当前日期时间时出错！"));
        info.CurDateTime = value.toString();
    }
    if (selectors.Contains(S::CurDate)) {
        QVariant value;
        if (!m_host.GetServerDate(value))
            return fail(QStringLiteral("取得当前日期时出错！"));
        info.CurDate = value.toString().left(8);
    }
    if (selectors.Contains(S::OperatorName) && !info.OperatorCode.isEmpty()) {
        QVariant employee = info.OperatorCode;
        if (!m_host.GetEmployee(employee))
            return fail(QStringLiteral("取得制单人名称时出错！！"));
        LoadQuery(employee);
        info.OperatorName = m_query.FieldByName(QStringLiteral("f_zymc")).AsString();
    }
    if ((selectors - WithoutParamTable).IsEmpty())
        return true;

    QVariant params;
    if (!m_host.GetSysParams(params))
        return fail(QStringLiteral("取得系统参数时出错！"));
    LoadQuery(params);
    if (const Result<void> read = TSysParamTable::Read(m_query, selectors, info); !read)
        return fail(read.Error());
    return true;
}

void TZorvaClass::LoadQuery(const QVariant &packet)
{
    if (const Result<void> loaded = m_query.SetData(packet.toByteArray()); !loaded)
        throw EDatabaseError(loaded.Error());
}
