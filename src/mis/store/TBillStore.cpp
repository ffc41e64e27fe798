#include "TBillStore.h"

#include "TShopSchema.h"
#include "TShopTransaction.h"

namespace {

constexpr qint64 LastNumber = 9999999999LL;
const QString NoBill = QStringLiteral("0");

QString Table(const QString &month, const char *suffix)
{
    return TShopSchema::MonthTable(month, QString::fromLatin1(suffix));
}

QString Text(const TQueryResult &result, int row, int column)
{
    return result.Rows.at(row).at(column).toString();
}

// The keys every line shares with its header: number, department and the receipt flag "0".
const char *const LineKeys = "f_djh=? AND f_bmbm=? AND f_sfbz='0'";

} // namespace

Result<QString> TBillStore::HighestNumber(const QString &month)
{
    auto highest = m_db.Query(
        QStringLiteral("SELECT ifnull(max(CAST(f_djh AS INTEGER)),0) FROM %1").arg(Table(month, "Yskmxzb")));
    if (!highest)
        return Failure(highest.Error());
    const qint64 next = highest->Rows.value(0).value(0).toLongLong() + 1;
    if (next > LastNumber)
        return Failure(QStringLiteral("%1月的单据号已经用完！").arg(month));
    return QString::number(next).rightJustified(10, QLatin1Char('0'));
}

Result<QString> TBillStore::NextNumber(const QString &month)
{
    if (auto ensured = m_db.EnsureMonthTables(month); !ensured)
        return Failure(ensured.Error());
    return HighestNumber(month);
}

Result<void> TBillStore::WriteLines(const QString &month, const TBillRecord &bill)
{
    const QString payments =
        QStringLiteral("INSERT INTO %1 (f_djh,f_bmbm,f_sfbz,f_dnxh,f_zffsbm,f_zfje,f_zph,f_czrbm,f_czrmc,f_czsj)"
                       " VALUES (?,?,'0',?,?,?,?,?,?,?)")
            .arg(Table(month, "yskmxcb"));
    for (int line = 0; line < bill.Payments.size(); ++line) {
        const TBillRecord::TPayment &p = bill.Payments.at(line);
        if (auto done = m_db.Execute(payments, {bill.f_djh, bill.f_bmbm, line, p.f_zffsbm, p.f_zfje, p.f_zph,
                                                p.f_czrbm, p.f_czrmc, p.f_czsj});
            !done)
            return done;
    }
    const QString items =
        QStringLiteral("INSERT INTO %1 (f_djh,f_bmbm,f_sfbz,f_dnxh,f_csbm,f_sfxmbm,f_sfje,f_hkye,f_qtje,f_qtze,"
                       "f_sfxmbz,f_ddh) VALUES (?,?,'0',?,?,?,?,?,?,?,?,?)")
            .arg(Table(month, "Ysfxmmx"));
    for (int line = 0; line < bill.Items.size(); ++line) {
        const TBillRecord::TItem &i = bill.Items.at(line);
        if (auto done = m_db.Execute(items, {bill.f_djh, bill.f_bmbm, line, bill.f_csbm, i.f_sfxmbm, i.f_sfje,
                                             i.f_hkye, i.f_qtje, i.f_qtze, i.f_sfxmbz, i.f_ddh});
            !done)
            return done;
    }
    return Success();
}

Result<QString> TBillStore::SaveNew(const QString &month, TBillRecord bill)
{
    if (auto ensured = m_db.EnsureMonthTables(month); !ensured)
        return Failure(ensured.Error());
    TShopTransaction transaction(m_db);
    if (auto started = transaction.Start(); !started)
        return Failure(started.Error());
    auto number = HighestNumber(month);
    if (!number)
        return number;
    bill.f_djh = *number;
    const QString header = QStringLiteral("INSERT INTO %1 (f_djh,f_bmbm,f_sfbz,f_zdrq,f_csbm,f_zdrbm,f_zdrmc,f_bz,f_trbz)"
                                          " VALUES (?,?,'0',?,?,?,?,?,'0')")
                               .arg(Table(month, "Yskmxzb"));
    if (auto done = m_db.Execute(header, {bill.f_djh, bill.f_bmbm, bill.f_zdrq, bill.f_csbm, bill.f_zdrbm,
                                          bill.f_zdrmc, bill.f_bz});
        !done)
        return Failure(done.Error());
    if (auto done = WriteLines(month, bill); !done)
        return Failure(done.Error());
    if (auto committed = transaction.Commit(); !committed)
        return Failure(committed.Error());
    return bill.f_djh;
}

Result<QString> TBillStore::StoredState(const QString &month, const QString &number, const QString &department)
{
    auto state = m_db.Query(QStringLiteral("SELECT f_trbz FROM %1 WHERE %2").arg(Table(month, "Yskmxzb"),
                                                                                QString::fromLatin1(LineKeys)),
                            {number, department});
    if (!state)
        return Failure(state.Error());
    if (state->Rows.isEmpty())
        return Failure(QStringLiteral("%1月部门%2没有单据%3！").arg(month, department, number));
    return Text(*state, 0, 0);
}

Result<void> TBillStore::SaveModified(const QString &month, const TBillRecord &bill)
{
    if (auto ensured = m_db.EnsureMonthTables(month); !ensured)
        return ensured;
    TShopTransaction transaction(m_db);
    if (auto started = transaction.Start(); !started)
        return started;
    auto state = StoredState(month, bill.f_djh, bill.f_bmbm);
    if (!state)
        return Failure(state.Error() + QStringLiteral("不能修改。"));
    if (*state != QLatin1String("0"))
        return Failure(QStringLiteral("单据%1不是未确认状态，不能修改！").arg(bill.f_djh));
    const QString keys = QString::fromLatin1(LineKeys);
    for (const char *suffix : {"yskmxcb", "Ysfxmmx"}) {
        if (auto done = m_db.Execute(QStringLiteral("DELETE FROM %1 WHERE %2").arg(Table(month, suffix), keys),
                                     {bill.f_djh, bill.f_bmbm});
            !done)
            return done;
    }
    if (auto done = m_db.Execute(QStringLiteral("UPDATE %1 SET f_zdrq=?,f_csbm=?,f_zdrbm=?,f_zdrmc=?,f_bz=? WHERE %2")
                                     .arg(Table(month, "Yskmxzb"), keys),
                                 {bill.f_zdrq, bill.f_csbm, bill.f_zdrbm, bill.f_zdrmc, bill.f_bz, bill.f_djh,
                                  bill.f_bmbm});
        !done)
        return done;
    if (auto done = WriteLines(month, bill); !done)
        return done;
    return transaction.Commit();
}

Result<void> TBillStore::Void(const QString &month, const QString &number, const QString &department)
{
    if (auto ensured = m_db.EnsureMonthTables(month); !ensured)
        return ensured;
    TShopTransaction transaction(m_db);
    if (auto started = transaction.Start(); !started)
        return started;
    auto state = StoredState(month, number, department);
    if (!state)
        return Failure(state.Error() + QStringLiteral("不能作废。"));
    if (*state == QLatin1String("2"))
        return Failure(QStringLiteral("单据%1已经作废！").arg(number));
    if (*state == QLatin1String("1"))
        return Failure(QStringLiteral("单据%1已确认，不能作废！").arg(number));
    if (auto done = m_db.Execute(QStringLiteral("UPDATE %1 SET f_trbz='2' WHERE %2")
                                     .arg(Table(month, "Yskmxzb"), QString::fromLatin1(LineKeys)),
                                 {number, department});
        !done)
        return done;
    return transaction.Commit();
}

Result<QString> TBillStore::Find(const QString &month, const QString &department, TStep step, const QString &anchor,
                                 bool skipVoid)
{
    if (auto ensured = m_db.EnsureMonthTables(month); !ensured)
        return Failure(ensured.Error());
    QString pick = QStringLiteral("min(f_djh)");
    QString condition;
    QVariantList params{department};
    switch (step) {
    case TStep::First:
        break;
    case TStep::Last:
        pick = QStringLiteral("max(f_djh)");
        break;
    case TStep::Previous:
        pick = QStringLiteral("max(f_djh)");
        condition = QStringLiteral(" AND f_djh<?");
        params.append(anchor);
        break;
    case TStep::Next:
        condition = QStringLiteral(" AND f_djh>?");
        params.append(anchor);
        break;
    case TStep::FirstOfDate:
        condition = QStringLiteral(" AND f_zdrq=?");
        params.append(anchor);
        break;
    }
    if (skipVoid)
        condition += QStringLiteral(" AND f_trbz<>'2'");
    auto found = m_db.Query(QStringLiteral("SELECT %1 FROM %2 WHERE f_bmbm=? AND f_sfbz='0'%3")
                                .arg(pick, Table(month, "Yskmxzb"), condition),
                            params);
    if (!found)
        return Failure(found.Error());
    const QVariant number = found->Rows.value(0).value(0);
    return number.isNull() ? NoBill : number.toString();
}

Result<TBillRecord> TBillStore::Load(const QString &month, const QString &department, const QString &number)
{
    if (auto ensured = m_db.EnsureMonthTables(month); !ensured)
        return Failure(ensured.Error());
    const QVariantList keys{number, department};
    auto header = m_db.Query(
        QStringLiteral("SELECT zb.f_djh,zb.f_bmbm,ifnull(bm.f_bmmc,''),zb.f_sfbz,zb.f_zdrq,zb.f_csbm,ifnull(cs.f_csmc,''),"
                       "ifnull(cs.f_zjf,''),zb.f_zdrbm,zb.f_zdrmc,zb.f_bz,zb.f_trbz FROM %1 zb"
                       " LEFT JOIN tbbmda bm ON bm.f_bmbm=zb.f_bmbm LEFT JOIN tbcsda cs ON cs.f_csbm=zb.f_csbm"
                       " WHERE zb.f_djh=? AND zb.f_bmbm=? AND zb.f_sfbz='0'")
            .arg(Table(month, "Yskmxzb")),
        keys);
    if (!header)
        return Failure(header.Error());
    if (header->Rows.isEmpty())
        return Failure(QStringLiteral("%1月部门%2没有单据%3！").arg(month, department, number));
    TBillRecord bill;
    QString *fields[] = {&bill.f_djh,  &bill.f_bmbm,  &bill.f_bmmc,  &bill.f_sfbz, &bill.f_zdrq, &bill.f_csbm,
                         &bill.f_csmc, &bill.f_cszjf, &bill.f_zdrbm, &bill.f_zdrmc, &bill.f_bz,  &bill.f_trbz};
    for (int i = 0; i < int(std::size(fields)); ++i)
        *fields[i] = Text(*header, 0, i);

    auto payments = m_db.Query(
        QStringLiteral("SELECT cb.f_zffsbm,ifnull(zf.f_zffsmc,''),cb.f_zfje,cb.f_zph,cb.f_czrbm,cb.f_czrmc,cb.f_czsj"
                       " FROM %1 cb LEFT JOIN tbzffs zf ON zf.f_zffsbm=cb.f_zffsbm"
                       " WHERE cb.f_djh=? AND cb.f_bmbm=? AND cb.f_sfbz='0' ORDER BY cb.f_dnxh")
            .arg(Table(month, "yskmxcb")),
        keys);
    if (!payments)
        return Failure(payments.Error());
    for (int r = 0; r < payments->Rows.size(); ++r) {
        bill.Payments.append({Text(*payments, r, 0), Text(*payments, r, 1), payments->Rows.at(r).at(2).toDouble(),
                              Text(*payments, r, 3), Text(*payments, r, 4), Text(*payments, r, 5),
                              Text(*payments, r, 6)});
    }
    auto items = m_db.Query(
        QStringLiteral("SELECT ys.f_sfxmbm,ifnull(sf.f_sfxmmc,''),ys.f_sfje,ys.f_hkye,ys.f_qtje,ys.f_qtze,ys.f_sfxmbz,"
                       "ys.f_ddh FROM %1 ys LEFT JOIN tbsfxmda sf ON sf.f_sfxmbm=ys.f_sfxmbm"
                       " WHERE ys.f_djh=? AND ys.f_bmbm=? AND ys.f_sfbz='0' ORDER BY ys.f_dnxh")
            .arg(Table(month, "Ysfxmmx")),
        keys);
    if (!items)
        return Failure(items.Error());
    for (int r = 0; r < items->Rows.size(); ++r) {
        const auto &row = items->Rows.at(r);
        bill.Items.append({Text(*items, r, 0), Text(*items, r, 1), row.at(2).toDouble(), row.at(3).toDouble(),
                           row.at(4).toDouble(), row.at(5).toDouble(), Text(*items, r, 6), Text(*items, r, 7)});
    }
    return bill;
}

Result<TDataSet> TBillStore::Departments(const QString &month)
{
    if (auto ensured = m_db.EnsureMonthTables(month); !ensured)
        return Failure(ensured.Error());
    auto rows = m_db.Query(QStringLiteral("SELECT DISTINCT zb.f_bmbm,ifnull(bm.f_bmmc,'') FROM %1 zb"
                                          " LEFT JOIN tbbmda bm ON bm.f_bmbm=zb.f_bmbm ORDER BY zb.f_bmbm")
                               .arg(Table(month, "Yskmxzb")));
    if (!rows)
        return Failure(rows.Error());
    TDataSet departments;
    departments.AddField(QStringLiteral("f_bmbm"), TFieldType::String, 12);
    departments.AddField(QStringLiteral("f_bmmc"), TFieldType::String, 30);
    for (const auto &row : rows->Rows) {
        departments.Append();
        departments.Fields(0).SetValue(row.at(0));
        departments.Fields(1).SetValue(row.at(1));
        departments.Post();
    }
    departments.MergeChangeLog();
    return departments;
}

Result<double> TBillStore::AdvanceBalance(const QString &month, const QString &department, const QString &customer)
{
    if (auto ensured = m_db.EnsureMonthTables(month); !ensured)
        return Failure(ensured.Error());
    double balance = 0;
    for (const QString &stored : m_db.ExistingMonths()) {
        if (stored > month)
            break;
        auto sum = m_db.Query(QStringLiteral("SELECT ifnull(sum(cb.f_zfje),0) FROM %1 zb JOIN %2 cb"
                                             " ON cb.f_djh=zb.f_djh AND cb.f_bmbm=zb.f_bmbm AND cb.f_sfbz=zb.f_sfbz"
                                             " WHERE zb.f_bmbm=? AND zb.f_csbm=? AND zb.f_sfbz='0' AND zb.f_trbz<>'2'")
                                  .arg(Table(stored, "Yskmxzb"), Table(stored, "yskmxcb")),
                              {department, customer});
        if (!sum)
            return Failure(sum.Error());
        balance += sum->Rows.value(0).value(0).toDouble();
    }
    return balance;
}
