#include "LookupStatements.h"

namespace LookupSql {

namespace {

const QString PartnerColumns = QStringLiteral("f_csbm,f_csmc,f_zjf,f_mj,f_kzbz,f_lxr,f_dh,f_Cz,f_sh");

QString Normalised(const QString &dbType)
{
    return dbType.trimmed().toUpper();
}

// The flat lookups share one shape: code and name of table, the name or the code as a prefix.
QString FlatSearch(const QString &table, const QString &codeColumn, const QString &nameColumn, quint8 mode,
                   const QString &text)
{
    const QString &column = mode == 1 ? nameColumn : codeColumn;
    return QStringLiteral("Select %1,%2 from %3 where %4 Like '").arg(codeColumn, nameColumn, table, column)
           + Quoted(text) + QStringLiteral("%' order by ") + codeColumn + QLatin1Char(' ');
}

} // namespace

std::optional<TManufacturerGroup> ManufacturerGroup(quint8 mode)
{
    switch (mode / 3) {
    case 0:
        return TManufacturerGroup{QStringLiteral("f_cslx='0' or f_cslx='1' or f_cslx='2'"), QStringLiteral("厂商编码"),
                                  QStringLiteral("厂商名称")};
    case 1:
        return TManufacturerGroup{QStringLiteral("f_cslx='0'"), QStringLiteral("供应商编码"),
                                  QStringLiteral("供应商名称")};
    case 2:
        return TManufacturerGroup{QStringLiteral("f_cslx='1'"), QStringLiteral("客户编码"), QStringLiteral("客户名称")};
    case 3:
        return TManufacturerGroup{QStringLiteral("f_cslx='2'"), QStringLiteral("生产厂商编码"),
                                  QStringLiteral("生产厂商名称")};
    default:
        return std::nullopt;
    }
}

TSearchKind SearchKind(quint8 mode)
{
    switch (mode % 3) {
    case 1:
        return TSearchKind::ByName;
    case 2:
        return TSearchKind::ByMnemonic;
    default:
        return TSearchKind::ByCode;
    }
}

QString Quoted(const QString &text)
{
    QString quoted = text;
    return quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
}

QString CurrentMonth()
{
    return QStringLiteral("Select f_Csz from tbSysMsg Where f_Csmc='dqny'");
}

QString ManufacturerSearch(const QString &dbType, TSearchKind kind, const QString &filter, const QString &text)
{
    const QString column = kind == TSearchKind::ByMnemonic ? QStringLiteral("f_zjf") : QStringLiteral("f_csmc");
    const QString body = PartnerColumns + QStringLiteral(" from tbcsda where (") + filter + QStringLiteral(") and  ")
                         + column + QStringLiteral(" Like '%") + Quoted(text) + QStringLiteral("%' order by f_csbm");
    const QString type = Normalised(dbType);
    if (type == QLatin1String("DB2"))
        return QStringLiteral("Select ") + body + QStringLiteral(" fetch first 1000 row only");
    if (type == QLatin1String("ORACLE"))
        return QStringLiteral("Select * from (Select ") + body + QStringLiteral(" ) where rownum<=1000");
    return QStringLiteral("Select top 1000 ") + body + QLatin1Char(' ');
}

QString ManufacturerMinLevel(const QString &filter, const QString &codePrefix)
{
    return QStringLiteral("Select min(f_jb) as m_jb from tbcsda where (") + filter + QStringLiteral(") and f_csbm Like '")
           + Quoted(codePrefix) + QStringLiteral("%'");
}

QString ManufacturerLevel(const QString &filter, int level, const QString &codePrefix)
{
    return QStringLiteral("Select ") + PartnerColumns + QStringLiteral(" from tbcsda where (") + filter
           + QStringLiteral(") and f_jb=") + QString::number(level) + QStringLiteral(" and  f_csbm Like '")
           + Quoted(codePrefix) + QStringLiteral("%' order by f_csbm ");
}

QString Manufacturer(const QString &code)
{
    return QStringLiteral("select f_csbm,f_csmc,f_zjf,f_jb,f_kzbz,f_lxr,f_dh,f_cz,f_sh,f_mj from tbcsda where f_csbm='")
           + Quoted(code) + QLatin1Char('\'');
}

QString PayModeSearch(quint8 mode, const QString &text)
{
    return FlatSearch(QStringLiteral("tbzffs"), QStringLiteral("f_zffsbm"), QStringLiteral("f_zffsmc"), mode, text);
}

QString PayInOutSearch(quint8 mode, const QString &text)
{
    return FlatSearch(QStringLiteral("tbsfxmda"), QStringLiteral("f_sfxmbm"), QStringLiteral("f_sfxmmc"), mode, text);
}

} // namespace LookupSql
