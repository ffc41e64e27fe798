#include "mis/store/DemoData.h"
#include "mis/store/TemplateStore.h"
#include "support/TTestHost.h"
#include "support/TestPrinters.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(DemoData, EveryParameterTheFormsRequireIsThereWithANumberWhereOneIsRead)
{
    TTestHost host;
    const char *required[] = {"dwlx", "qyny", "rqssj", "dybm", "dwmc", "ysjscdjdbm", "sjkbbh", "hykls", "ysqr", "sh", "dz",
                              "fgckjb", "sphsfs", "jsxtfs", "jjcbhsff", "sjcbhsff", "cbjzfs", "lxdh", "khh", "zh", "sljd",
                              "lskz", "psysjscdjd", "cskz", "zrrkz", "dddyhs", "brddyhs", "brdhscfs", "bcddyhs", "tjddyhs",
                              "bcdhscfs", "sgddyhs", "sgdhscfs", "ykddyhs", "ykdhscfs", "dbddyhs", "dbdhscfs", "jgddyhs",
                              "jgdhscfs", "tbddyhs", "tbdhscfs", "syddyhs", "sydhscfs", "ysddyhs", "ysdhscfs", "pdbdyhs",
                              "pdbhscfs", "thddyhs", "ptfpdyhs", "thcpbxxdythqd", "zjdyfs", "ddysfs", "hsdwh", "dpckbm",
                              "dpjfs", "thjjclfs", "ddyszzfs", "ddyxrqqy", "ysfs", "khzqqy", "zkhwlqy", "xsfkz", "hyklwms",
                              "yckqzj", "dqny"};
    const char *integers[] = {"fgckjb", "sphsfs", "jsxtfs", "jjcbhsff", "sjcbhsff", "psxzsl", "xsxzsl", "jhxzsl", "cbjzfs",
                              "dddyhs", "spfzflx", "brddyhs", "bcddyhs", "tjddyhs", "sgddyhs", "ykddyhs", "dbddyhs",
                              "jgddyhs", "tbddyhs", "syddyhs", "ysddyhs", "pdbdyhs", "thddyhs", "ptfpdyhs", "ddyszzfs",
                              "ddyxrqqy", "ysfs", "hykxc", "xsfkz", "psfpbdyhs", "sljd", "xpdjmrsl"};
    for (const char *key : required)
        EXPECT_EQ(host.Select(QStringLiteral("select count(*) from tbSysMsg where f_csmc=?"), {QString::fromLatin1(key)}),
                  QStringList{QStringLiteral("1")})
            << key;
    for (const char *key : integers) {
        bool isNumber = false;
        host.Select(QStringLiteral("select f_csz from tbSysMsg where f_csmc=?"), {QString::fromLatin1(key)}).value(0).toDouble(&isNumber);
        EXPECT_TRUE(isNumber) << key;
    }
    EXPECT_EQ(host.Select(QStringLiteral("select f_csz from tbSysMsg where f_csmc in ('dwlx','dybm','qyny','dqny') order by f_csmc")),
              (QStringList{QStringLiteral("200503"), QStringLiteral("01"), QStringLiteral("01"), QStringLiteral("200409")}));
}

TEST(DemoData, TradingPartnersFormAThreeLevelTreeOfEveryType)
{
    TTestHost host;
    EXPECT_EQ(host.Select(QStringLiteral("select f_cslx, f_jb, f_mj, count(*) from tbcsda group by 1,2,3 order by 1,2,3")),
              (QStringList{QStringLiteral("0|1|0|4"), QStringLiteral("0|2|0|24"), QStringLiteral("0|3|1|672"),
                           QStringLiteral("1|1|0|4"), QStringLiteral("1|2|0|24"), QStringLiteral("1|3|1|672"),
                           QStringLiteral("2|1|0|4"), QStringLiteral("2|2|0|24"), QStringLiteral("2|3|1|672")}));
    // Every record below the top has exactly one parent: a record one level up whose code begins its own.
    EXPECT_EQ(host.Select(QStringLiteral("select count(*) from tbcsda c where c.f_jb>1 and (select count(*) from tbcsda p"
                                         " where p.f_jb=c.f_jb-1 and p.f_cslx=c.f_cslx and substr(c.f_csbm,1,length(p.f_csbm))=p.f_csbm)<>1")),
              QStringList{QStringLiteral("0")});
    EXPECT_EQ(host.Select(QStringLiteral("select count(*) from tbcsda where f_csmc='' or f_zjf=''")), QStringList{QStringLiteral("0")});
}

TEST(DemoData, OpenOrdersBillsOfSeveralMonthsAndTheBillTemplate)
{
    TTestHost host;
    EXPECT_EQ(host.Database().ExistingMonths(),
              (QStringList{QStringLiteral("200501"), QStringLiteral("200502"), QStringLiteral("200503")}));
    EXPECT_EQ(host.Select(QStringLiteral("select count(distinct f_rhbm) >= 4, min(f_dhsl) < 0 from tbspddzb zb join tbspddcb cb"
                                         " on cb.f_djh=zb.f_djh where zb.f_ddlx='5' and zb.f_ddzt='1' and zb.f_chbm='01'")),
              QStringList{QStringLiteral("1|1")});
    EXPECT_EQ(host.Select(QStringLiteral("select group_concat(distinct f_trbz) from (select f_trbz from tb200503_Yskmxzb order by 1)")),
              QStringList{QStringLiteral("0,1,2")});
    EXPECT_EQ(host.Select(QStringLiteral("select count(*) from tbsfxmda where f_sfxmbm='0001'")), QStringList{QStringLiteral("1")});

    QFile file(QString::fromLatin1(DemoTemplateResource));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the build did not embed the advance-receipt template";
    auto stored = ExportTemplate(host.Database(), QStringLiteral("预收款单"));
    ASSERT_TRUE(stored) << stored.Error().toStdString();
    EXPECT_EQ(*stored, file.readAll());
}

TEST(DemoData, ADatabaseThatHoldsAShopIsNotSeededAgain)
{
    TTestHost host;
    auto again = SeedDemoData(host.Database());
    ASSERT_FALSE(again);
    EXPECT_FALSE(again.Error().isEmpty());
    EXPECT_EQ(host.Select(QStringLiteral("select count(*) from tbbmda")), QStringList{QStringLiteral("6")});
}
