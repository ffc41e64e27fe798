#pragma once

#include "TQueryResult.h"

#include "platform/data/Result.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

struct sqlite3;

// The shop's SQLite database file, through the SQLite C API: opens (and creates) the schema,
// runs statements with bound parameters, and creates the month tables on demand. It knows
// nothing of the SQL Server dialect the module speaks (TStatementAdapter) nor of bills
// (TBillStore). One connection, used from one thread; other processes may share the file.
class TShopDatabase {
public:
    static Result<std::unique_ptr<TShopDatabase>> Open(const QString &path);
    ~TShopDatabase();
    TShopDatabase(const TShopDatabase &) = delete;
    TShopDatabase &operator=(const TShopDatabase &) = delete;

    const QString &Path() const { return m_path; }
    // True until the system parameters have been written: a new file that wants its seed.
    bool IsEmpty() const;

    Result<void> Execute(const QString &sql, const QVariantList &params = {});
    Result<TQueryResult> Query(const QString &sql, const QVariantList &params = {});
    // One statement that reads only, as the module's SQL must be; the month tables it names
    // are created first, so a month without bills reads as empty instead of failing.
    Result<TQueryResult> QueryReadOnly(const QString &sql);

    Result<void> EnsureMonthTables(const QString &month);
    // Months that have bill tables, ascending.
    QStringList ExistingMonths();

    bool InTransaction() const;

private:
    TShopDatabase(sqlite3 *handle, QString path);
    Result<TQueryResult> Run(const QString &sql, const QVariantList &params, bool readOnly);
    Result<void> CreateSchema();
    QString LastError() const;

    sqlite3 *m_db;
    QString m_path;
    QSet<QString> m_monthsPresent;
};
