#include "TemplateStore.h"

namespace {

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

} // namespace

QString TemplateToHex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper()) + QLatin1Char('#');
}

Result<QByteArray> TemplateFromHex(const QString &text)
{
    const qsizetype end = text.indexOf(QLatin1Char('#'));
    if (end < 0 || end % 2 != 0)
        return Failure(QStringLiteral("报表模板数据不完整（缺少结束标记“#”）！"));
    QByteArray bytes;
    bytes.reserve(end / 2);
    for (qsizetype i = 0; i < end; i += 2) {
        const int high = HexDigit(text.at(i));
        const int low = HexDigit(text.at(i + 1));
        if (high < 0 || low < 0)
            return Failure(QStringLiteral("报表模板数据在第%1个字符处不是十六进制数字！").arg(i + 1));
        bytes.append(char(high * 16 + low));
    }
    return bytes;
}

Result<QByteArray> ExportTemplate(TShopDatabase &db, const QString &name)
{
    auto rows = db.Query(QStringLiteral("SELECT f_reportinfo FROM tbbbmb WHERE f_reportname=? ORDER BY rowid LIMIT 1"),
                         {name});
    if (!rows)
        return Failure(rows.Error());
    if (rows->Rows.isEmpty())
        return Failure(QStringLiteral("报表模板“%1”不存在！").arg(name));
    return TemplateFromHex(rows->Rows.at(0).at(0).toString());
}

Result<void> ImportTemplate(TShopDatabase &db, const QString &billTitle, const QString &name, const QByteArray &bytes)
{
    if (billTitle.trimmed().isEmpty() || name.trimmed().isEmpty())
        return Failure(QStringLiteral("报表模板需要单据名称和模板名称！"));
    return db.Execute(QStringLiteral("INSERT INTO tbbbmb (f_djmc,f_reportname,f_reportinfo) VALUES (?,?,?)"
                                     " ON CONFLICT (f_djmc,f_reportname) DO UPDATE SET f_reportinfo=excluded.f_reportinfo"),
                      {billTitle, name, TemplateToHex(bytes)});
}
