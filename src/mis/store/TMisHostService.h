#pragma once

#include "TBillStore.h"
#include "THostSettings.h"
#include "TShopDatabase.h"
#include "TStatementAdapter.h"

#include "platform/data/Result.h"
#include "platform/win/IRudoDisp.h"

#include <QDateTime>
#include <QHash>

// The host's automation object: answers the module's twelve operations over the shop
// database, with the argument shapes of ZorvaHostContract.h. A failed operation returns false
// and puts its messages (a list of texts) into the first by-reference argument; a call with an
// unknown id or the wrong number of arguments is not dispatched at all. Nothing raised inside
// an operation escapes Invoke.
// The database must outlive every reference to the object.
class TMisHostService : public TRudoDispObject {
public:
    TMisHostService(TShopDatabase &db, THostSettings settings);

    TInvokeResult Invoke(qint32 dispId, QVariantList &args) override;

    // The accounting month new bills go to, and the clock the host reports.
    QString CurrentYearMonth() const;
    QDateTime Now() const;

    // Runs one SELECT as QuerySql would and gives its rows as text: cells separated by tabs,
    // one row a line.
    Result<QString> SelectText(const QString &sql);

private:
    using TOperation = bool (TMisHostService::*)(QVariantList &args, QStringList &errors);

    bool QuerySql(QVariantList &args, QStringList &errors);
    bool QueryRecordset(QVariantList &args, QStringList &errors);
    bool GetCurYearMonth(QVariantList &args, QStringList &errors);
    bool GetServerDate(QVariantList &args, QStringList &errors);
    bool GetServerDateTime(QVariantList &args, QStringList &errors);
    bool GetEmployee(QVariantList &args, QStringList &errors);
    bool GetDepartment(QVariantList &args, QStringList &errors);
    bool GetSysParams(QVariantList &args, QStringList &errors);
    bool GetReportTemplates(QVariantList &args, QStringList &errors);
    bool BillQuery(QVariantList &args, QStringList &errors);
    bool BillUpdate(QVariantList &args, QStringList &errors);

    Result<TQueryResult> Select(const QString &sql);
    // The month a bill was last read back in (BillQuery kind 5), else the accounting month:
    // void and save-modified carry no month of their own.
    QString MonthOfBill(const QString &department, const QString &number) const;

    TShopDatabase &m_db;
    THostSettings m_settings;
    TStatementAdapter m_adapter;
    TBillStore m_bills;
    QHash<QString, QString> m_loadedMonths; // department + tab + number -> month
};
