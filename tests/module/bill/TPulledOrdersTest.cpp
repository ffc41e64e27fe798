#include "EntryFormFixture.h"

#include "platform/widgets/TAdvColumnGrid.h"
#include "platform/widgets/TFlatEdit.h"
#include "platform/win/MessageBox.h"

#include <QDialog>

namespace {

// Sales orders pulled into the bill through "调订单" and the picker.
class TPulledOrdersTest : public EntryFormFixture {
protected:
    // Open orders of customer 2101005 at department 01, order i (from 1) worth 10 × i.
    QStringList AddOrders(int count)
    {
        QStringList numbers;
        for (int i = 1; i <= count; ++i) {
            const QString number = QStringLiteral("DD%1").arg(i, 4, 10, QLatin1Char('0'));
            m_host.Execute(QStringLiteral("INSERT INTO tbspddzb (f_djh,f_ddlx,f_dhbm,f_ddzt,f_rhbm,f_chbm) "
                                          "VALUES (?,'5','01','1','2101005','01')"),
                           {number});
            m_host.Execute(QStringLiteral("INSERT INTO tbspddcb (f_djh,f_ddlx,f_dhbm,f_dnxh,f_dhsl,f_dhje,f_dhsj) "
                                          "VALUES (?,'5','01',0,1,?,0)"),
                           {number, 10.0 * i});
            numbers << number;
        }
        return numbers;
    }
    // Runs the picker: the first ticked rows are toggled by Space, then OK or Cancel.
    void Pull(int tick, bool confirm, QList<bool> *shownTicks = nullptr)
    {
        m_ui.OnModal([tick, confirm, shownTicks](QDialog &picker) {
            auto *acg = Named<TAdvColumnGrid>(&picker, QStringLiteral("acg"));
            if (shownTicks) {
                for (int row = 1; row < acg->RowCount() - 1; ++row)
                    shownTicks->append(acg->IsChecked(0, row));
            }
            acg->setFocus();
            for (int row = 1; row <= tick; ++row) {
                Clerk::Key(acg, Qt::Key_Space);
                Clerk::Key(acg, Qt::Key_Down);
            }
            Clerk::Click(Named(&picker, QString::fromLatin1(confirm ? "btnOk" : "btnCancel")));
        });
        Clerk::Click(Named(Form(), QStringLiteral("btnGd")));
        Clerk::ShowActive(&m_window); // the window manager's part once the picker has gone
    }
};

} // namespace

TEST_F(TPulledOrdersTest, OkWithNothingTickedEmptiesTheBillButForOnePaymentOfTheEmptyTotal)
{
    ASSERT_NE(Open(), nullptr);
    ChooseCustomer(QStringLiteral("2101001"));
    EnterPayment(1, QStringLiteral("02"), QStringLiteral("30"));

    Pull(0, true);

    EXPECT_EQ(RowText(Items(), 1), QStringLiteral("||||")) << "the first item goes too";
    EXPECT_EQ(Items()->RowCount(), 35);
    EXPECT_EQ(Items()->FooterText(2), QStringLiteral("0.00"));
    EXPECT_EQ(RowText(Payments(), 1), QStringLiteral("现金|0.00||张伟|20050315103000"));
    EXPECT_EQ(RowText(Payments(), 2), QStringLiteral("||||"));
    EXPECT_EQ(Payments()->FooterText(1), QStringLiteral("0.00"));
}

TEST_F(TPulledOrdersTest, FortyOrdersGrowTheItemGridAndAreSavedWithTheirNumbers)
{
    const QStringList orders = AddOrders(40);
    ASSERT_NE(Open(), nullptr);
    ChooseCustomer(QStringLiteral("2101005"));

    Pull(40, true);

    ASSERT_EQ(Items()->RowCount(), 42) << "40 lines between the header and the footer";
    EXPECT_EQ(RowText(Items(), 1), QStringLiteral("0001|预收货款|10.00|DD0001|"));
    EXPECT_EQ(RowText(Items(), 40), QStringLiteral("0001|预收货款|400.00|DD0040|"));
    EXPECT_EQ(Items()->FooterText(2), QStringLiteral("8200.00"));
    EXPECT_EQ(RowText(Payments(), 1), QStringLiteral("现金|8200.00||张伟|20050315103000"));

    const QString shown = BillNumberShown();
    m_ui.AnswerBox(Win::IDNO);
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(m_ui.TakeBoxTexts(), QStringList{QStringLiteral("提问: 是否打印该单据？")});
    const QStringList stored = StoredItems(shown, QStringLiteral("f_ddh,f_sfje,f_hkye,f_qtje"));
    ASSERT_EQ(stored.size(), 40);
    EXPECT_EQ(stored.front(), QStringLiteral("DD0001|10|10|8190"));
    EXPECT_EQ(stored.back(), QStringLiteral("DD0040|400|10|8190"));

    // Taken orders are offered no more.
    ChooseCustomer(QStringLiteral("2101005"));
    Clerk::Click(Named(Form(), QStringLiteral("btnGd")));
    EXPECT_EQ(m_ui.TakeBoxTexts(), QStringList{QStringLiteral("错误: 没有相应的订单信息")});
}

TEST_F(TPulledOrdersTest, AnOrderOnTheBillIsOfferedTickedAndCancelLeavesTheBill)
{
    AddOrders(3);
    ASSERT_NE(Open(), nullptr);
    ChooseCustomer(QStringLiteral("2101005"));
    Pull(1, true);
    ASSERT_EQ(RowText(Items(), 1), QStringLiteral("0001|预收货款|10.00|DD0001|"));

    QList<bool> ticks;
    Pull(0, false, &ticks);

    EXPECT_EQ(ticks, QList<bool>({true, false, false}));
    EXPECT_EQ(RowText(Items(), 1), QStringLiteral("0001|预收货款|10.00|DD0001|"));
    EXPECT_EQ(RowText(Payments(), 1), QStringLiteral("现金|10.00||张伟|20050315103000"));
    EXPECT_EQ(Edit(QStringLiteral("edtkhbm"))->text(), QStringLiteral("2101005"));
}
