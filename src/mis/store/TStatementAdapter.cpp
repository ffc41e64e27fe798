#include "TStatementAdapter.h"

#include <QRegularExpression>

namespace {

const QRegularExpression::PatternOptions Options =
    QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption;

QString WithLimit(QString statement, const QString &rows)
{
    static const QRegularExpression trailing(QStringLiteral("[\\s;]+$"));
    statement.remove(trailing);
    return statement + QStringLiteral(" limit ") + rows;
}

QString SqlServerTop(const QString &sql)
{
    static const QRegularExpression top(
        QStringLiteral("^(\\s*select\\s+(?:distinct\\s+)?)top\\s*(?:\\(\\s*(\\d+)\\s*\\)|(\\d+))\\s+(?!percent\\b|with\\s+ties\\b)"),
        Options);
    const auto match = top.match(sql);
    if (!match.hasMatch())
        return sql;
    const QString rows = match.captured(2).isEmpty() ? match.captured(3) : match.captured(2);
    return WithLimit(match.captured(1) + sql.mid(match.capturedEnd()), rows);
}

QString Db2FetchFirst(const QString &sql)
{
    static const QRegularExpression fetch(QStringLiteral("\\s+fetch\\s+first\\s+(\\d+)\\s+rows?\\s+only[\\s;]*$"), Options);
    const auto match = fetch.match(sql);
    if (!match.hasMatch())
        return sql;
    return WithLimit(sql.left(match.capturedStart()), match.captured(1));
}

QString OracleRownum(const QString &sql)
{
    static const QRegularExpression rownum(
        QStringLiteral("^\\s*select\\s+\\*\\s+from\\s*\\((.*)\\)\\s*(?:\\w+\\s+)?where\\s+rownum\\s*<=\\s*(\\d+)[\\s;]*$"), Options);
    const auto match = rownum.match(sql);
    if (!match.hasMatch())
        return sql;
    return WithLimit(match.captured(1).trimmed(), match.captured(2));
}

bool IsIdentifierChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

// Renames each call of IsNull outside quoted texts and quoted names.
QString IsNullToIfNull(const QString &sql)
{
    static const QRegularExpression call(QStringLiteral("^isnull\\s*\\("), QRegularExpression::CaseInsensitiveOption);
    QString out;
    out.reserve(sql.size());
    QChar quote;
    for (int i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!quote.isNull()) {
            out.append(c);
            if (c == quote)
                quote = QChar(); // a doubled quote reopens at once on the next character
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('[')) {
            quote = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            out.append(c);
            continue;
        }
        if ((i == 0 || !IsIdentifierChar(sql.at(i - 1))) && (c == QLatin1Char('i') || c == QLatin1Char('I'))
            && call.match(sql.mid(i, 16)).hasMatch()) {
            out.append(QStringLiteral("ifnull"));
            i += 5;
            continue;
        }
        out.append(c);
    }
    return out;
}

} // namespace

TStatementAdapter::TStatementAdapter(QString dbType) : m_dbType(std::move(dbType).trimmed().toUpper()) {}

QString TStatementAdapter::Translate(const QString &sql) const
{
    const QString statement = IsNullToIfNull(sql);
    if (m_dbType == QLatin1String("DB2"))
        return Db2FetchFirst(statement);
    if (m_dbType == QLatin1String("ORACLE"))
        return OracleRownum(statement);
    if (m_dbType == QLatin1String("SQLSERVER"))
        return SqlServerTop(statement);
    return statement;
}
