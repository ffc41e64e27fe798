#pragma once

#include <QDateTime>
#include <QString>

// How the host presents itself to the module: the database type it reports, the accounting
// month (empty: the current calendar month) and, for tests and demonstrations, a fixed clock
// (invalid: the system clock).
struct THostSettings {
    QString DbType = QStringLiteral("SQLSERVER");
    QString YearMonth;
    QDateTime FixedNow;
};
