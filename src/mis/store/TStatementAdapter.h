#pragma once

#include <QString>

// Makes the module's statements runnable on SQLite. The module writes SQL Server's dialect
// (or, when the host reports DB2 or ORACLE, that database's row cap); only these forms are
// rewritten, nothing else is guessed at:
//   SQLSERVER  leading "select [distinct] top N ..."            -> "select [distinct] ... limit N"
//   DB2        trailing "... fetch first N row(s) only"          -> "... limit N"
//   ORACLE     "select * from (<inner>) [alias] where rownum<=N" -> "<inner> limit N"
//   any type   the call IsNull(a, b)                             -> ifnull(a, b)
// SQLite reads ISNULL as its own postfix operator, so a function of that name could never be
// called; ifnull is SQLite's built-in with the same meaning. Quoted texts are left untouched.
class TStatementAdapter {
public:
    explicit TStatementAdapter(QString dbType = QStringLiteral("SQLSERVER"));

    const QString &DbType() const { return m_dbType; }
    QString Translate(const QString &sql) const;

private:
    QString m_dbType;
};
