#include "module/bill/TBillState.h"
#include "module/bill/TPaymentRecords.h"
#include "platform/data/EPlatformError.h"
#include "support/TestPrinters.h"

#include <gtest/gtest.h>

namespace {

TPaymentRecord Line(const char *code)
{
    TPaymentRecord record;
    record.f_sfxmbm = QString::fromLatin1(code);
    return record;
}

QString Codes(const TPaymentRecords &list)
{
    QStringList codes;
    for (int i = 0; i < list.Count(); ++i)
        codes << list.Items(i).f_sfxmbm;
    return codes.join(QLatin1Char(','));
}

} // namespace

TEST(TPaymentRecords, AddInsertDeleteKeepListOrder)
{
    TPaymentRecords list;
    list.Add(Line("0001"));
    list.Add(Line("0003"));
    list.Insert(1, Line("0002"));
    list.Insert(0, Line("0000"));
    list.Insert(list.Count(), Line("0004"));
    EXPECT_EQ(Codes(list), QStringLiteral("0000,0001,0002,0003,0004"));

    list.Delete(0);
    list.Delete(list.Count() - 1);
    EXPECT_EQ(Codes(list), QStringLiteral("0001,0002,0003"));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(TPaymentRecords, ALineKeepsItsAddressWhileOthersComeAndGo)
{
    TPaymentRecords list;
    TPaymentRecord &kept = list.Add(Line("0001"));
    for (int i = 0; i < 50; ++i)
        list.Insert(0, Line("0000"));
    list.Delete(0);
    kept.f_zfje = 12.5;
    EXPECT_EQ(list.Items(list.Count() - 1).f_zfje, 12.5);
}

TEST(TPaymentRecords, AnIndexOutOfRangeRaises)
{
    TPaymentRecords list;
    list.Add();
    EXPECT_THROW(list.Items(1), EPlatformError);
    EXPECT_THROW(list.Items(-1), EPlatformError);
    EXPECT_THROW(list.Delete(1), EPlatformError);
    EXPECT_THROW(list.Insert(2), EPlatformError);
    EXPECT_EQ(list.Count(), 1);
}

TEST(TBillState, Captions)
{
    EXPECT_EQ(TBillState::Caption(QStringLiteral("0")), QStringLiteral("未确认"));
    EXPECT_EQ(TBillState::Caption(QStringLiteral("1")), QStringLiteral("已确认"));
    EXPECT_EQ(TBillState::Caption(QStringLiteral("2")), QStringLiteral("作废"));
    EXPECT_TRUE(TBillState::Caption(QStringLiteral("3")).isEmpty());
    EXPECT_TRUE(TBillState::Caption(QString()).isEmpty());
}
