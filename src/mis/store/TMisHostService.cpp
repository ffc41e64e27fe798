#include "TMisHostService.h"

#include "TBillWirePackets.h"
#include "TShopSchema.h"

#include "platform/data/EPlatformError.h"
#include "platform/data/TRecordset.h"
#include "platform/win/ZorvaHostContract.h"

#include <QStringList>

namespace {

struct TShape {
    int ArgCount;
    int FirstRef; // the argument that receives the messages on failure
};

QString Field(const QStringList &fields, int index)
{
    return fields.value(index).trimmed();
}

QString BillKey(const QString &department, const QString &number)
{
    return department + QLatin1Char('\t') + number;
}

bool Fail(QStringList &errors, const QString &message)
{
    errors.append(message);
    return false;
}

} // namespace

TMisHostService::TMisHostService(TShopDatabase &db, THostSettings settings)
    : m_db(db), m_settings(std::move(settings)), m_adapter(m_settings.DbType), m_bills(db)
{
}

QDateTime TMisHostService::Now() const
{
    return m_settings.FixedNow.isValid() ? m_settings.FixedNow : QDateTime::currentDateTime();
}

QString TMisHostService::CurrentYearMonth() const
{
    return m_settings.YearMonth.isEmpty() ? Now().toString(QStringLiteral("yyyyMM")) : m_settings.YearMonth;
}

IRudoDisp::TInvokeResult TMisHostService::Invoke(qint32 dispId, QVariantList &args)
{
    if (dispId == DISPID_GetDbType) {
        if (!args.isEmpty())
            return {false, {}, QStringLiteral("GetDbType takes no arguments")};
        return {true, m_settings.DbType, {}};
    }
    static const QHash<qint32, std::pair<TShape, TOperation>> operations{
        {DISPID_QuerySql, {{2, 1}, &TMisHostService::QuerySql}},
        {DISPID_QueryRecordset, {{2, 1}, &TMisHostService::QueryRecordset}},
        {DISPID_GetCurYearMonth, {{1, 0}, &TMisHostService::GetCurYearMonth}},
        {DISPID_GetServerDate, {{1, 0}, &TMisHostService::GetServerDate}},
        {DISPID_GetServerDateTime, {{1, 0}, &TMisHostService::GetServerDateTime}},
        {DISPID_GetEmployee, {{2, 1}, &TMisHostService::GetEmployee}},
        {DISPID_GetDepartment, {{2, 1}, &TMisHostService::GetDepartment}},
        {DISPID_GetSysParams, {{1, 0}, &TMisHostService::GetSysParams}},
        {DISPID_GetReportTemplates, {{2, 1}, &TMisHostService::GetReportTemplates}},
        {DISPID_BillQuery, {{3, 1}, &TMisHostService::BillQuery}},
        {DISPID_BillUpdate, {{3, 1}, &TMisHostService::BillUpdate}},
    };
    const auto found = operations.constFind(dispId);
    if (found == operations.constEnd())
        return {false, {}, QStringLiteral("Unknown dispatch id 0x%1").arg(quint32(dispId), 0, 16)};
    const auto &[shape, operation] = *found;
    if (args.size() != shape.ArgCount)
        return {false, {}, QStringLiteral("Dispatch id 0x%1 takes %2 arguments, got %3")
                               .arg(quint32(dispId), 0, 16)
                               .arg(shape.ArgCount)
                               .arg(args.size())};
    QStringList errors;
    bool ok = false;
    try {
        ok = (this->*operation)(args, errors);
    } catch (const EPlatformError &error) {
        errors.append(error.Message());
    } catch (const std::exception &error) {
        errors.append(QString::fromLocal8Bit(error.what()));
    }
    if (!ok) {
        if (errors.isEmpty())
            errors.append(QStringLiteral("主程序数据服务出错！"));
        args[shape.FirstRef] = errors;
    }
    return {true, ok, {}};
}

Result<TQueryResult> TMisHostService::Select(const QString &sql)
{
    return m_db.QueryReadOnly(m_adapter.Translate(sql));
}

Result<QString> TMisHostService::SelectText(const QString &sql)
{
    auto rows = Select(sql);
    if (!rows)
        return Failure(rows.Error());
    return rows->ToText();
}

bool TMisHostService::QuerySql(QVariantList &args, QStringList &errors)
{
    auto rows = Select(args.at(0).toString());
    if (!rows)
        return Fail(errors, rows.Error());
    args[1] = rows->ToDataSet().Data();
    return true;
}

bool TMisHostService::QueryRecordset(QVariantList &args, QStringList &errors)
{
    auto rows = Select(args.at(0).toString());
    if (!rows)
        return Fail(errors, rows.Error());
    args[1] = QVariant::fromValue(TRecordset(rows->ToDataSet()));
    return true;
}

bool TMisHostService::GetCurYearMonth(QVariantList &args, QStringList &errors)
{
    const QString month = CurrentYearMonth();
    if (!TShopSchema::IsMonth(month))
        return Fail(errors, QStringLiteral("主程序的会计年月“%1”不合法！").arg(month));
    args[0] = month;
    return true;
}

bool TMisHostService::GetServerDate(QVariantList &args, QStringList &)
{
    args[0] = Now().toString(QStringLiteral("yyyyMMdd"));
    return true;
}

bool TMisHostService::GetServerDateTime(QVariantList &args, QStringList &)
{
    args[0] = Now().toString(QStringLiteral("yyyyMMddHHmmss"));
    return true;
}

bool TMisHostService::GetEmployee(QVariantList &args, QStringList &errors)
{
    const QString code = args.at(1).toString().trimmed();
    auto rows = m_db.Query(QStringLiteral("SELECT f_zybm,f_zymc,f_bmbm FROM tbzyda WHERE f_zybm=?"), {code});
    if (!rows)
        return Fail(errors, rows.Error());
    if (rows->Rows.isEmpty())
        return Fail(errors, QStringLiteral("职员档案中没有编码为%1的职员！").arg(code));
    args[1] = rows->ToDataSet().Data();
    return true;
}

bool TMisHostService::GetDepartment(QVariantList &args, QStringList &errors)
{
    const QString code = args.at(1).toString().trimmed();
    auto rows = m_db.Query(QStringLiteral("SELECT f_bmbm,f_bmmc FROM tbbmda WHERE f_bmbm=?"), {code});
    if (!rows)
        return Fail(errors, rows.Error());
    if (rows->Rows.isEmpty())
        return Fail(errors, QStringLiteral("部门档案中没有编码为%1的部门！").arg(code));
    args[1] = rows->ToDataSet().Data();
    return true;
}

bool TMisHostService::GetSysParams(QVariantList &args, QStringList &errors)
{
    auto rows = m_db.Query(QStringLiteral("SELECT f_csmc,f_csz FROM tbSysMsg ORDER BY f_csmc"));
    if (!rows)
        return Fail(errors, rows.Error());
    args[0] = rows->ToDataSet().Data();
    return true;
}

bool TMisHostService::GetReportTemplates(QVariantList &args, QStringList &errors)
{
    auto rows = m_db.Query(QStringLiteral("SELECT f_reportname,f_reportinfo FROM tbbbmb WHERE f_djmc=? ORDER BY rowid"),
                           {args.at(0).toString()});
    if (!rows)
        return Fail(errors, rows.Error());
    args[1] = rows->ToDataSet().Data();
    return true;
}

QString TMisHostService::MonthOfBill(const QString &department, const QString &number) const
{
    return m_loadedMonths.value(BillKey(department, number), CurrentYearMonth());
}

bool TMisHostService::BillQuery(QVariantList &args, QStringList &errors)
{
    bool isNumber = false;
    const int kind = args.at(0).toInt(&isNumber);
    const QStringList fields = args.at(2).toString().split(QLatin1Char('\t'));
    // The delete flag may be left off; it then counts as "0".
    static const int FieldsNeeded[] = {1, 2, 3, 3, 2, 3, 3, 2, 1, 3};
    if (!isNumber || kind < 0 || kind > 9)
        return Fail(errors, QStringLiteral("不支持的单据查询类型：%1").arg(args.at(0).toString()));
    if (fields.size() < FieldsNeeded[kind])
        return Fail(errors, QStringLiteral("单据查询（类型%1）的参数不完整：%2").arg(kind).arg(args.at(2).toString()));
    const QString month = Field(fields, 0);
    const QString department = Field(fields, 1);
    using TStep = TBillStore::TStep;

    Result<QString> number = QString();
    switch (kind) {
    case 0:
        number = m_bills.NextNumber(month);
        break;
    case 1:
    case 4:
        number = m_bills.Find(month, department, kind == 1 ? TStep::First : TStep::Last, {}, Field(fields, 2) == "1");
        break;
    case 2:
    case 3:
        number = m_bills.Find(month, department, kind == 2 ? TStep::Previous : TStep::Next, Field(fields, 2),
                              Field(fields, 3) == "1");
        break;
    case 6:
        number = m_bills.Find(month, department, TStep::FirstOfDate, Field(fields, 2), Field(fields, 3) == "1");
        break;
    case 7:
        number = m_bills.Find(month, department, TStep::Last, {}, Field(fields, 2) == "1");
        break;
    case 5: {
        const QString bill = Field(fields, 2);
        auto loaded = m_bills.Load(month, department, bill);
        if (!loaded)
            return Fail(errors, loaded.Error());
        m_loadedMonths.insert(BillKey(department, bill), month);
        args[1] = TBillWirePackets::PaymentPacket(*loaded);
        args[2] = TBillWirePackets::ItemPacket(*loaded);
        return true;
    }
    case 8: {
        auto departments = m_bills.Departments(month);
        if (!departments)
            return Fail(errors, departments.Error());
        args[1] = departments->Data();
        return true;
    }
    case 9: {
        auto balance = m_bills.AdvanceBalance(month, department, Field(fields, 2));
        if (!balance)
            return Fail(errors, balance.Error());
        args[1] = *balance;
        return true;
    }
    }
    if (!number)
        return Fail(errors, number.Error());
    args[1] = *number;
    return true;
}

bool TMisHostService::BillUpdate(QVariantList &args, QStringList &errors)
{
    bool isNumber = false;
    const int kind = args.at(0).toInt(&isNumber);
    if (isNumber && kind == 2) {
        const QString number = args.at(1).toString().trimmed();
        const QString department = args.at(2).toString().trimmed();
        if (number.isEmpty())
            return Fail(errors, QStringLiteral("没有要作废的单据！"));
        auto voided = m_bills.Void(MonthOfBill(department, number), number, department);
        return voided ? true : Fail(errors, voided.Error());
    }
    if (!isNumber || (kind != 0 && kind != 3))
        return Fail(errors, QStringLiteral("不支持的单据更新类型：%1").arg(args.at(0).toString()));
    auto bill = TBillWirePackets::Read(args.at(1), args.at(2));
    if (!bill)
        return Fail(errors, bill.Error());
    if (kind == 0) {
        auto number = m_bills.SaveNew(CurrentYearMonth(), *bill);
        if (!number)
            return Fail(errors, number.Error());
        args[1] = *number;
        return true;
    }
    auto saved = m_bills.SaveModified(MonthOfBill(bill->f_bmbm, bill->f_djh), *bill);
    return saved ? true : Fail(errors, saved.Error());
}
