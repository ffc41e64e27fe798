// Every SELECT the module sends, as its forms build it, run once against the demo shop of
// 2005-03-15 (accounting month 200503, unit department "01", books started 200409).
#include "THostCalls.h"

#include "platform/data/TRecordset.h"
#include "platform/win/ZorvaHostContract.h"
#include "support/TTestHost.h"
#include "support/TestPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QString Columns = QStringLiteral("f_csbm,f_csmc,f_zjf,f_mj,f_kzbz,f_lxr,f_dh,f_Cz,f_sh");
const QString AllTypes = QStringLiteral("f_cslx='0' or f_cslx='1' or f_cslx='2'");
const QString Customers = QStringLiteral("f_cslx='1'");

TDataSet RunSql(const TTestHost &host, const QString &sql, qint32 id = DISPID_QuerySql)
{
    const THostReply reply = CallHost(host.Disp(), id, {sql, QVariant()});
    EXPECT_TRUE(reply.Ok) << sql.toStdString() << "\n  -> " << reply.Messages().join(QLatin1Char(';')).toStdString();
    if (!reply.Ok)
        return {};
    if (id == DISPID_QueryRecordset)
        return reply.Args.at(1).value<TRecordset>().Data();
    return Packet(reply.Args.at(1));
}

QStringList Column(const TDataSet &ds, int column)
{
    QStringList values;
    for (int row = 0; row < ds.RecordCount(); ++row)
        values.append(ds.Value(row, column).toString());
    return values;
}

// The months first..last ascending, the template once per month joined by " Union All ", as
// the module's UnionMonths writes it.
QString UnionMonths(const QString &sql, const QString &first, const QString &last)
{
    QStringList copies;
    for (QDate month = QDate::fromString(first + QStringLiteral("01"), QStringLiteral("yyyyMMdd"));
         month.toString(QStringLiteral("yyyyMM")) <= last; month = month.addMonths(1))
        copies.append(QString(sql).replace(QStringLiteral("tb000000"), QStringLiteral("tb") + month.toString(QStringLiteral("yyyyMM"))));
    return copies.join(QStringLiteral(" Union All "));
}

QString NameSearch(const QString &dbType, const QString &filter, const QString &column, const QString &text)
{
    const QString where = QStringLiteral(" from tbcsda where (") + filter + QStringLiteral(") and  ") + column +
                          QStringLiteral(" Like '%") + text + QStringLiteral("%' order by f_csbm");
    if (dbType == QLatin1String("DB2"))
        return QStringLiteral("Select ") + Columns + where + QStringLiteral(" fetch first 1000 row only");
    if (dbType == QLatin1String("ORACLE"))
        return QStringLiteral("Select * from (Select ") + Columns + where + QStringLiteral(" ) where rownum<=1000");
    return QStringLiteral("Select top 1000 ") + Columns + where + QStringLiteral(" ");
}

} // namespace

TEST(ModuleStatements, LookupsOfTradingPartnersUnderEveryDatabaseType)
{
    for (const QString &type : {QStringLiteral("SQLSERVER"), QStringLiteral("DB2"), QStringLiteral("ORACLE")}) {
        SCOPED_TRACE(type.toStdString());
        TTestHost host({.DbType = type});
        const TDataSet all = RunSql(host, NameSearch(type, AllTypes, QStringLiteral("f_csmc"), QString()));
        ASSERT_EQ(all.RecordCount(), 1000);
        EXPECT_EQ(all.Value(0, 0).toString(), QStringLiteral("11"));
        QStringList codes = Column(all, 0);
        EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));

        const TDataSet byName = RunSql(host, NameSearch(type, Customers, QStringLiteral("f_csmc"), QStringLiteral("华联")));
        EXPECT_EQ(byName.RecordCount(), 48);
        EXPECT_EQ(byName.Value(0, 1).toString(), QStringLiteral("北京华联商贸有限公司"));
        const TDataSet byMnemonic = RunSql(host, NameSearch(type, Customers, QStringLiteral("f_zjf"), QStringLiteral("BJHL")));
        EXPECT_EQ(Column(byMnemonic, 0), (QStringList{QStringLiteral("2101001"), QStringLiteral("2101015")}));
    }
}

TEST(ModuleStatements, CodeLevelsDrillDownsAndFlatLookups)
{
    TTestHost host;
    EXPECT_EQ(Column(RunSql(host, QStringLiteral("Select f_Csz from tbSysMsg Where f_Csmc='dqny'")), 0),
              QStringList{QStringLiteral("200503")});
    EXPECT_EQ(RunSql(host, QStringLiteral("Select min(f_jb) as m_jb from tbcsda where (") + Customers +
                            QStringLiteral(") and f_csbm Like '%'"))
                  .Value(0, 0)
                  .toInt(),
              1);
    EXPECT_TRUE(RunSql(host, QStringLiteral("Select min(f_jb) as m_jb from tbcsda where (") + Customers +
                              QStringLiteral(") and f_csbm Like '9%'"))
                    .Value(0, 0)
                    .isNull());
    const TDataSet level = RunSql(host, QStringLiteral("Select ") + Columns + QStringLiteral(" from tbcsda where (") + AllTypes +
                                         QStringLiteral(") and f_jb=2 and  f_csbm Like '21%' order by f_csbm "));
    EXPECT_EQ(level.RecordCount(), 6);
    EXPECT_EQ(level.Value(0, 3).toInt(), 0);
    const TDataSet leaf = RunSql(host, QStringLiteral("select f_csbm,f_csmc,f_zjf,f_jb,f_kzbz,f_lxr,f_dh,f_cz,f_sh,f_mj from tbcsda"
                                                   " where f_csbm='2101001'"));
    ASSERT_EQ(leaf.RecordCount(), 1);
    EXPECT_EQ(leaf.Value(0, 9).toInt(), 1);
    EXPECT_EQ(int(leaf.FieldDef(4).DataType), int(TFieldType::Integer));

    const struct {
        const char *Sql;
        int Rows;
    } flat[] = {
        {"Select f_zffsbm,f_zffsmc from tbzffs where f_zffsmc Like '现%' order by f_zffsbm ", 1},
        {"Select f_zffsbm,f_zffsmc from tbzffs where f_zffsbm Like '0%' order by f_zffsbm ", 6},
        {"Select f_sfxmbm,f_sfxmmc from tbsfxmda where f_sfxmmc Like '预收%' order by f_sfxmbm ", 2},
        {"Select f_sfxmbm,f_sfxmmc from tbsfxmda where f_sfxmbm Like '000%' order by f_sfxmbm ", 5},
        {"select * from tbsfxmda where f_sfxmbm='0001'", 1},
        {"select * from tbsfxmda", 5},
        {"select * from tbzffs", 6},
    };
    for (const auto &f : flat)
        EXPECT_EQ(RunSql(host, QString::fromUtf8(f.Sql)).RecordCount(), f.Rows) << f.Sql;
}

TEST(ModuleStatements, EntryFormOrderPullOffersOrdersOfVoidBillsAgain)
{
    TTestHost host;
    const QString c = QStringLiteral("2101002"), d = QStringLiteral("01"), m = QStringLiteral("200503");
    const QString sql =
        QStringLiteral("select zb.f_djh,zb.f_chbm,zb.f_rhbm,sum(cb.f_dhsl) f_dhsl,sum(cb.f_dhje+cb.f_dhsj) f_dhje from tbspddzb zb,"
                       "tbspddcb cb where zb.f_ddlx=cb.f_ddlx   and zb.f_dhbm=cb.f_dhbm   and zb.f_djh=cb.f_djh   and "
                       "zb.f_ddlx='5'   and zb.f_ddzt='1'   and zb.f_rhbm='") +
        c + QStringLiteral("'   and zb.f_chbm='") + d + QStringLiteral("'  and zb.f_djh not in ( Select f_ddh From tb") + m +
        QStringLiteral("_Ysfxmmx  Where f_Csbm = '") + c + QStringLiteral("'  And f_Djh Not In ( Select f_Djh From tb") + m +
        QStringLiteral("_Yskmxzb  Where f_Trbz = '2') ) group by zb.f_djh,zb.f_chbm,zb.f_rhbm");
    const QStringList offered = Column(RunSql(host, sql), 0);
    const QStringList onVoidBills = host.Select(
        QStringLiteral("select x.f_ddh from tb200503_Ysfxmmx x join tb200503_Yskmxzb z on z.f_djh=x.f_djh"
                       " where z.f_trbz='2' and x.f_ddh<>''"));
    EXPECT_EQ(offered, onVoidBills);

    QString withReturns = sql;
    withReturns.replace(c, QStringLiteral("2101001"));
    const TDataSet orders = RunSql(host, withReturns);
    EXPECT_EQ(orders.RecordCount(), 3);
    bool anyReturn = false;
    for (int row = 0; row < orders.RecordCount(); ++row)
        anyReturn = anyReturn || orders.Value(row, 3).toDouble() < 0;
    EXPECT_TRUE(anyReturn);
}

TEST(ModuleStatements, ModificationFormNavigationAndBillNumberLookup)
{
    TTestHost host;
    const QString head = QStringLiteral(" f_djh From tb200503_Yskmxzb Where f_Zdrq = '20050315' And f_Trbz = '0' ");
    const QString last = RunSql(host, QStringLiteral("Select IsNull(Max(f_djh),'0')") + head).Value(0, 0).toString();
    const QString first = RunSql(host, QStringLiteral("Select IsNull(Min(f_djh),'0')") + head).Value(0, 0).toString();
    EXPECT_EQ(last, host.Select(QStringLiteral("select max(f_djh) from tb200503_Yskmxzb where f_zdrq='20050315' and f_trbz='0'")).value(0));
    EXPECT_LT(first, last);
    EXPECT_EQ(RunSql(host, QStringLiteral("Select IsNull(Max(f_djh),'0')") + head + QStringLiteral("And f_Djh < '") + first +
                            QStringLiteral("' "))
                  .Value(0, 0)
                  .toString(),
              QStringLiteral("0"));
    EXPECT_EQ(RunSql(host, QStringLiteral("Select IsNull(Min(f_djh),'0')") + head + QStringLiteral("And f_Djh > '") + last +
                            QStringLiteral("' "))
                  .Value(0, 0)
                  .toString(),
              QStringLiteral("0"));
    // A day without bills, in a month that has no tables yet.
    EXPECT_EQ(RunSql(host, QStringLiteral("Select IsNull(Max(f_djh),'0') f_djh From tb200412_Yskmxzb Where f_Zdrq = '20041201' And f_Trbz = '0' "))
                  .Value(0, 0)
                  .toString(),
              QStringLiteral("0"));
    const TDataSet bill = RunSql(host, QStringLiteral("Select f_djh,f_zdrq,f_trbz From tb200503_Yskmxzb Where f_djh = '") + last +
                                        QStringLiteral("' "));
    ASSERT_EQ(bill.RecordCount(), 1);
    EXPECT_EQ(bill.Value(0, 1).toString(), QStringLiteral("20050315"));
}

TEST(ModuleStatements, ModificationFormOrderPullOverOneAndTwoMonths)
{
    TTestHost host;
    const QString k = QStringLiteral("2101001"), b = QStringLiteral("01");
    const QString inner = QStringLiteral("select f_ddlb,zb.f_djh,zb.f_chbm,zb.f_rhbm,cb.f_dhje+cb.f_dhsj f_dhje from tb000000_spddzb zb,"
                                         "tb000000_spddcb cb where zb.f_ddlx=cb.f_ddlx   and zb.f_dhbm=cb.f_dhbm   and "
                                         "zb.f_djh=cb.f_djh   and zb.f_ddlx='5'   and zb.f_ddzt='1'   and zb.f_rhbm='") +
                          k + QStringLiteral("'   and zb.f_chbm='") + b + QStringLiteral("'");
    const QString exclusion = QStringLiteral(" Select f_Ddh From tb000000_Ysfxmmx  Where f_Csbm = '") + k +
                              QStringLiteral("'  And f_Djh Not In ( Select f_Djh From tb000000_Yskmxzb  Where f_Trbz = '2') ");
    const QString twoMonths = QStringLiteral("Select f_ddlb,f_djh,f_chbm,f_rhbm,sum(f_dhje) f_dhje From ( ") +
                              UnionMonths(inner, QStringLiteral("200502"), QStringLiteral("200503")) +
                              QStringLiteral(") AllJxc Where f_Djh Not In (") +
                              UnionMonths(exclusion, QStringLiteral("200502"), QStringLiteral("200503")) +
                              QStringLiteral(")Group By f_Ddlb,f_Djh,f_Chbm,f_Rhbm ");
    const TDataSet both = RunSql(host, twoMonths);
    EXPECT_EQ(both.RecordCount(), 3);
    int returns = 0;
    for (int row = 0; row < both.RecordCount(); ++row)
        returns += both.Value(row, 0).toInt() != 0;
    EXPECT_EQ(returns, 1);

    const QString y = QStringLiteral("200503");
    const QString oneMonth =
        QStringLiteral("select f_ddlb,zb.f_djh,zb.f_chbm,zb.f_rhbm,sum(cb.f_dhje+cb.f_dhsj) f_dhje from tb") + y +
        QStringLiteral("_spddzb zb,tb") + y +
        QStringLiteral("_spddcb cb where zb.f_ddlx=cb.f_ddlx   and zb.f_dhbm=cb.f_dhbm   and zb.f_djh=cb.f_djh   and zb.f_ddlx='5'"
                       "   and zb.f_ddzt='1'   and zb.f_rhbm='") +
        k + QStringLiteral("'   and zb.f_chbm='") + b + QStringLiteral("'  and zb.f_djh not in ( Select f_ddh From tb") + y +
        QStringLiteral("_Ysfxmmx  Where f_Csbm = '") + k + QStringLiteral("'  And f_Djh Not In ( Select f_Djh From tb") + y +
        QStringLiteral("_Yskmxzb  Where f_Trbz = '2') ) group by f_ddlb,zb.f_djh,zb.f_chbm,zb.f_rhbm");
    EXPECT_EQ(RunSql(host, oneMonth).RecordCount(), 0) << "the customer's orders of March were all made in February";
}

namespace {

const char *const DetailFrom =
    "from tb000000_yskmxzb zb left join tbbmda bmda on bmda.f_bmbm=zb.f_bmbm left join tbcsda csda on csda.f_csbm=zb.f_csbm,"
    "tb000000_yskmxcb cb left join tbzffs zffsda on zffsda.f_zffsbm=cb.f_zffsbm ";

struct TDetailMode {
    const char *Select;
    const char *GroupBy;
    const char *Outer;
    const char *Tail;
};

const TDetailMode DetailModes[] = {
    {"select zb.f_djh,cb.f_dnxh,zb.f_bmbm,bmda.f_bmmc,zb.f_sfbz,zb.f_zdrq,zb.f_csbm,csda.f_csmc,zb.f_zdrbm,zb.f_zdrmc,cb.f_zffsbm,"
     "zffsda.f_zffsmc,cb.f_zph,cb.f_zfje,zb.f_bz,case when zb.f_trbz='0' then '否' else '是' end f_trbz ",
     "", "select * from (", ") stemp order by f_zdrq,f_djh"},
    {"select zb.f_djh,0 f_dnxh,zb.f_bmbm,bmda.f_bmmc,'' f_sfbz,zb.f_zdrq,'' f_csbm,'' f_csmc,'' f_zdrbm,'' f_zdrmc,'' f_zffsbm,"
     "'' f_zffsmc,'' f_zph,sum(cb.f_zfje) f_zfje,'' f_bz,case when zb.f_trbz='0' then '否' else '是' end f_trbz  ",
     "Group by zb.f_djh,zb.f_zdrq,zb.f_bmbm,bmda.f_bmmc,zb.f_trbz",
     "select f_djh,0 f_dnxh,f_bmbm,f_bmmc,'' f_sfbz,f_zdrq,'' f_csbm,'' f_csmc,'' f_zdrbm,'' f_zdrmc,'' f_zffsbm,'' f_zffsmc,"
     "'' f_zph,sum(f_zfje) f_zfje,'' f_bz,'' f_trbz from (",
     ") stemp Group by stemp.f_djh,stemp.f_bmbm,stemp.f_bmmc,stemp.f_zdrq order by stemp.f_zdrq,stemp.f_djh"},
    {"select '' f_djh,0 f_dnxh,'' f_bmbm,'' f_bmmc,'' f_sfbz,'' f_zdrq,'' f_csbm,'' f_csmc,zb.f_zdrbm,zb.f_zdrmc,'' f_zffsbm,"
     "'' f_zffsmc,'' f_zph,sum(cb.f_zfje) f_zfje,'' f_bz,'' f_trbz ",
     "Group by zb.f_zdrbm,zb.f_zdrmc",
     "select '' f_djh,0 f_dnxh,'' f_bmbm,'' f_bmmc,'' f_sfbz,'' f_zdrq,'' f_csbm,'' f_csmc,f_zdrbm,f_zdrmc,'' f_zffsbm,"
     "'' f_zffsmc,'' f_zph,sum(f_zfje) f_zfje,'' f_bz,'' f_trbz from (",
     ") stemp Group by stemp.f_zdrbm,stemp.f_zdrmc order by stemp.f_zdrbm"},
    {"select '' f_djh,0 f_dnxh,'' f_bmbm,'' f_bmmc,'' f_sfbz,zb.f_zdrq,'' f_csbm,'' f_csmc,'' f_zdrbm,'' f_zdrmc,'' f_zffsbm,"
     "'' f_zffsmc,'' f_zph,sum(cb.f_zfje) f_zfje,'' f_bz,'' f_trbz  ",
     "Group by zb.f_zdrq",
     "select '' f_djh,0 f_dnxh,'' f_bmbm,'' f_bmmc,'' f_sfbz,f_zdrq,'' f_csbm,'' f_csmc,'' f_zdrbm,'' f_zdrmc,'' f_zffsbm,"
     "'' f_zffsmc,'' f_zph,sum(f_zfje) f_zfje,'' f_bz,'' f_trbz from (",
     ") stemp Group by stemp.f_zdrq order by stemp.f_zdrq"},
    {"select '' f_djh,0 f_dnxh,zb.f_bmbm,bmda.f_bmmc,'' f_sfbz,'' f_zdrq,'' f_csbm,'' f_csmc,'' f_zdrbm,'' f_zdrmc,'' f_zffsbm,"
     "'' f_zffsmc,'' f_zph,sum(cb.f_zfje) f_zfje,'' f_bz,'' f_trbz  ",
     "Group by zb.f_bmbm,bmda.f_bmmc",
     "select '' f_djh,0 f_dnxh,f_bmbm,f_bmmc,'' f_sfbz,'' f_zdrq,'' f_csbm,'' f_csmc,'' f_zdrbm,'' f_zdrmc,'' f_zffsbm,"
     "'' f_zffsmc,'' f_zph,sum(f_zfje) f_zfje,'' f_bz,'' f_trbz from (",
     ") stemp Group by stemp.f_bmbm,stemp.f_bmmc order by stemp.f_bmbm"},
    {"select '' f_djh,0 f_dnxh,'' f_bmbm,'' f_bmmc,'' f_sfbz,'' f_zdrq,zb.f_csbm,csda.f_csmc,'' f_zdrbm,'' f_zdrmc,'' f_zffsbm,"
     "'' f_zffsmc,'' f_zph,sum(cb.f_zfje) f_zfje,'' f_bz,'' f_trbz  ",
     "Group by zb.f_csbm,csda.f_csmc",
     "select '' f_djh,0 f_dnxh,'' f_bmbm,'' f_bmmc,'' f_sfbz,'' f_zdrq,f_csbm,f_csmc,'' f_zdrbm,'' f_zdrmc,'' f_zffsbm,"
     "'' f_zffsmc,'' f_zph,sum(f_zfje) f_zfje,'' f_bz,'' f_trbz from (",
     ") stemp Group by stemp.f_csbm,stemp.f_csmc order by stemp.f_csbm"},
};

QString DetailQuery(int mode, const QString &begin, const QString &end, const QString &condition)
{
    const TDetailMode &m = DetailModes[mode];
    QString c = condition.isEmpty() ? QString() : QStringLiteral("and (") + condition + QStringLiteral(")");
    if (mode > 0)
        c += QStringLiteral(" ") + QString::fromUtf8(m.GroupBy);
    const QString q = QString::fromUtf8(m.Select) + QString::fromUtf8(DetailFrom) +
                      QStringLiteral("where zb.f_djh=cb.f_djh and zb.f_bmbm=cb.f_bmbm and zb.f_sfbz=cb.f_sfbz and zb.f_sfbz='0' "
                                     "and zb.f_zdrq>='") +
                      begin + QStringLiteral("' and zb.f_zdrq<='") + end + QStringLiteral("' ") + c;
    return QString::fromUtf8(m.Outer) + UnionMonths(q, begin.left(6), end.left(6)) + QString::fromUtf8(m.Tail);
}

} // namespace

TEST(ModuleStatements, DetailQueryInEveryModeOverThreeMonthsWithAndWithoutConditions)
{
    TTestHost host;
    const QString lines = QStringLiteral("select %1 from (select cb.f_zfje, zb.f_bmbm, zb.f_zdrbm from tb%2_Yskmxzb zb join tb%2_yskmxcb cb"
                                         " on cb.f_djh=zb.f_djh and cb.f_bmbm=zb.f_bmbm)");
    auto total = [&](const QString &what) {
        double sum = 0;
        for (const char *month : {"200501", "200502", "200503"})
            sum += host.Select(lines.arg(what, QString::fromLatin1(month))).value(0).toDouble();
        return sum;
    };
    const int expectedRows[] = {int(total(QStringLiteral("count(*)"))), 0, 3, 0, 3, 0};
    for (int mode = 0; mode < 6; ++mode) {
        SCOPED_TRACE(mode);
        const TDataSet all = RunSql(host, DetailQuery(mode, QStringLiteral("20050101"), QStringLiteral("20050315"), {}),
                                 DISPID_QueryRecordset);
        ASSERT_EQ(all.FieldCount(), 16);
        double sum = 0;
        for (int row = 0; row < all.RecordCount(); ++row)
            sum += all.Value(row, all.IndexOfField(QStringLiteral("f_zfje"))).toDouble();
        EXPECT_DOUBLE_EQ(sum, total(QStringLiteral("sum(f_zfje)")));
        if (expectedRows[mode] > 0)
            EXPECT_EQ(all.RecordCount(), expectedRows[mode]);
        else
            EXPECT_GT(all.RecordCount(), 0);

        const TDataSet one = RunSql(host, DetailQuery(mode, QStringLiteral("20041120"), QStringLiteral("20050105"),
                                                   QStringLiteral("( zb.f_Bmbm = '01' ) And ( cb.f_Zfje > 100 ) OR ( csda.f_Csmc LIKE '%华联%' )"
                                                                  " And ( zb.f_Bmbm LIKE '0%' ) And ( cb.f_Zffsbm NOT LIKE '%9%' )")),
                                 DISPID_QueryRecordset);
        EXPECT_EQ(one.FieldCount(), 16);
    }
    const TDataSet departments = RunSql(host, DetailQuery(4, QStringLiteral("20050101"), QStringLiteral("20050315"),
                                                       QStringLiteral("( zb.f_Bmbm = '01' )")),
                                     DISPID_QueryRecordset);
    ASSERT_EQ(departments.RecordCount(), 1);
    EXPECT_EQ(departments.Value(0, 3).toString(), QStringLiteral("百货一部"));
    EXPECT_DOUBLE_EQ(departments.Value(0, 13).toDouble(),
                     total(QStringLiteral("sum(case when f_bmbm='01' then f_zfje else 0 end)")));
}
