#include "TShopSchema.h"

#include <QRegularExpression>

namespace {

// Text columns of the bill tables are never null: the module's "not in (select f_ddh ...)"
// would match nothing at all if one order number were null.
const char *const BillHeaderTable =
    "CREATE TABLE IF NOT EXISTS %1 ("
    " f_djh TEXT NOT NULL, f_bmbm TEXT NOT NULL, f_sfbz TEXT NOT NULL DEFAULT '0',"
    " f_zdrq TEXT NOT NULL DEFAULT '', f_csbm TEXT NOT NULL DEFAULT '',"
    " f_zdrbm TEXT NOT NULL DEFAULT '', f_zdrmc TEXT NOT NULL DEFAULT '',"
    " f_bz TEXT NOT NULL DEFAULT '', f_trbz TEXT NOT NULL DEFAULT '0',"
    " PRIMARY KEY (f_djh, f_bmbm, f_sfbz), UNIQUE (f_djh))";

const char *const PaymentLineTable =
    "CREATE TABLE IF NOT EXISTS %1 ("
    " f_djh TEXT NOT NULL, f_bmbm TEXT NOT NULL, f_sfbz TEXT NOT NULL DEFAULT '0',"
    " f_dnxh INTEGER NOT NULL, f_zffsbm TEXT NOT NULL DEFAULT '', f_zfje REAL NOT NULL DEFAULT 0,"
    " f_zph TEXT NOT NULL DEFAULT '', f_czrbm TEXT NOT NULL DEFAULT '',"
    " f_czrmc TEXT NOT NULL DEFAULT '', f_czsj TEXT NOT NULL DEFAULT '',"
    " PRIMARY KEY (f_djh, f_bmbm, f_sfbz, f_dnxh),"
    " FOREIGN KEY (f_djh, f_bmbm, f_sfbz) REFERENCES %2 (f_djh, f_bmbm, f_sfbz) ON DELETE CASCADE)";

const char *const ItemLineTable =
    "CREATE TABLE IF NOT EXISTS %1 ("
    " f_djh TEXT NOT NULL, f_bmbm TEXT NOT NULL, f_sfbz TEXT NOT NULL DEFAULT '0',"
    " f_dnxh INTEGER NOT NULL, f_csbm TEXT NOT NULL DEFAULT '', f_sfxmbm TEXT NOT NULL DEFAULT '',"
    " f_sfje REAL NOT NULL DEFAULT 0, f_hkye REAL NOT NULL DEFAULT 0, f_qtje REAL NOT NULL DEFAULT 0,"
    " f_qtze REAL NOT NULL DEFAULT 0, f_sfxmbz TEXT NOT NULL DEFAULT '', f_ddh TEXT NOT NULL DEFAULT '',"
    " PRIMARY KEY (f_djh, f_bmbm, f_sfbz, f_dnxh),"
    " FOREIGN KEY (f_djh, f_bmbm, f_sfbz) REFERENCES %2 (f_djh, f_bmbm, f_sfbz) ON DELETE CASCADE)";

// Sales-order headers and lines; the current tables and every month copy share this layout.
const char *const OrderHeaderTable =
    "CREATE TABLE IF NOT EXISTS %1 ("
    " f_djh TEXT NOT NULL, f_ddlx TEXT NOT NULL, f_dhbm TEXT NOT NULL, f_ddlb INTEGER NOT NULL DEFAULT 0,"
    " f_ddzt TEXT NOT NULL DEFAULT '1', f_rhbm TEXT NOT NULL DEFAULT '', f_chbm TEXT NOT NULL DEFAULT '',"
    " f_zdrq TEXT NOT NULL DEFAULT '',"
    " PRIMARY KEY (f_djh, f_ddlx, f_dhbm))";

const char *const OrderLineTable =
    "CREATE TABLE IF NOT EXISTS %1 ("
    " f_djh TEXT NOT NULL, f_ddlx TEXT NOT NULL, f_dhbm TEXT NOT NULL, f_dnxh INTEGER NOT NULL,"
    " f_spbm TEXT NOT NULL DEFAULT '', f_dhsl REAL NOT NULL DEFAULT 0, f_dhje REAL NOT NULL DEFAULT 0,"
    " f_dhsj REAL NOT NULL DEFAULT 0,"
    " PRIMARY KEY (f_djh, f_ddlx, f_dhbm, f_dnxh))";

QString Format(const char *pattern, const QString &a, const QString &b = {})
{
    QString text = QString::fromLatin1(pattern).arg(a);
    return b.isEmpty() ? text : text.arg(b);
}

} // namespace

const QStringList &TShopSchema::MonthSuffixes()
{
    static const QStringList suffixes{QStringLiteral("Yskmxzb"), QStringLiteral("yskmxcb"),
                                      QStringLiteral("Ysfxmmx"), QStringLiteral("spddzb"),
                                      QStringLiteral("spddcb")};
    return suffixes;
}

QStringList TShopSchema::BaseStatements()
{
    return {
        QStringLiteral("CREATE TABLE IF NOT EXISTS tbSysMsg (f_csmc TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,"
                       " f_csz TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS tbbmda (f_bmbm TEXT NOT NULL PRIMARY KEY,"
                       " f_bmmc TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS tbzyda (f_zybm TEXT NOT NULL PRIMARY KEY,"
                       " f_zymc TEXT NOT NULL DEFAULT '', f_bmbm TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS tbcsda (f_csbm TEXT NOT NULL PRIMARY KEY,"
                       " f_csmc TEXT NOT NULL DEFAULT '', f_zjf TEXT NOT NULL DEFAULT '',"
                       " f_cslx TEXT NOT NULL DEFAULT '1', f_jb INTEGER NOT NULL DEFAULT 1,"
                       " f_mj INTEGER NOT NULL DEFAULT 1, f_kzbz INTEGER NOT NULL DEFAULT 0,"
                       " f_lxr TEXT NOT NULL DEFAULT '', f_dh TEXT NOT NULL DEFAULT '',"
                       " f_cz TEXT NOT NULL DEFAULT '', f_sh TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS tbcsda_jb ON tbcsda (f_jb, f_csbm)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS tbzffs (f_zffsbm TEXT NOT NULL PRIMARY KEY,"
                       " f_zffsmc TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS tbsfxmda (f_sfxmbm TEXT NOT NULL PRIMARY KEY,"
                       " f_sfxmmc TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS tbbbmb (f_djmc TEXT NOT NULL, f_reportname TEXT NOT NULL,"
                       " f_reportinfo TEXT NOT NULL DEFAULT '#', PRIMARY KEY (f_djmc, f_reportname))"),
        Format(OrderHeaderTable, QStringLiteral("tbspddzb")),
        Format(OrderLineTable, QStringLiteral("tbspddcb")),
    };
}

QStringList TShopSchema::MonthStatements(const QString &month)
{
    const QString header = MonthTable(month, QStringLiteral("Yskmxzb"));
    const QString payments = MonthTable(month, QStringLiteral("yskmxcb"));
    const QString items = MonthTable(month, QStringLiteral("Ysfxmmx"));
    return {
        Format(BillHeaderTable, header),
        QStringLiteral("CREATE INDEX IF NOT EXISTS %1_bm ON %1 (f_bmbm, f_djh)").arg(header),
        QStringLiteral("CREATE INDEX IF NOT EXISTS %1_rq ON %1 (f_zdrq, f_djh)").arg(header),
        Format(PaymentLineTable, payments, header),
        Format(ItemLineTable, items, header),
        QStringLiteral("CREATE INDEX IF NOT EXISTS %1_cs ON %1 (f_csbm, f_ddh)").arg(items),
        Format(OrderHeaderTable, MonthTable(month, QStringLiteral("spddzb"))),
        Format(OrderLineTable, MonthTable(month, QStringLiteral("spddcb"))),
    };
}

bool TShopSchema::IsMonth(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(19|20|21)\\d{2}(0[1-9]|1[0-2])$"));
    return pattern.match(text).hasMatch();
}

QString TShopSchema::MonthTable(const QString &month, const QString &suffix)
{
    return QStringLiteral("tb%1_%2").arg(month, suffix);
}

QStringList TShopSchema::MonthsNamedIn(const QString &sql)
{
    static const QRegularExpression pattern(QStringLiteral("\\btb(\\d{6})_(yskmxzb|yskmxcb|ysfxmmx|spddzb|spddcb)\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    QStringList months;
    for (auto it = pattern.globalMatch(sql); it.hasNext();) {
        const QString month = it.next().captured(1);
        if (IsMonth(month) && !months.contains(month))
            months.append(month);
    }
    return months;
}
