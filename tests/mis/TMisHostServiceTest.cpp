#include "THostCalls.h"

#include "mis/store/TemplateStore.h"
#include "platform/win/ZorvaHostContract.h"
#include "support/TTestHost.h"
#include "support/TestPrinters.h"

#include <gtest/gtest.h>

TEST(TMisHostService, CallsOfAnUnknownIdOrTheWrongShapeAreNotDispatched)
{
    TTestHost host;
    EXPECT_FALSE(CallHost(host.Disp(), 0x777, {}).Dispatched);
    EXPECT_FALSE(CallHost(host.Disp(), DISPID_QuerySql, {QStringLiteral("select 1")}).Dispatched);
    EXPECT_FALSE(CallHost(host.Disp(), DISPID_GetDbType, {1}).Dispatched);
    EXPECT_FALSE(CallHost(host.Disp(), DISPID_BillQuery, {0, QVariant()}).Dispatched);
}

TEST(TMisHostService, ReportsTheConfiguredTypeMonthAndFixedClock)
{
    TTestHost host({.DbType = QStringLiteral("ORACLE"), .YearMonth = QStringLiteral("200412")});
    QVariantList none;
    const IRudoDisp::TInvokeResult type = host.Disp()->Invoke(DISPID_GetDbType, none);
    EXPECT_TRUE(type.Dispatched);
    EXPECT_EQ(type.Value.toString(), QStringLiteral("ORACLE"));

    const struct {
        qint32 Id;
        const char *Value;
    } cases[] = {{DISPID_GetCurYearMonth, "200412"}, {DISPID_GetServerDate, "20050315"},
                 {DISPID_GetServerDateTime, "20050315103000"}};
    for (const auto &c : cases) {
        const THostReply reply = CallHost(host.Disp(), c.Id, {QVariant()});
        EXPECT_TRUE(reply.Ok);
        EXPECT_EQ(reply.Args.at(0).toString(), QString::fromLatin1(c.Value));
    }
}

TEST(TMisHostService, WithoutAConfiguredMonthTheAccountingMonthIsTheClocksMonth)
{
    TTestHost host({.YearMonth = QString(), .Now = QDateTime(QDate(2006, 11, 2), QTime(8, 0))});
    EXPECT_EQ(CallHost(host.Disp(), DISPID_GetCurYearMonth, {QVariant()}).Args.at(0).toString(), QStringLiteral("200611"));
}

TEST(TMisHostService, EmployeeAndDepartmentByCodeAndAMessageForAnUnknownCode)
{
    TTestHost host;
    const THostReply employee = CallHost(host.Disp(), DISPID_GetEmployee, {1, QStringLiteral("0001")});
    ASSERT_TRUE(employee.Ok);
    EXPECT_EQ(Packet(employee.Args.at(1)).Value(0, 1).toString(), QStringLiteral("张伟"));
    const THostReply department = CallHost(host.Disp(), DISPID_GetDepartment, {1, QStringLiteral("03")});
    ASSERT_TRUE(department.Ok);
    TDataSet ds = Packet(department.Args.at(1));
    EXPECT_EQ(ds.FieldByName(QStringLiteral("f_bmmc")).AsString(), QStringLiteral("家用电器部"));

    for (qint32 id : {DISPID_GetEmployee, DISPID_GetDepartment}) {
        const THostReply unknown = CallHost(host.Disp(), id, {1, QStringLiteral("9999")});
        EXPECT_TRUE(unknown.Dispatched);
        EXPECT_FALSE(unknown.Ok);
        ASSERT_EQ(unknown.Messages().size(), 1);
        EXPECT_TRUE(unknown.Messages().at(0).contains(QStringLiteral("9999")));
    }
}

TEST(TMisHostService, SystemParametersComeAsNameAndValue)
{
    TTestHost host;
    const THostReply reply = CallHost(host.Disp(), DISPID_GetSysParams, {QVariant()});
    ASSERT_TRUE(reply.Ok);
    TDataSet ds = Packet(reply.Args.at(0));
    ASSERT_TRUE(ds.Locate(QStringLiteral("f_csmc"), QStringLiteral("DYBM")));
    EXPECT_EQ(ds.FieldByName(QStringLiteral("f_csz")).AsString(), QStringLiteral("01"));
    ASSERT_TRUE(ds.Locate(QStringLiteral("f_csmc"), QStringLiteral("dqny")));
    EXPECT_EQ(ds.FieldByName(QStringLiteral("f_csz")).AsString(), QStringLiteral("200503"));
}

TEST(TMisHostService, ReportTemplatesOfATitleInTheOrderTheyWereStored)
{
    TTestHost host;
    ASSERT_TRUE(ImportTemplate(host.Database(), QStringLiteral("预收款单"), QStringLiteral("简易格式"), "AB"));
    const THostReply reply = CallHost(host.Disp(), DISPID_GetReportTemplates, {QStringLiteral("预收款单"), QVariant()});
    ASSERT_TRUE(reply.Ok);
    TDataSet ds = Packet(reply.Args.at(1));
    ASSERT_EQ(ds.RecordCount(), 2);
    EXPECT_EQ(ds.Value(0, 0).toString(), QStringLiteral("预收款单"));
    EXPECT_TRUE(ds.Value(0, 1).toString().endsWith(QLatin1Char('#')));
    EXPECT_EQ(ds.Value(1, 1).toString(), QStringLiteral("4142#"));

    const THostReply none = CallHost(host.Disp(), DISPID_GetReportTemplates, {QStringLiteral("付款单"), QVariant()});
    ASSERT_TRUE(none.Ok);
    EXPECT_EQ(Packet(none.Args.at(1)).RecordCount(), 0);
    EXPECT_EQ(Packet(none.Args.at(1)).FieldCount(), 2);
}

TEST(TMisHostService, SelectTextGivesTabSeparatedRows)
{
    TTestHost host;
    auto text = host.Service().SelectText(QStringLiteral("select top 2 f_zffsbm, f_zffsmc, 1.5 from tbzffs order by f_zffsbm"));
    ASSERT_TRUE(text) << text.Error().toStdString();
    EXPECT_EQ(*text, QStringLiteral("01\t现金\t1.5\n02\t转账支票\t1.5"));
    EXPECT_FALSE(host.Service().SelectText(QStringLiteral("delete from tbzffs")));
}
