#include "mis/store/TStatementAdapter.h"
#include "support/TestPrinters.h"

#include <gtest/gtest.h>

namespace {

struct TAdapterCase {
    const char *DbType;
    const char *Sql;
    const char *Expected;
};

const TAdapterCase Cases[] = {
    // SQL Server's leading TOP becomes a trailing LIMIT, after ORDER BY and trailing blanks.
    {"SQLSERVER", "Select top 1000 f_csbm,f_csmc from tbcsda where (f_cslx='1') and  f_csmc Like '%华联%' order by f_csbm ",
     "Select f_csbm,f_csmc from tbcsda where (f_cslx='1') and  f_csmc Like '%华联%' order by f_csbm limit 1000"},
    {"SQLSERVER", "  SELECT TOP 5 * FROM tbzffs;", "  SELECT * FROM tbzffs limit 5"},
    {"SQLSERVER", "select distinct top (3) f_bmbm from tbbmda", "select distinct f_bmbm from tbbmda limit 3"},
    // Only the leading form: a column called top, TOP inside a subquery, TOP n PERCENT stay.
    {"SQLSERVER", "select top from t", "select top from t"},
    {"SQLSERVER", "select * from (select top 2 f_djh from t) x", "select * from (select top 2 f_djh from t) x"},
    {"SQLSERVER", "select top 10 percent f_djh from t", "select top 10 percent f_djh from t"},
    {"SQLSERVER", "select topx from t", "select topx from t"},
    // IsNull for every type, never inside quotes or as part of a longer name.
    {"SQLSERVER", "Select IsNull(Max(f_djh),'0') f_djh From tb200503_Yskmxzb Where f_Trbz = '0' ",
     "Select ifnull(Max(f_djh),'0') f_djh From tb200503_Yskmxzb Where f_Trbz = '0' "},
    {"DB2", "select ISNULL (a, 'IsNull(x)'), myisnull(b) from t", "select ifnull (a, 'IsNull(x)'), myisnull(b) from t"},
    {"ORACLE", "select 'it''s IsNull(' , IsNull(c,0) from t", "select 'it''s IsNull(' , ifnull(c,0) from t"},
    // DB2's row cap, singular or plural, at the end only.
    {"DB2", "Select f_csbm from tbcsda where (f_cslx='1') and  f_zjf Like '%BJ%' order by f_csbm fetch first 1000 row only",
     "Select f_csbm from tbcsda where (f_cslx='1') and  f_zjf Like '%BJ%' order by f_csbm limit 1000"},
    {"DB2", "select * from t FETCH FIRST 7 ROWS ONLY ; ", "select * from t limit 7"},
    {"DB2", "select top 5 * from t", "select top 5 * from t"},
    // ORACLE's outer rownum cap unwraps the ordered inner select.
    {"ORACLE", "Select * from (Select f_csbm,f_csmc from tbcsda where (f_cslx='1') and  f_csmc Like '%华联%' order by f_csbm ) where rownum<=1000",
     "Select f_csbm,f_csmc from tbcsda where (f_cslx='1') and  f_csmc Like '%华联%' order by f_csbm limit 1000"},
    {"ORACLE", "select * from ( select a from (select a from t) order by a ) x where rownum <= 20",
     "select a from (select a from t) order by a limit 20"},
    {"ORACLE", "select * from t where rownum<=5", "select * from t where rownum<=5"},
    // An unknown type gets only IsNull.
    {"INFORMIX", "select top 1 IsNull(a,1) from t", "select top 1 ifnull(a,1) from t"},
};

class TStatementAdapterCase : public testing::TestWithParam<TAdapterCase> {};

} // namespace

TEST_P(TStatementAdapterCase, TranslatesOnlyTheKnownForms)
{
    const TAdapterCase &c = GetParam();
    EXPECT_EQ(TStatementAdapter(QString::fromUtf8(c.DbType)).Translate(QString::fromUtf8(c.Sql)), QString::fromUtf8(c.Expected));
}

INSTANTIATE_TEST_SUITE_P(Dialects, TStatementAdapterCase, testing::ValuesIn(Cases));

TEST(TStatementAdapter, TypeIsMatchedWithoutRegardToCaseOrBlanks)
{
    EXPECT_EQ(TStatementAdapter(QStringLiteral(" db2 ")).Translate(QStringLiteral("select a from t fetch first 2 rows only")),
              QStringLiteral("select a from t limit 2"));
}
