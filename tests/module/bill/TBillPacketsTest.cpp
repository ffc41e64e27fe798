#include "module/bill/TBillPackets.h"
#include "platform/data/TGbkCodec.h"
#include "support/TestPrinters.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A bill as the entry form leaves it after completing its lines.
void StampHeader(TPaymentRecord &line, int index)
{
    line.f_djh = QStringLiteral("0000000012");
    line.f_dnxh = index + 5; // whatever the form left there
    line.f_zdrq = QStringLiteral("20050315");
    line.f_zdrbm = QStringLiteral("0001");
    line.f_zdrmc = QStringLiteral("王小明");
    line.f_bmbm = QStringLiteral("0101");
    line.f_bmmc = QStringLiteral("一楼收银台");
    line.f_csbm = QStringLiteral("K001");
    line.f_csmc = QStringLiteral("北京东方百货");
    line.f_bz = QStringLiteral("预付货款，月底结清");
}

struct TBill {
    TPaymentRecords Payments;
    TPaymentRecords Items;
    TBillShares Shares{100, 50, 50};

    TBill()
    {
        for (const auto &[code, amount] : {std::pair{"01", 120.0}, std::pair{"02", 30.0}}) {
            TPaymentRecord &line = Payments.Add();
            StampHeader(line, Payments.Count() - 1);
            line.f_zffsbm = QString::fromLatin1(code);
            line.f_zfje = amount;
            line.f_zph = QStringLiteral("ZP%1").arg(code);
            line.f_czrbm = QStringLiteral("0002");
            line.f_czrmc = QStringLiteral("李四");
            line.f_czsj = QStringLiteral("20050315093012");
        }
        for (const auto &[code, amount] : {std::pair{"0001", 100.0}, std::pair{"0002", 30.0}, std::pair{"0003", 20.0}}) {
            TPaymentRecord &line = Items.Add();
            StampHeader(line, Items.Count() - 1);
            line.f_sfxmbm = QString::fromLatin1(code);
            line.f_sfje = amount;
            line.f_sfxmbz = QStringLiteral("定金");
            line.f_ddh = Items.Count() == 2 ? QStringLiteral("D0000000000000000001") : QString();
        }
    }
};

QString Structure(const TDataSet &dataSet)
{
    QStringList fields;
    for (const TFieldDef &def : dataSet.FieldDefs()) {
        const char *type = def.DataType == TFieldType::String ? "S" : def.DataType == TFieldType::Integer ? "I" : "F";
        fields << QStringLiteral("%1:%2%3").arg(def.Name, QString::fromLatin1(type), def.Size ? QString::number(def.Size) : QString());
    }
    return fields.join(QLatin1Char(' '));
}

QList<qint64> LineNumbers(TDataSet &dataSet)
{
    QList<qint64> numbers;
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next())
        numbers << dataSet.FieldByName(QStringLiteral("f_dnxh")).AsInteger();
    return numbers;
}

// A packet as the host returns a stored bill: its own spelling of the names, and the names it adds.
QByteArray HostPaymentPacket(const TBill &bill, const QStringList &states)
{
    TDataSet dataSet = TBillPackets::PaymentLines(bill.Payments);
    for (int i = 0; i < dataSet.FieldCount(); ++i)
        dataSet.FieldDef(i).Name = dataSet.FieldDef(i).Name.toUpper();
    dataSet.AddField(QStringLiteral("f_trbz"), TFieldType::String, 1);
    dataSet.AddField(QStringLiteral("F_ZFFSMC"), TFieldType::String, 20);
    dataSet.AddField(QStringLiteral("f_BMMC"), TFieldType::String, 40);
    int row = 0;
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next(), ++row) {
        dataSet.FieldByName(QStringLiteral("f_trbz")).SetValue(states.value(row));
        dataSet.FieldByName(QStringLiteral("f_zffsmc")).SetValue(QStringLiteral("现金%1").arg(row));
        dataSet.FieldByName(QStringLiteral("f_bmmc")).SetValue(QStringLiteral("一楼收银台"));
    }
    return dataSet.Data();
}

QByteArray HostItemPacket(const TBill &bill)
{
    TDataSet dataSet = TBillPackets::ItemLines(bill.Items, bill.Shares);
    dataSet.AddField(QStringLiteral("F_SFXMMC"), TFieldType::String, 40);
    dataSet.AddField(QStringLiteral("f_csmc"), TFieldType::String, 40);
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next()) {
        dataSet.FieldByName(QStringLiteral("f_sfxmmc")).SetValue(QStringLiteral("预收货款"));
        dataSet.FieldByName(QStringLiteral("f_csmc")).SetValue(QStringLiteral("北京东方百货"));
    }
    return dataSet.Data();
}

} // namespace

TEST(TBillPackets, PaymentPacketFieldsTypesAndWidths)
{
    TBill bill;
    TDataSet payments = TBillPackets::PaymentLines(bill.Payments);
    EXPECT_EQ(Structure(payments), QStringLiteral("f_djh:S15 f_dnxh:I f_zdrq:S10 f_zdrbm:S8 f_zdrmc:S12 f_bmbm:S12 "
                                                  "f_csbm:S12 f_bz:S50 f_zffsbm:S12 f_zfje:F f_zph:S12 f_czrbm:S10 "
                                                  "f_czrmc:S20 f_czsj:S14"));
    EXPECT_EQ(LineNumbers(payments), QList<qint64>({0, 1}));
    EXPECT_EQ(payments.ChangeCount(), 0);
}

TEST(TBillPackets, ItemPacketRepeatsTheBillSharesOnEveryRow)
{
    TBill bill;
    TDataSet items = TBillPackets::ItemLines(bill.Items, bill.Shares);
    EXPECT_EQ(Structure(items), QStringLiteral("f_djh:S15 f_dnxh:I f_zdrq:S10 f_zdrbm:S8 f_zdrmc:S12 f_bmbm:S12 "
                                               "f_csbm:S12 f_bz:S50 f_sfxmbm:S12 f_sfje:F f_hkye:F f_qtje:F f_qtze:F "
                                               "f_sfxmbz:S255 f_ddh:S20"));
    EXPECT_EQ(LineNumbers(items), QList<qint64>({0, 1, 2}));
    QStringList rows;
    for (items.First(); !items.Eof(); items.Next()) {
        rows << QStringLiteral("%1 %2 %3/%4/%5 %6")
                    .arg(items.FieldByName(QStringLiteral("f_sfxmbm")).AsString(),
                         items.FieldByName(QStringLiteral("f_sfje")).AsString(),
                         items.FieldByName(QStringLiteral("f_hkye")).AsString(),
                         items.FieldByName(QStringLiteral("f_qtje")).AsString(),
                         items.FieldByName(QStringLiteral("f_qtze")).AsString(),
                         items.FieldByName(QStringLiteral("f_ddh")).AsString());
    }
    EXPECT_EQ(rows, QStringList({"0001 100 100/50/50 ", "0002 30 100/50/50 D0000000000000000001", "0003 20 100/50/50 "}));
}

TEST(TBillPackets, TheModificationFormAddsTheLineFlag)
{
    TBill bill;
    bill.Payments.Items(0).f_Flag = QStringLiteral("1");
    bill.Payments.Items(1).f_Flag = QStringLiteral("0");
    TDataSet payments = TBillPackets::PaymentLines(bill.Payments, TBillPackets::TFlag::Sent);
    TDataSet items = TBillPackets::ItemLines(bill.Items, bill.Shares, TBillPackets::TFlag::Sent);
    EXPECT_TRUE(Structure(payments).endsWith(QStringLiteral("f_czsj:S14 f_Flag:S20")));
    EXPECT_TRUE(Structure(items).endsWith(QStringLiteral("f_ddh:S20 f_Flag:S20")));
    payments.First();
    EXPECT_EQ(payments.FieldByName(QStringLiteral("f_flag")).AsString(), QStringLiteral("1"));
    payments.Next();
    EXPECT_EQ(payments.FieldByName(QStringLiteral("f_flag")).AsString(), QStringLiteral("0"));

    EXPECT_FALSE(TBillPackets::PaymentLines(bill.Payments).FindField(QStringLiteral("f_Flag")).has_value());
}

TEST(TBillPackets, AnEmptyListGivesAPacketWithFieldsAndNoRows)
{
    TPaymentRecords none;
    TDataSet payments = TBillPackets::PaymentLines(none);
    EXPECT_EQ(payments.RecordCount(), 0);
    auto copy = TDataSet::FromPacket(payments.Data());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->FieldCount(), 14);
}

TEST(TBillPackets, WidthsCutAtTheLastWholeCharacter)
{
    TBill bill;
    TPaymentRecord &line = bill.Payments.Items(0);
    line.f_zdrmc = QStringLiteral("欧阳司马诸葛上官"); // 16 bytes
    line.f_bz = QStringLiteral("欧阳司马诸葛上官");
    line.f_czrmc = QStringLiteral("A欧阳司马诸葛上官慕容"); // 21 bytes
    line.f_zph = QStringLiteral("ZP-0000000001234");
    TDataSet payments = TBillPackets::PaymentLines(bill.Payments);
    auto copy = TDataSet::FromPacket(payments.Data());
    ASSERT_TRUE(copy);
    copy->First();
    EXPECT_EQ(copy->FieldByName(QStringLiteral("f_zdrmc")).AsString(), QStringLiteral("欧阳司马诸葛"));
    EXPECT_EQ(copy->FieldByName(QStringLiteral("f_bz")).AsString(), QStringLiteral("欧阳司马诸葛上官"));
    const QString cut = copy->FieldByName(QStringLiteral("f_czrmc")).AsString();
    EXPECT_EQ(cut, QStringLiteral("A欧阳司马诸葛上官慕")); // 19 bytes: the 20th would split 容
    EXPECT_EQ(TGbkCodec::ByteLength(cut), 19);
    EXPECT_EQ(copy->FieldByName(QStringLiteral("f_zph")).AsString(), QStringLiteral("ZP-000000000"));

    line.f_zdrmc = QStringLiteral("A欧阳司马诸葛上官"); // 17 bytes, the 12th byte inside 葛
    copy = TDataSet::FromPacket(TBillPackets::PaymentLines(bill.Payments).Data());
    ASSERT_TRUE(copy);
    copy->First();
    EXPECT_EQ(copy->FieldByName(QStringLiteral("f_zdrmc")).AsString(), QStringLiteral("A欧阳司马诸"));
}

TEST(TBillPackets, AStoredBillReadsBackIntoTheLists)
{
    const TBill bill;
    TPaymentRecords payments;
    TPaymentRecords items;
    payments.Add();
    auto state = TBillPackets::ReadStoredBill(HostPaymentPacket(bill, {"0", "0"}), HostItemPacket(bill), payments, items);
    ASSERT_TRUE(state) << state.Error().toStdString();
    EXPECT_EQ(*state, QStringLiteral("0"));
    ASSERT_EQ(payments.Count(), 2);
    ASSERT_EQ(items.Count(), 3);

    const TPaymentRecord &payment = payments.Items(1);
    EXPECT_EQ(payment.f_djh, QStringLiteral("0000000012"));
    EXPECT_EQ(payment.f_dnxh, 1);
    EXPECT_EQ(payment.f_zdrmc, QStringLiteral("王小明"));
    EXPECT_EQ(payment.f_bz, QStringLiteral("预付货款，月底结清"));
    EXPECT_EQ(payment.f_zffsbm, QStringLiteral("02"));
    EXPECT_EQ(payment.f_zffsmc, QStringLiteral("现金1"));
    EXPECT_EQ(payment.f_bmmc, QStringLiteral("一楼收银台"));
    EXPECT_EQ(payment.f_zfje, 30.0);
    EXPECT_EQ(payment.f_zph, QStringLiteral("ZP02"));
    EXPECT_EQ(payment.f_czrmc, QStringLiteral("李四"));
    EXPECT_EQ(payment.f_czsj, QStringLiteral("20050315093012"));
    EXPECT_TRUE(payment.f_csmc.isEmpty()); // this host sent no customer name with the payments

    const TPaymentRecord &item = items.Items(1);
    EXPECT_EQ(item.f_dnxh, 1);
    EXPECT_EQ(item.f_sfxmbm, QStringLiteral("0002"));
    EXPECT_EQ(item.f_sfxmmc, QStringLiteral("预收货款"));
    EXPECT_EQ(item.f_csmc, QStringLiteral("北京东方百货"));
    EXPECT_EQ(item.f_sfje, 30.0);
    EXPECT_EQ(item.f_sfxmbz, QStringLiteral("定金"));
    EXPECT_EQ(item.f_ddh, QStringLiteral("D0000000000000000001"));
}

TEST(TBillPackets, TheStateIsTheLastKnownOneOfThePaymentRows)
{
    const TBill bill;
    TPaymentRecords payments;
    TPaymentRecords items;
    for (const auto &[states, expected] : std::vector<std::pair<QStringList, QString>>{
             {{"2", "2"}, QStringLiteral("2")}, {{"1", "x"}, QStringLiteral("1")}, {{"x", ""}, QString()}}) {
        auto state = TBillPackets::ReadStoredBill(HostPaymentPacket(bill, states), HostItemPacket(bill), payments, items);
        ASSERT_TRUE(state);
        EXPECT_EQ(*state, expected) << states.join(QLatin1Char(',')).toStdString();
    }
    auto sentPackets = TBillPackets::ReadStoredBill(TBillPackets::PaymentLines(bill.Payments).Data(),
                                                    TBillPackets::ItemLines(bill.Items, bill.Shares).Data(), payments, items);
    ASSERT_TRUE(sentPackets);
    EXPECT_TRUE(sentPackets->isEmpty());
}

TEST(TBillPackets, BrokenPacketsFailAndLeaveTheListsAsTheyWere)
{
    const TBill bill;
    const QByteArray payment = HostPaymentPacket(bill, {"0", "0"});
    const QByteArray item = HostItemPacket(bill);
    TDataSet withoutAmount = TBillPackets::ItemLines(bill.Items, bill.Shares);
    withoutAmount.FieldDef(9).Name = QStringLiteral("f_amount");
    TDataSet textAmount;
    ASSERT_TRUE(textAmount.SetData(item));
    textAmount.FieldDef(9).DataType = TFieldType::String;
    textAmount.First();
    textAmount.FieldByName(QStringLiteral("f_sfje")).SetValue(QStringLiteral("一百"));

    struct Case {
        const char *What;
        QVariant Payment;
        QVariant Item;
    };
    for (const Case &c : std::vector<Case>{{"truncated payment packet", payment.left(payment.size() / 2), item},
                                           {"truncated item packet", payment, item.left(item.size() - 3)},
                                           {"garbage", QByteArray("\x01\x02garbage"), item},
                                           {"no packet at all", QStringList{QStringLiteral("错误")}, QVariant()},
                                           {"required field missing", payment, withoutAmount.Data()},
                                           {"amount that is no number", payment, textAmount.Data()}}) {
        TPaymentRecords payments;
        TPaymentRecords items;
        payments.Add().f_zffsbm = QStringLiteral("kept");
        auto state = TBillPackets::ReadStoredBill(c.Payment, c.Item, payments, items);
        EXPECT_FALSE(state) << c.What;
        EXPECT_FALSE(state.Error().isEmpty()) << c.What;
        ASSERT_EQ(payments.Count(), 1) << c.What;
        EXPECT_EQ(payments.Items(0).f_zffsbm, QStringLiteral("kept")) << c.What;
        EXPECT_EQ(items.Count(), 0) << c.What;
    }
}
