#include "EntryFormFixture.h"

#include "module/bill/TBillPackets.h"
#include "module/browse/TBillPrintPath.h"
#include "module/entry/HostContext.h"
#include "platform/widgets/TAdvColumnGrid.h"
#include "platform/widgets/TFlatEdit.h"
#include "platform/win/MessageBox.h"

#include <functional>

namespace {

// A form with customer 2101001 chosen.
class TBillEntrySaveTest : public EntryFormFixture {
protected:
    void SetUp() override
    {
        ASSERT_NE(Open(), nullptr);
        ChooseCustomer(QStringLiteral("2101001"));
        m_billsBefore = BillCount();
    }
    // Row 1's amount, typed where the cursor starts.
    void EnterFirstAmount(const QString &amount)
    {
        ClickCell(Items(), 2, 1);
        Clerk::Type(nullptr, amount);
        Press(Qt::Key_Return);
    }
    // Ctrl+S with the answers for the boxes it asks; the print question is answered No.
    QString Save(const QList<int> &answers = {})
    {
        const QString shown = BillNumberShown();
        for (const int answer : answers)
            m_ui.AnswerBox(answer);
        Press(Qt::Key_S, Qt::ControlModifier);
        return shown;
    }
    int BillCount() const
    {
        return m_host.Select(QStringLiteral("SELECT COUNT(*) FROM tb200503_Yskmxzb")).value(0).toInt();
    }
    QString LastStored() const
    {
        return m_host.Select(QStringLiteral("SELECT MAX(f_djh) FROM tb200503_Yskmxzb")).value(0);
    }
    int m_billsBefore = 0;
};

const QString Shares = QStringLiteral("f_sfxmbm,f_sfje,f_hkye,f_qtje,f_qtze,f_dnxh");

} // namespace

TEST_F(TBillEntrySaveTest, TwoItemsAgainstOnePaymentAreStoredWithTheFirstItemsShare)
{
    EnterFirstAmount(QStringLiteral("100"));
    EnterItem(2, QStringLiteral("0002"), QStringLiteral("50"));
    EnterPayment(1, QStringLiteral("01"), QStringLiteral("150"));
    TypeInto(Edit(QStringLiteral("edtbz_")), QStringLiteral(" 春节 "));

    const QString shown = Save({Win::IDNO});

    EXPECT_EQ(m_ui.TakeBoxTexts(), QStringList{QStringLiteral("提问: 是否打印该单据？")});
    ASSERT_EQ(BillCount(), m_billsBefore + 1);
    EXPECT_EQ(LastStored(), shown);
    EXPECT_EQ(StoredItems(shown, Shares),
              QStringList({QStringLiteral("0001|100|100|50|50|0"), QStringLiteral("0002|50|100|50|50|1")}));
    EXPECT_EQ(StoredPayments(shown, QStringLiteral("f_zffsbm,f_zfje,f_zph,f_dnxh,f_czrbm,f_czrmc,f_czsj")),
              QStringList{QStringLiteral("01|150||0|0001|张伟|20050315103000")});
    EXPECT_EQ(m_host.Select(QStringLiteral("SELECT f_bmbm,f_csbm,f_zdrq,f_zdrbm,f_zdrmc,f_bz,f_trbz FROM "
                                           "tb200503_Yskmxzb WHERE f_djh=?"),
                            {shown}),
              QStringList{QStringLiteral("01|2101001|20050315|0001|张伟| 春节 |0")});

    // The next bill is on screen.
    EXPECT_EQ(BillNumberShown(), QStringLiteral("%1").arg(shown.toLongLong() + 1, 10, 10, QLatin1Char('0')));
    EXPECT_EQ(Edit(QStringLiteral("edtkhbm"))->text(), QString());
    EXPECT_EQ(RowText(Items(), 1), QStringLiteral("0001|预收货款|||"));
    EXPECT_EQ(RowText(Items(), 2), QStringLiteral("||||"));
    EXPECT_EQ(RowText(Payments(), 1), QStringLiteral("||||"));
}

TEST_F(TBillEntrySaveTest, CentsThatAddUpAreNoDifference)
{
    EnterFirstAmount(QStringLiteral("100.10"));
    EnterItem(2, QStringLiteral("0002"), QStringLiteral("49.90"));
    EnterPayment(1, QStringLiteral("01"), QStringLiteral("150.00"));

    const QString shown = Save({Win::IDNO});

    EXPECT_EQ(m_ui.TakeBoxTexts(), QStringList{QStringLiteral("提问: 是否打印该单据？")}) << "no question about the totals";
    EXPECT_EQ(StoredItems(shown, Shares),
              QStringList({QStringLiteral("0001|100.1|100.1|49.9|49.9|0"), QStringLiteral("0002|49.9|100.1|49.9|49.9|1")}));
}

TEST_F(TBillEntrySaveTest, UnequalTotalsAreAskedAboutAndStoredWithoutShares)
{
    EnterFirstAmount(QStringLiteral("150"));
    EnterPayment(1, QStringLiteral("01"), QStringLiteral("120"));

    Save({Win::IDNO});
    EXPECT_EQ(m_ui.TakeBoxTexts(), QStringList{QStringLiteral("询问: 应收与收款不等，继续吗")});
    EXPECT_EQ(BillCount(), m_billsBefore);
    EXPECT_EQ(Edit(QStringLiteral("edtkhbm"))->text(), QStringLiteral("2101001")) << "the bill stays";

    const QString shown = Save({Win::IDYES, Win::IDNO});
    EXPECT_EQ(m_ui.Boxes().value(0).Flags, unsigned(Win::MB_YESNO | Win::MB_ICONQUESTION));
    EXPECT_EQ(m_ui.TakeBoxTexts(),
              QStringList({QStringLiteral("询问: 应收与收款不等，继续吗"), QStringLiteral("提问: 是否打印该单据？")}));
    EXPECT_EQ(StoredItems(shown, Shares), QStringList{QStringLiteral("0001|150|0|0|0|0")});
}

TEST_F(TBillEntrySaveTest, AFirstItemNeverGivenAnAmountIsStoredAsZero)
{
    IntoItemGrid();
    EnterItem(2, QStringLiteral("0002"), QStringLiteral("80"));
    EnterPayment(1, QStringLiteral("01"), QStringLiteral("80"));

    const QString shown = Save({Win::IDNO});

    EXPECT_EQ(StoredItems(shown, Shares),
              QStringList({QStringLiteral("0001|0|0|80|80|0"), QStringLiteral("0002|80|0|80|80|1")}));
}

TEST_F(TBillEntrySaveTest, ABillWithoutPaymentsIsRefusedAfterTheQuestion)
{
    EnterFirstAmount(QStringLiteral("50"));
    Save({Win::IDYES});
    EXPECT_EQ(m_ui.TakeBoxTexts(),
              QStringList({QStringLiteral("询问: 应收与收款不等，继续吗"), QStringLiteral("错误: 收款项目不能为空")}));
    EXPECT_EQ(BillCount(), m_billsBefore);
}

TEST_F(TBillEntrySaveTest, APaymentLineKeepsTheOperatorWhoEnteredIt)
{
    EnterFirstAmount(QStringLiteral("30"));
    EnterPayment(1, QStringLiteral("01"), QStringLiteral("30"));
    // Another form of the module was opened by another operator meanwhile.
    HostOperatorCode = QStringLiteral("0002");

    const QString shown = Save({Win::IDNO});

    EXPECT_EQ(StoredPayments(shown, QStringLiteral("f_czrbm,f_czrmc,f_czsj")),
              QStringList{QStringLiteral("0001|张伟|20050315103000")});
    EXPECT_EQ(m_host.Select(QStringLiteral("SELECT f_zdrbm FROM tb200503_Yskmxzb WHERE f_djh=?"), {shown}),
              QStringList{QStringLiteral("0002")});
}

TEST_F(TBillEntrySaveTest, ThePrintAfterASaveCarriesTheNumberTheHostStoredUnder)
{
    const QString shown = BillNumberShown();
    // Another clerk saves first and takes the number shown here.
    TPaymentRecords payments;
    TPaymentRecords items;
    TPaymentRecord line;
    line.f_bmbm = QStringLiteral("01");
    line.f_csbm = QStringLiteral("2101002");
    line.f_zdrq = QStringLiteral("20050315");
    line.f_zffsbm = QStringLiteral("01");
    line.f_zfje = 10;
    line.f_sfxmbm = QStringLiteral("0001");
    line.f_sfje = 10;
    payments.Add(line);
    items.Add(line);
    QVariant paymentPacket = TBillPackets::PaymentLines(payments).Data();
    QVariant itemPacket = TBillPackets::ItemLines(items, {}).Data();
    ASSERT_TRUE(THostDataService(m_host.Host()).BillUpdate(0, paymentPacket, itemPacket));
    ASSERT_EQ(paymentPacket.toString(), shown);

    EnterFirstAmount(QStringLiteral("40"));
    EnterPayment(1, QStringLiteral("01"), QStringLiteral("40"));
    m_ui.AnswerBox(Win::IDYES);
    Press(Qt::Key_S, Qt::ControlModifier);

    const QString stored = LastStored();
    EXPECT_NE(stored, shown);
    EXPECT_EQ(StoredItems(stored, QStringLiteral("f_sfje")), QStringList{QStringLiteral("40")});
    const QVariant *printed = Form()->PrintPath()->Rrt().Scope().Variable(QStringLiteral("Billdjh"));
    ASSERT_NE(printed, nullptr) << "the bill went to the printer";
    EXPECT_EQ(printed->toString(), stored);
    EXPECT_EQ(m_ui.TakeBoxTexts(), QStringList{QStringLiteral("提问: 是否打印该单据？")})
        << "the failed print (no printer here) is not reported";
    EXPECT_EQ(Edit(QStringLiteral("edtkhbm"))->text(), QString()) << "and the next bill starts";
}

TEST_F(TBillEntrySaveTest, EachCheckTellsTheClerkAndSendsNothing)
{
    struct Case {
        const char *Name;
        std::function<void()> Prepare;
        const char *Box;
        const char *ItemCursor;
        const char *PaymentCursor;
    };
    const auto cursor = [](const TAdvColumnGrid *grid) { return QStringLiteral("%1,%2").arg(grid->Col()).arg(grid->Row()); };
    const Case cases[] = {
        {"no customer",
         [this] {
             Clerk::Click(Named(Form(), QStringLiteral("TBnew")));
         },
         "错误: 不存在客户，不能保存", "0,1", "0,1"},
        {"an item line without an item",
         [this] {
             IntoItemGrid();
             EnterItem(2, QStringLiteral("0002"), QStringLiteral("50"));
             ClickCell(Items(), 2, 2);
             Press(Qt::Key_I, Qt::ControlModifier);
         },
         "提示: 应收项目不能为空", "0,2", "0,1"},
        {"a payment without its amount",
         [this] {
             EnterFirstAmount(QStringLiteral("50"));
             ClickCell(Payments(), 0, 1);
             Clerk::Type(nullptr, QStringLiteral("01"));
             Press(Qt::Key_Return);
         },
         "提示: 收款项目的金额不能为空", "0,2", "1,1"},
        {"a payment without its method",
         [this] {
             EnterFirstAmount(QStringLiteral("50"));
             EnterPayment(1, QStringLiteral("01"), QStringLiteral("50"));
             ClickCell(Payments(), 0, 1);
             Press(Qt::Key_I, Qt::ControlModifier);
             ClickCell(Payments(), 1, 1);
             Clerk::Type(nullptr, QStringLiteral("5"));
         },
         "提示: 收付方式不能空", "0,2", "0,1"},
        {"an amount without a payment method",
         [this] {
             EnterFirstAmount(QStringLiteral("50"));
             ClickCell(Payments(), 1, 1);
             Clerk::Type(nullptr, QStringLiteral("20"));
         },
         "提示: 收款方式为空时不可以输入收款金额", "0,2", "1,1"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        ASSERT_NE(Open(), nullptr);
        ChooseCustomer(QStringLiteral("2101001"));
        c.Prepare();
        m_ui.TakeBoxTexts();
        Save();
        EXPECT_EQ(m_ui.TakeBoxTexts(), QStringList{QString::fromUtf8(c.Box)});
        EXPECT_EQ(cursor(Items()), QString::fromLatin1(c.ItemCursor));
        EXPECT_EQ(cursor(Payments()), QString::fromLatin1(c.PaymentCursor));
        EXPECT_EQ(BillCount(), m_billsBefore);
    }
}

TEST_F(TBillEntrySaveTest, AnAmountThatIsNoNumberStopsTheSave)
{
    IntoItemGrid();
    EnterItem(2, QStringLiteral("0002"), QStringLiteral("50"));
    EnterPayment(1, QStringLiteral("01"), QStringLiteral("50"));
    Items()->SetCells(2, 2, QStringLiteral("5O")); // as a damaged cell would read
    Save({Win::IDYES}); // the footer counts the cell 0
    const QStringList boxes = m_ui.TakeBoxTexts();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(boxes.back().startsWith(QStringLiteral("错误: "))) << boxes.back().toStdString();
    EXPECT_EQ(BillCount(), m_billsBefore);
    EXPECT_EQ(RowText(Items(), 2), QStringLiteral("0002|订金|5O||"));
}

TEST_F(TBillEntrySaveTest, AHostRefusalIsShownAndTheBillStaysAsItWas)
{
    m_host.Execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON tb200503_Yskmxzb "
                                  "BEGIN SELECT RAISE(ABORT, '磁盘空间不足'); END"));
    EnterFirstAmount(QStringLiteral("60"));
    EnterPayment(1, QStringLiteral("02"), QStringLiteral("60"));
    const QString shown = BillNumberShown();

    Save();

    const QStringList boxes = m_ui.TakeBoxTexts();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.front().startsWith(QStringLiteral("错误: ")) && boxes.front().contains(QStringLiteral("磁盘空间不足")))
        << boxes.front().toStdString();
    EXPECT_EQ(BillCount(), m_billsBefore);
    EXPECT_EQ(BillNumberShown(), shown);
    EXPECT_EQ(Edit(QStringLiteral("edtkhbm"))->text(), QStringLiteral("2101001"));
    EXPECT_EQ(RowText(Items(), 1), QStringLiteral("0001|预收货款|60.00||"));
    EXPECT_EQ(RowText(Payments(), 1), QStringLiteral("转账支票|60.00||张伟|20050315103000"));

    m_host.Execute(QStringLiteral("DROP TRIGGER refuse"));
    Save({Win::IDNO});
    EXPECT_EQ(BillCount(), m_billsBefore + 1) << "the clerk saves again once the host takes it";
}
