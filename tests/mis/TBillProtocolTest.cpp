#include "THostCalls.h"

#include "mis/store/TBillWirePackets.h"
#include "mis/store/TBillStore.h"
#include "support/TTestHost.h"
#include "support/TestPrinters.h"

#include <gtest/gtest.h>

namespace {

const QString Month = QStringLiteral("200504");

// The demo shop (bills up to March 2005) with April 2005 as the accounting month.
class TBillProtocol : public testing::Test {
protected:
    TTestHost Host{{.YearMonth = Month}};

    QString Save(const TBillBuilder &bill)
    {
        const THostReply reply = BillUpdate(Host.Disp(), 0, bill.Payments(), bill.Items());
        EXPECT_TRUE(reply.Ok) << reply.Messages().join(QLatin1Char(';')).toStdString();
        return reply.Args.value(1).toString();
    }
    // Stores a bill straight into any month, as an earlier session would have.
    QString SaveIn(const QString &month, const TBillBuilder &bill)
    {
        auto record = TBillWirePackets::Read(bill.Payments(), bill.Items());
        EXPECT_TRUE(record) << record.Error().toStdString();
        auto number = TBillStore(Host.Database()).SaveNew(month, *record);
        EXPECT_TRUE(number) << number.Error().toStdString();
        return number ? *number : QString();
    }
    QString Query(int kind, const QStringList &params)
    {
        const THostReply reply = BillQuery(Host.Disp(), kind, params);
        EXPECT_TRUE(reply.Ok) << reply.Messages().join(QLatin1Char(';')).toStdString();
        return reply.Args.value(1).toString();
    }
    QStringList Headers(const QString &month = Month)
    {
        EXPECT_TRUE(Host.Database().EnsureMonthTables(month));
        return Host.Select(QStringLiteral("select f_djh,f_bmbm,f_csbm,f_zdrq,f_trbz,f_bz from tb%1_Yskmxzb order by f_djh").arg(month));
    }
    QStringList Lines(const QString &number)
    {
        return Host.Select(QStringLiteral("select 'pay',f_dnxh,f_zffsbm,f_zfje,f_zph from tb%1_yskmxcb where f_djh=?1"
                                          " union all select 'item',f_dnxh,f_sfxmbm,f_sfje,f_ddh from tb%1_Ysfxmmx"
                                          " where f_djh=?1 order by 1 desc,2")
                               .arg(Month),
                           {number});
    }
};

TBillBuilder Simple(const QString &date = QStringLiteral("20050405"), const QString &department = QStringLiteral("01"))
{
    return TBillBuilder(QStringLiteral("2104020"), department, date).Item(QStringLiteral("0001"), 100).Payment(QStringLiteral("01"), 100);
}

} // namespace

TEST_F(TBillProtocol, NumbersAreAllocatedPerMonthWhenABillIsStoredAndItComesBackWithNames)
{
    EXPECT_EQ(Query(0, {Month}), QStringLiteral("0000000001"));
    const TBillBuilder bill = TBillBuilder(QStringLiteral("2101001"))
                                  .Number(QStringLiteral("0000000099"))
                                  .Remark(QStringLiteral("春节备货"))
                                  .Item(QStringLiteral("0001"), 100)
                                  .Item(QStringLiteral("0002"), 50, QStringLiteral("2005030005"))
                                  .Payment(QStringLiteral("01"), 120)
                                  .Payment(QStringLiteral("02"), 30, QStringLiteral("ZP001"));
    EXPECT_EQ(Save(bill), QStringLiteral("0000000001"));
    EXPECT_EQ(Query(0, {Month}), QStringLiteral("0000000002"));
    EXPECT_EQ(Query(0, {QStringLiteral("200506")}), QStringLiteral("0000000001"));

    const THostReply loaded = BillQuery(Host.Disp(), 5, {Month, QStringLiteral("01"), QStringLiteral("0000000001")});
    ASSERT_TRUE(loaded.Ok);
    TDataSet payments = Packet(loaded.Args.at(1));
    TDataSet items = Packet(loaded.Args.at(2));
    ASSERT_EQ(payments.RecordCount(), 2);
    ASSERT_EQ(items.RecordCount(), 2);
    auto text = [](TDataSet &ds, const char *field) { return ds.FieldByName(QString::fromLatin1(field)).AsString(); };
    EXPECT_EQ(text(payments, "f_djh"), QStringLiteral("0000000001"));
    EXPECT_EQ(text(payments, "f_trbz"), QStringLiteral("0"));
    EXPECT_EQ(text(payments, "f_sfbz"), QStringLiteral("0"));
    EXPECT_EQ(text(payments, "f_bmmc"), QStringLiteral("百货一部"));
    EXPECT_EQ(text(payments, "f_csmc"), QStringLiteral("北京华联商贸有限公司"));
    EXPECT_EQ(text(payments, "f_cszjf"), QStringLiteral("BJHLSMYXGS"));
    EXPECT_EQ(text(payments, "f_bz"), QStringLiteral("春节备货"));
    EXPECT_EQ(text(payments, "f_czsj"), QStringLiteral("20050315103000"));
    payments.Next();
    EXPECT_EQ(payments.FieldByName(QStringLiteral("f_dnxh")).AsInteger(), 1);
    EXPECT_EQ(text(payments, "f_zffsmc"), QStringLiteral("转账支票"));
    EXPECT_EQ(text(payments, "f_zph"), QStringLiteral("ZP001"));
    EXPECT_EQ(payments.FieldByName(QStringLiteral("f_zfje")).AsFloat(), 30);
    items.Next();
    EXPECT_EQ(text(items, "f_sfxmmc"), QStringLiteral("订金"));
    EXPECT_EQ(text(items, "f_ddh"), QStringLiteral("2005030005"));
    EXPECT_EQ(items.FieldByName(QStringLiteral("f_hkye")).AsFloat(), 100);
    EXPECT_EQ(items.FieldByName(QStringLiteral("f_qtje")).AsFloat(), 50);
    EXPECT_EQ(text(items, "f_zdrmc"), QStringLiteral("张伟"));

    const THostReply unknown = BillQuery(Host.Disp(), 5, {Month, QStringLiteral("02"), QStringLiteral("0000000001")});
    EXPECT_FALSE(unknown.Ok);
    EXPECT_EQ(unknown.Messages().size(), 1);
}

TEST_F(TBillProtocol, NavigationFollowsBillNumbersOfOneDepartmentAndTheDeleteFlagSkipsVoidBills)
{
    Save(Simple(QStringLiteral("20050401")));
    Save(Simple(QStringLiteral("20050402")));
    Save(Simple(QStringLiteral("20050402")));
    Save(Simple(QStringLiteral("20050405")));
    Save(Simple(QStringLiteral("20050403"), QStringLiteral("02")));
    for (const char *number : {"0000000003", "0000000004"})
        ASSERT_TRUE(BillUpdate(Host.Disp(), 2, QString::fromLatin1(number), QStringLiteral("01")).Ok);

    const struct {
        int Kind;
        const char *Params; // after the month, "|"-separated
        const char *Expected;
    } cases[] = {
        {1, "01|0", "0000000001"},          {1, "01|1", "0000000001"},          {4, "01|0", "0000000004"},
        {4, "01|1", "0000000002"},          {4, "02|0", "0000000005"},          {2, "01|0000000004|0", "0000000003"},
        {2, "01|0000000004|1", "0000000002"}, {2, "01|0000000001|0", "0"},       {2, "01||0", "0"},
        {3, "01|0000000002|0", "0000000003"}, {3, "01|0000000002|1", "0"},       {3, "01|0000000001|1", "0000000002"},
        {3, "01||0", "0000000001"},          {6, "01|20050402|0", "0000000002"}, {6, "01|20050405|1", "0"},
        {6, "01|20050403|0", "0"},           {6, "02|20050403|0", "0000000005"}, {7, "01", "0000000004"},
        {7, "01|1", "0000000002"},           {7, "03|0", "0"},
    };
    for (const auto &c : cases) {
        QStringList params{Month};
        params += QString::fromLatin1(c.Params).split(QLatin1Char('|'));
        EXPECT_EQ(Query(c.Kind, params), QString::fromLatin1(c.Expected)) << "kind " << c.Kind << " " << c.Params;
    }
    EXPECT_EQ(Query(1, {QStringLiteral("200506"), QStringLiteral("01"), QStringLiteral("0")}), QStringLiteral("0"));

    const THostReply departments = BillQuery(Host.Disp(), 8, {Month});
    ASSERT_TRUE(departments.Ok);
    TDataSet ds = Packet(departments.Args.at(1));
    ASSERT_EQ(ds.RecordCount(), 2);
    EXPECT_EQ(ds.Value(0, 0).toString() + ds.Value(0, 1).toString(), QStringLiteral("01百货一部"));
    EXPECT_EQ(ds.Value(1, 0).toString() + ds.Value(1, 1).toString(), QStringLiteral("02百货二部"));
}

TEST_F(TBillProtocol, AdvanceBalanceSumsTheCustomersPaymentsAtTheDepartmentUpToTheMonthLeavingOutVoidBills)
{
    const QString customer = QStringLiteral("2204010");
    auto bill = [&](const QString &department, double a, double b = 0) {
        TBillBuilder builder(customer, department);
        builder.Item(QStringLiteral("0001"), a + b).Payment(QStringLiteral("01"), a);
        if (b > 0)
            builder.Payment(QStringLiteral("03"), b);
        return builder;
    };
    SaveIn(QStringLiteral("200502"), bill(QStringLiteral("01"), 100));
    Save(bill(QStringLiteral("01"), 200, 50));
    const QString voided = Save(bill(QStringLiteral("01"), 80));
    ASSERT_TRUE(BillUpdate(Host.Disp(), 2, voided, QStringLiteral("01")).Ok);
    Save(bill(QStringLiteral("02"), 40));
    SaveIn(QStringLiteral("200505"), bill(QStringLiteral("01"), 1000));

    const THostReply balance = BillQuery(Host.Disp(), 9, {Month, QStringLiteral("01"), customer});
    ASSERT_TRUE(balance.Ok);
    EXPECT_EQ(balance.Args.at(1).toDouble(), 350);
    EXPECT_EQ(Query(9, {QStringLiteral("200503"), QStringLiteral("01"), customer}).toDouble(), 100);
    EXPECT_EQ(Query(9, {Month, QStringLiteral("02"), customer}).toDouble(), 40);
    EXPECT_EQ(Query(9, {Month, QStringLiteral("01"), QStringLiteral("2999999")}).toDouble(), 0);
}

TEST_F(TBillProtocol, VoidRefusesUnknownVoidAndConfirmedBillsAndChangesNothing)
{
    Save(Simple());
    Save(Simple());
    Host.Execute(QStringLiteral("update tb200504_Yskmxzb set f_trbz='1' where f_djh='0000000002'"));
    ASSERT_TRUE(BillUpdate(Host.Disp(), 2, QStringLiteral("0000000001"), QStringLiteral("01")).Ok);
    const QStringList before = Headers();

    const struct {
        const char *Number;
        const char *Department;
    } refused[] = {{"0000000001", "01"}, {"0000000002", "01"}, {"0000000003", "01"}, {"0000000002", "02"}, {"", "01"}};
    for (const auto &r : refused) {
        const THostReply reply = BillUpdate(Host.Disp(), 2, QString::fromLatin1(r.Number), QString::fromLatin1(r.Department));
        EXPECT_TRUE(reply.Dispatched);
        EXPECT_FALSE(reply.Ok) << r.Number;
        ASSERT_EQ(reply.Messages().size(), 1) << r.Number;
        EXPECT_TRUE(reply.Messages().at(0).contains(QString::fromLatin1(r.Number))) << reply.Messages().at(0).toStdString();
    }
    EXPECT_EQ(Headers(), before);
}

TEST_F(TBillProtocol, VoidActsOnTheMonthTheBillWasLastReadInElseTheAccountingMonth)
{
    SaveIn(QStringLiteral("200506"), Simple());
    Save(Simple());
    ASSERT_TRUE(BillQuery(Host.Disp(), 5, {QStringLiteral("200506"), QStringLiteral("01"), QStringLiteral("0000000001")}).Ok);
    ASSERT_TRUE(BillUpdate(Host.Disp(), 2, QStringLiteral("0000000001"), QStringLiteral("01")).Ok);
    EXPECT_EQ(Host.Select(QStringLiteral("select f_trbz from tb200506_Yskmxzb")), QStringList{QStringLiteral("2")});
    EXPECT_EQ(Host.Select(QStringLiteral("select f_trbz from tb200504_Yskmxzb")), QStringList{QStringLiteral("0")});
}

TEST_F(TBillProtocol, SaveModifiedReplacesTheLinesOfAnUnconfirmedBillAndRefusesAnyOther)
{
    const QString number = Save(Simple());
    ASSERT_TRUE(BillQuery(Host.Disp(), 5, {Month, QStringLiteral("01"), number}).Ok);
    const TBillBuilder changed = TBillBuilder(QStringLiteral("2104020"), QStringLiteral("01"), QStringLiteral("20050405"))
                                     .Number(number)
                                     .WithFlags()
                                     .Remark(QStringLiteral("补收押金"))
                                     .Item(QStringLiteral("0001"), 100)
                                     .Item(QStringLiteral("0003"), 20, QStringLiteral("2005040011"))
                                     .Payment(QStringLiteral("01"), 100)
                                     .Payment(QStringLiteral("03"), 20);
    const THostReply saved = BillUpdate(Host.Disp(), 3, changed.Payments(), changed.Items());
    ASSERT_TRUE(saved.Ok) << saved.Messages().join(QLatin1Char(';')).toStdString();
    EXPECT_EQ(Headers(), QStringList{QStringLiteral("0000000001|01|2104020|20050405|0|补收押金")});
    const QStringList modified{QStringLiteral("pay|0|01|100|"), QStringLiteral("pay|1|03|20|"),
                               QStringLiteral("item|0|0001|100|"), QStringLiteral("item|1|0003|20|2005040011")};
    EXPECT_EQ(Lines(number), modified);

    // A refused modification leaves the stored bill as it was.
    const TBillBuilder broken = TBillBuilder(changed).Payment(QString(), 5);
    EXPECT_FALSE(BillUpdate(Host.Disp(), 3, broken.Payments(), broken.Items()).Ok);
    const TBillBuilder unknown = TBillBuilder(changed).Number(QStringLiteral("0000000042"));
    const THostReply missing = BillUpdate(Host.Disp(), 3, unknown.Payments(), unknown.Items());
    EXPECT_FALSE(missing.Ok);
    EXPECT_FALSE(missing.Messages().isEmpty());
    for (const char *state : {"1", "2"}) {
        Host.Execute(QStringLiteral("update tb200504_Yskmxzb set f_trbz=?"), {QString::fromLatin1(state)});
        const THostReply refused = BillUpdate(Host.Disp(), 3, Simple().Number(number).Payments(), Simple().Number(number).Items());
        EXPECT_FALSE(refused.Ok) << state;
        EXPECT_EQ(refused.Messages().size(), 1);
    }
    EXPECT_EQ(Lines(number), modified);
}

TEST_F(TBillProtocol, MalformedOrEmptyPacketsAreRefusedWithAMessageAndNothingIsStored)
{
    const TBillBuilder good = Simple();
    TDataSet noMethod;
    noMethod.AddField(QStringLiteral("f_bmbm"), TFieldType::String, 12);
    noMethod.AddField(QStringLiteral("f_csbm"), TFieldType::String, 12);
    noMethod.AddField(QStringLiteral("f_zdrq"), TFieldType::String, 10);
    noMethod.AddField(QStringLiteral("f_zfje"), TFieldType::Float);
    noMethod.Append();
    noMethod.Fields(0).SetValue(QStringLiteral("01"));
    noMethod.Fields(1).SetValue(QStringLiteral("2104020"));
    noMethod.Fields(2).SetValue(QStringLiteral("20050405"));
    noMethod.Fields(3).SetValue(10.0);
    noMethod.Post();
    const TBillBuilder otherDepartment = Simple(QStringLiteral("20050405"), QStringLiteral("02"));
    const TBillBuilder noLines(QStringLiteral("2104020"));

    const struct {
        const char *Case;
        QVariant Payments;
        QVariant Items;
    } cases[] = {
        {"text instead of a packet", QStringLiteral("0000000001"), good.Items()},
        {"no value", QVariant(), QVariant()},
        {"garbage bytes", QByteArray("HVPK\x01\x00garbage", 13), good.Items()},
        {"truncated packet", good.Payments().left(40), good.Items()},
        {"no payment line", noLines.Payments(), good.Items()},
        {"no item line", good.Payments(), noLines.Items()},
        {"payment packet without f_zffsbm", noMethod.Data(), good.Items()},
        {"items of another department", good.Payments(), otherDepartment.Items()},
        {"date not yyyymmdd", Simple(QStringLiteral("2005-04-05")).Payments(), Simple(QStringLiteral("2005-04-05")).Items()},
        {"payment line without a method", TBillBuilder(good).Payment(QString(), 5).Payments(), good.Items()},
        {"item line without an item", good.Payments(), TBillBuilder(good).Item(QString(), 5).Items()},
        {"no customer", TBillBuilder(QString()).Item(QStringLiteral("0001"), 1).Payment(QStringLiteral("01"), 1).Payments(),
         TBillBuilder(QString()).Item(QStringLiteral("0001"), 1).Items()},
    };
    for (int kind : {0, 3}) {
        for (const auto &c : cases) {
            const THostReply reply = BillUpdate(Host.Disp(), kind, c.Payments, c.Items);
            EXPECT_TRUE(reply.Dispatched) << c.Case;
            EXPECT_FALSE(reply.Ok) << c.Case;
            ASSERT_EQ(reply.Messages().size(), 1) << c.Case;
            EXPECT_FALSE(reply.Messages().at(0).isEmpty()) << c.Case;
        }
    }
    EXPECT_TRUE(Headers().isEmpty());
    EXPECT_EQ(Query(0, {Month}), QStringLiteral("0000000001"));
}

TEST_F(TBillProtocol, UnknownKindsAndIncompleteRequestsAreFailedCalls)
{
    for (const THostReply &reply : {BillQuery(Host.Disp(), 10, {Month}), BillQuery(Host.Disp(), 2, {Month, QStringLiteral("01")}),
                                    BillQuery(Host.Disp(), 0, {QStringLiteral("2005")}),
                                    BillUpdate(Host.Disp(), 1, QVariant(), QVariant())}) {
        EXPECT_TRUE(reply.Dispatched);
        EXPECT_FALSE(reply.Ok);
        EXPECT_EQ(reply.Messages().size(), 1);
    }
}
