#pragma once

#include "TBillRecord.h"
#include "TShopDatabase.h"

#include "platform/data/Result.h"
#include "platform/data/TDataSet.h"

#include <QString>

// The bill protocol over the month tables: numbering, storing new and modified bills, voiding,
// finding bills and reading them back, and the customer's advance balance. Every write runs in
// one transaction that holds the write lock from its first read, so a refused or failed call
// leaves nothing half written and two processes never allocate the same number.
// Bill numbers are ten digits, allocated per month in ascending order across departments.
class TBillStore {
public:
    enum class TStep { First, Previous, Next, Last, FirstOfDate };

    explicit TBillStore(TShopDatabase &db) : m_db(db) {}

    // The number the next bill stored in the month will get.
    Result<QString> NextNumber(const QString &month);
    // Stores the bill under a newly allocated number, which it returns; f_djh is ignored.
    Result<QString> SaveNew(const QString &month, TBillRecord bill);
    // Replaces header values and all lines of the stored unconfirmed bill f_djh of f_bmbm.
    Result<void> SaveModified(const QString &month, const TBillRecord &bill);
    // Marks the bill void ("2"); refuses an unknown, a void or a confirmed bill.
    Result<void> Void(const QString &month, const QString &number, const QString &department);

    // Bill-number order within month and department; anchor is the current bill for Previous
    // and Next and the date yyyymmdd for FirstOfDate. "0" when there is none.
    Result<QString> Find(const QString &month, const QString &department, TStep step, const QString &anchor,
                         bool skipVoid);
    Result<TBillRecord> Load(const QString &month, const QString &department, const QString &number);
    // Departments (f_bmbm, f_bmmc) that have bills in the month, by code.
    Result<TDataSet> Departments(const QString &month);
    // Sum of the payments of the customer's bills at the department that are not void, over
    // every month up to and including the given one.
    Result<double> AdvanceBalance(const QString &month, const QString &department, const QString &customer);

private:
    Result<QString> HighestNumber(const QString &month);
    Result<void> WriteLines(const QString &month, const TBillRecord &bill);
    Result<QString> StoredState(const QString &month, const QString &number, const QString &department);

    TShopDatabase &m_db;
};
