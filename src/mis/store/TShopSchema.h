#pragma once

#include <QString>
#include <QStringList>

// The shop database's tables: the master and parameter tables that exist once, and the tables
// that exist once per accounting month (bill headers, payment lines, receivable-item lines and
// the month copies of the sales orders). It only writes the DDL; TShopDatabase runs it.
class TShopSchema {
public:
    static constexpr int Version = 1;

    // Suffixes of the month tables, spelled as the tables are created: tb<yyyymm>_<suffix>.
    static const QStringList &MonthSuffixes();

    static QStringList BaseStatements();
    static QStringList MonthStatements(const QString &month);

    // Six digits yyyymm with a month 01..12.
    static bool IsMonth(const QString &text);
    static QString MonthTable(const QString &month, const QString &suffix);
    // Every valid month whose tables the statement names (tb<yyyymm>_<suffix>, any letter case).
    static QStringList MonthsNamedIn(const QString &sql);
};
