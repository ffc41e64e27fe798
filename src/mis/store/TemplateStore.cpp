#include "TemplateStore.h"

#include "platform/data/THexStream.h"

Result<QByteArray> TemplateFromHex(const QString &text)
{
    const qsizetype end = text.indexOf(QLatin1Char('#'));
    if (end < 0 || end % 2 != 0)
        return Failure(QStringLiteral("报表模板数据不完整（缺少结束标记“#”）！"));
    const QByteArray bytes = THexStream::Decode(text);
    if (bytes.size() * 2 != end)
        return Failure(QStringLiteral("报表模板数据在第%1个字符处不是十六进制数字！").arg(bytes.size() * 2 + 1));
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
                      {billTitle, name, THexStream::Encode(bytes)});
}
