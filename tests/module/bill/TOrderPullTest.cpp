#include "module/bill/TOrderPull.h"
#include "module/bill/TfrmDd.h"
#include "module/common/TColorIni.h"
#include "platform/data/NumberText.h"
#include "platform/widgets/ControlColor.h"
#include "platform/widgets/TAdvColumnGrid.h"
#include "platform/widgets/TFlatButton.h"
#include "platform/widgets/TFlatComboBox.h"
#include "platform/widgets/TForm.h"
#include "platform/widgets/TLabel.h"
#include "platform/win/MessageBox.h"
#include "platform/win/ZorvaHostContract.h"
#include "support/Clerk.h"
#include "support/TRecordingHost.h"
#include "support/TTestHost.h"
#include "support/TUiRecorder.h"
#include "support/TestPrinters.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

// What the clerk saw in the picker, read while it is open.
struct TPickerView {
    QStringList Rows; // "ticked|cells 1..8" per data row
    int RowCount = 0;
    QStringList Items, PayModes;
    QString Item, PayMode;
};

class TOrderPullTest : public ::testing::Test {
protected:
    TOrderPullTest()
    {
        Owner.resize(800, 600);
        Clerk::ShowActive(&Owner);
    }

    TOrderPullRequest Request(const QString &customer) const
    {
        TOrderPullRequest request;
        request.CustomerCode = customer;
        request.CustomerName = QStringLiteral("华联超市");
        request.DepartmentCode = QStringLiteral("01");
        request.DepartmentName = QStringLiteral("本部");
        request.YearMonth = QStringLiteral("200503");
        return request;
    }

    static TAdvColumnGrid *Grid(QDialog &picker) { return Named<TAdvColumnGrid>(&picker, QStringLiteral("acg")); }

    static TPickerView Look(QDialog &picker)
    {
        TPickerView view;
        TAdvColumnGrid *acg = Grid(picker);
        view.RowCount = acg->RowCount();
        for (int row = 1; row < acg->RowCount() - 1; ++row) {
            QStringList cells{acg->IsChecked(0, row) ? QStringLiteral("1") : QStringLiteral("0")};
            for (int col = 1; col < acg->ColCount(); ++col)
                cells << acg->Cells(col, row);
            view.Rows << cells.join(QLatin1Char('|'));
        }
        auto *cbSfxm = Named<TFlatComboBox>(&picker, QStringLiteral("cbSfxm"));
        auto *cbZffs = Named<TFlatComboBox>(&picker, QStringLiteral("cbZffs"));
        view.Items = cbSfxm->Items();
        view.PayModes = cbZffs->Items();
        view.Item = cbSfxm->currentText();
        view.PayMode = cbZffs->currentText();
        return view;
    }

    // Looks at the picker, lets the clerk act on it, then clicks the named button.
    void Expect(TPickerView &view, const QString &button = QStringLiteral("btnCancel"),
                std::function<void(QDialog &)> act = {})
    {
        Ui.OnModal([&view, button, act](QDialog &picker) {
            view = Look(picker);
            if (act)
                act(picker);
            Clerk::Click(Named<TFlatButton>(&picker, button));
        });
    }

    static void ClickCell(TAdvColumnGrid *acg, int col, int row)
    {
        const QPoint centre = acg->visualRect(acg->model()->index(row - 1, col)).center();
        QTest::mouseClick(acg->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        QApplication::processEvents();
    }

    // The open orders of a customer at department "01", number and amount text, as SQLite sees them.
    QStringList OrdersOf(const QString &customer) const
    {
        QStringList orders;
        const QStringList rows = Host.Select(
            QStringLiteral("select zb.f_djh,sum(cb.f_dhje+cb.f_dhsj),sum(cb.f_dhsl) from tbspddzb zb join tbspddcb cb"
                           " on cb.f_djh=zb.f_djh and cb.f_ddlx=zb.f_ddlx and cb.f_dhbm=zb.f_dhbm"
                           " where zb.f_rhbm=? and zb.f_chbm='01' and zb.f_ddzt='1' and zb.f_ddlx='5'"
                           " group by zb.f_djh order by zb.f_djh"),
            {customer});
        for (const QString &row : rows) {
            const QStringList cells = row.split(QLatin1Char('|'));
            orders << cells[0] + QLatin1Char('|') + FormatFloat(QStringLiteral("0.00"), cells[1].toDouble()) +
                          QLatin1Char('|') + (cells[2].toDouble() < 0 ? QStringLiteral("1") : QStringLiteral("0"));
        }
        return orders;
    }

    static QString Row(bool ticked, const QString &order, const QString &customer)
    {
        const QStringList cells = order.split(QLatin1Char('|'));
        const QString kind = cells[2] == QStringLiteral("1") ? QStringLiteral("销售退货订单") : QStringLiteral("销售订单");
        return QStringList{ticked ? QStringLiteral("1") : QStringLiteral("0"), cells[0], kind, QStringLiteral("01"),
                           QStringLiteral("本部"), customer, QStringLiteral("华联超市"), cells[1], cells[2]}
            .join(QLatin1Char('|'));
    }

    QStringList Column(const QString &sql) const { return Host.Select(sql); }

    TTestHost Host;
    TRecordingHost &Disp = *new TRecordingHost(Host.Host());
    THostDataService Service{TRudoDispPtr(&Disp)};
    TForm Owner;
    TUiRecorder Ui;
    TOrderPull Pull{Service, &Owner, Win::HandleOf(&Owner)};
};

TEST(OrderQuerySql, StatementsAsTheFormsSendThem)
{
    const struct {
        QString Sql, Expected;
    } cases[] = {
        {OrderQuerySql(QStringLiteral("2101002"), QStringLiteral("01"), QStringLiteral("200503")),
         QStringLiteral("select zb.f_djh,zb.f_chbm,zb.f_rhbm,sum(cb.f_dhsl) f_dhsl,sum(cb.f_dhje+cb.f_dhsj) f_dhje from "
                        "tbspddzb zb,tbspddcb cb where zb.f_ddlx=cb.f_ddlx   and zb.f_dhbm=cb.f_dhbm   and "
                        "zb.f_djh=cb.f_djh   and zb.f_ddlx='5'   and zb.f_ddzt='1'   and zb.f_rhbm='2101002'   and "
                        "zb.f_chbm='01'  and zb.f_djh not in ( Select f_ddh From tb200503_Ysfxmmx  Where f_Csbm = "
                        "'2101002'  And f_Djh Not In ( Select f_Djh From tb200503_Yskmxzb  Where f_Trbz = '2') ) "
                        "group by zb.f_djh,zb.f_chbm,zb.f_rhbm")},
        {MonthOrderQuerySql(QStringLiteral("2101001"), QStringLiteral("01"), QStringLiteral("200503"),
                            QStringLiteral("200503")),
         QStringLiteral("select f_ddlb,zb.f_djh,zb.f_chbm,zb.f_rhbm,sum(cb.f_dhje+cb.f_dhsj) f_dhje from tb200503_spddzb "
                        "zb,tb200503_spddcb cb where zb.f_ddlx=cb.f_ddlx   and zb.f_dhbm=cb.f_dhbm   and "
                        "zb.f_djh=cb.f_djh   and zb.f_ddlx='5'   and zb.f_ddzt='1'   and zb.f_rhbm='2101001'   and "
                        "zb.f_chbm='01'  and zb.f_djh not in ( Select f_ddh From tb200503_Ysfxmmx  Where f_Csbm = "
                        "'2101001'  And f_Djh Not In ( Select f_Djh From tb200503_Yskmxzb  Where f_Trbz = '2') ) "
                        "group by f_ddlb,zb.f_djh,zb.f_chbm,zb.f_rhbm")},
        {MonthOrderQuerySql(QStringLiteral("K"), QStringLiteral("B"), QStringLiteral("200501"), QStringLiteral("200412")),
         QStringLiteral("Select f_ddlb,f_djh,f_chbm,f_rhbm,sum(f_dhje) f_dhje From ( "
                        "select f_ddlb,zb.f_djh,zb.f_chbm,zb.f_rhbm,cb.f_dhje+cb.f_dhsj f_dhje from tb200412_spddzb "
                        "zb,tb200412_spddcb cb where zb.f_ddlx=cb.f_ddlx   and zb.f_dhbm=cb.f_dhbm   and "
                        "zb.f_djh=cb.f_djh   and zb.f_ddlx='5'   and zb.f_ddzt='1'   and zb.f_rhbm='K'   and "
                        "zb.f_chbm='B' Union All "
                        "select f_ddlb,zb.f_djh,zb.f_chbm,zb.f_rhbm,cb.f_dhje+cb.f_dhsj f_dhje from tb200501_spddzb "
                        "zb,tb200501_spddcb cb where zb.f_ddlx=cb.f_ddlx   and zb.f_dhbm=cb.f_dhbm   and "
                        "zb.f_djh=cb.f_djh   and zb.f_ddlx='5'   and zb.f_ddzt='1'   and zb.f_rhbm='K'   and "
                        "zb.f_chbm='B') AllJxc Where f_Djh Not In ("
                        " Select f_Ddh From tb200412_Ysfxmmx  Where f_Csbm = 'K'  And f_Djh Not In ( Select f_Djh From "
                        "tb200412_Yskmxzb  Where f_Trbz = '2')  Union All "
                        " Select f_Ddh From tb200501_Ysfxmmx  Where f_Csbm = 'K'  And f_Djh Not In ( Select f_Djh From "
                        "tb200501_Yskmxzb  Where f_Trbz = '2') )Group By f_Ddlb,f_Djh,f_Chbm,f_Rhbm ")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.Sql, c.Expected);
}

TEST(OrderQuerySql, QuotesInCodesStayInsideTheirLiterals)
{
    const QString entry = OrderQuerySql(QStringLiteral("C'1"), QStringLiteral("D'1"), QStringLiteral("200503"));
    EXPECT_EQ(entry, OrderQuerySql(QStringLiteral("C1"), QStringLiteral("D1"), QStringLiteral("200503"))
                         .replace(QStringLiteral("'C1'"), QStringLiteral("'C''1'"))
                         .replace(QStringLiteral("'D1'"), QStringLiteral("'D''1'")));
    const QString months = MonthOrderQuerySql(QStringLiteral("21'01"), QStringLiteral("01"), QStringLiteral("200503"),
                                              QStringLiteral("200501"));
    EXPECT_EQ(months.count(QStringLiteral("'21''01'")), 4);
    EXPECT_FALSE(months.contains(QStringLiteral("'21'01'")));
}

TEST_F(TOrderPullTest, PickerShowsTheOrdersOfCustomerAndDepartmentWithTheirKindAndAmount)
{
    const QStringList orders = OrdersOf(QStringLiteral("2101001"));
    ASSERT_EQ(orders.size(), 3);
    ASSERT_EQ(orders.filter(QRegularExpression(QStringLiteral("\\|1$"))).size(), 1) << "the demo customer has one return order";
    QStringList expected;
    for (const QString &order : orders)
        expected << Row(false, order, QStringLiteral("2101001"));

    TPickerView view;
    QDialog *shown = nullptr;
    Ui.OnModal([&](QDialog &picker) {
        shown = &picker;
        view = Look(picker);
        TAdvColumnGrid *acg = Grid(picker);
        EXPECT_EQ(picker.windowTitle(), QStringLiteral("销售订单"));
        EXPECT_EQ(picker.size(), QSize(688, 446));
        QStringList headers;
        QList<int> widths;
        for (int col = 0; col < acg->ColCount(); ++col) {
            headers << acg->Cells(col, 0);
            widths << acg->ColWidths(col);
        }
        EXPECT_EQ(headers.join(QLatin1Char('|')),
                  QStringLiteral("选择|单据号|订单类别|出货部门编码|出货部门名称|入货部门编码|入货部门名称|订单金额|"));
        EXPECT_EQ(widths, (QList<int>{30, 100, 64, 86, 132, 90, 87, 64, 0}));
        EXPECT_TRUE(acg->isColumnHidden(8)) << "the return flag is kept, not shown";
        EXPECT_TRUE(acg->FloatingFooter());
        EXPECT_TRUE(acg->IsCheckBoxColumn(0));
        EXPECT_EQ(Named<TLabel>(&picker, QStringLiteral("Label1"))->text(), QStringLiteral("收付项目"));
        EXPECT_EQ(Named<TLabel>(&picker, QStringLiteral("Label2"))->text(), QStringLiteral("支付方式"));
        EXPECT_EQ(Named<TFlatButton>(&picker, QStringLiteral("btnOk"))->text(), QStringLiteral("确定(&O)"));
        Clerk::Click(Named<TFlatButton>(&picker, QStringLiteral("btnCancel")));
    });
    EXPECT_FALSE(Pull.Run(Request(QStringLiteral("2101001"))));

    EXPECT_EQ(view.RowCount, 5);
    QStringList seen = view.Rows;
    seen.sort();
    expected.sort();
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(shown->parentWidget(), &Owner);
    EXPECT_EQ(Disp.Statements().value(0),
              OrderQuerySql(QStringLiteral("2101001"), QStringLiteral("01"), QStringLiteral("200503")));
    EXPECT_EQ(Disp.Statements().mid(1),
              (QStringList{QStringLiteral("select * from tbsfxmda"), QStringLiteral("select * from tbzffs")}));
    EXPECT_TRUE(Ui.Boxes().isEmpty());
}

// The demo month holds two bills of customer 2101002 that carry its two open orders: the first
// unconfirmed, the second void.
TEST_F(TOrderPullTest, OrdersOnBillsOfTheMonthAreOfferedOnlyWhenThoseBillsAreVoid)
{
    const QStringList orders = OrdersOf(QStringLiteral("2101002"));
    ASSERT_EQ(orders.size(), 2);
    const QString first = orders[0].section(QLatin1Char('|'), 0, 0);
    const QString bill = Host.Select(QStringLiteral("select f_djh from tb200503_Ysfxmmx where f_ddh=?"), {first}).value(0);
    ASSERT_FALSE(bill.isEmpty());

    const struct {
        const char *State;
        QStringList Offered;
    } cases[] = {
        {"0", {Row(false, orders[1], QStringLiteral("2101002"))}},
        {"1", {Row(false, orders[1], QStringLiteral("2101002"))}},
        {"2", {Row(false, orders[0], QStringLiteral("2101002")), Row(false, orders[1], QStringLiteral("2101002"))}},
    };
    for (const auto &c : cases) {
        Host.Execute(QStringLiteral("update tb200503_Yskmxzb set f_trbz=? where f_djh=?"), {QString::fromLatin1(c.State), bill});
        TPickerView view;
        Expect(view);
        EXPECT_FALSE(Pull.Run(Request(QStringLiteral("2101002"))));
        QStringList seen = view.Rows;
        seen.sort();
        EXPECT_EQ(seen, c.Offered) << "first bill in state " << c.State;
    }
}

TEST_F(TOrderPullTest, OrdersAlreadyOnTheBillAreTickedAndOkHandsBackTheTickedRowsAndChoices)
{
    const QStringList orders = OrdersOf(QStringLiteral("2101001"));
    ASSERT_EQ(orders.size(), 3);
    const QString onBill = orders[1].section(QLatin1Char('|'), 0, 0);
    TOrderPullRequest request = Request(QStringLiteral("2101001"));
    request.OrdersOnBill = {QString(), onBill};
    const QStringList payModes = Column(QStringLiteral("select f_zffsbm || ' ' || f_zffsmc from tbzffs"));
    const QStringList items = Column(QStringLiteral("select f_sfxmbm || ' ' || f_sfxmmc from tbsfxmda"));
    ASSERT_GE(payModes.size(), 2);

    TPickerView view;
    QList<int> tickedRows;
    Expect(view, QStringLiteral("btnOk"), [&](QDialog &picker) {
        TAdvColumnGrid *acg = Grid(picker);
        // Tick the one row that is not ticked yet and comes first, by a click on its box.
        for (int row = 1; row < acg->RowCount() - 1; ++row) {
            if (!acg->IsChecked(0, row)) {
                ClickCell(acg, 0, row);
                break;
            }
        }
        for (int row = 1; row < acg->RowCount() - 1; ++row) {
            if (acg->IsChecked(0, row))
                tickedRows << row;
        }
        auto *cbZffs = Named<TFlatComboBox>(&picker, QStringLiteral("cbZffs"));
        cbZffs->setFocus();
        Clerk::Key(cbZffs, Qt::Key_Down);
    });
    const std::optional<TOrderPullChoice> choice = Pull.Run(request);

    ASSERT_EQ(view.Rows.filter(QRegularExpression(QStringLiteral("^1\\|"))).size(), 1);
    EXPECT_TRUE(view.Rows.filter(QRegularExpression(QStringLiteral("^1\\|"))).value(0).startsWith(QStringLiteral("1|") + onBill));
    ASSERT_TRUE(choice.has_value());
    ASSERT_EQ(tickedRows.size(), 2);
    QStringList handedBack, expected;
    for (const TPulledOrder &order : choice->Orders)
        handedBack << order.OrderNo + QLatin1Char('|') + order.AmountText;
    for (const int row : tickedRows)
        expected << view.Rows[row - 1].section(QLatin1Char('|'), 1, 1) + QLatin1Char('|') +
                        view.Rows[row - 1].section(QLatin1Char('|'), 7, 7);
    EXPECT_EQ(handedBack, expected);
    EXPECT_EQ(view.Items, items);
    EXPECT_EQ(view.Item, items.value(0));
    EXPECT_EQ(view.PayMode, payModes.value(0));
    EXPECT_EQ(choice->ItemCode + QLatin1Char(' ') + choice->ItemName, items.value(0));
    EXPECT_EQ(choice->ItemCode, items.value(0).section(QLatin1Char(' '), 0, 0));
    EXPECT_EQ(choice->PayModeCode + QLatin1Char(' ') + choice->PayModeName, payModes.value(1));
    EXPECT_EQ(choice->PayModeCode, payModes.value(1).section(QLatin1Char(' '), 0, 0));
}

TEST_F(TOrderPullTest, CancelEscAndTheCloseBoxLeaveTheBillAsItIs)
{
    const std::function<void(QDialog &)> ends[] = {
        [](QDialog &picker) { Clerk::Click(Named<TFlatButton>(&picker, QStringLiteral("btnCancel"))); },
        [](QDialog &picker) { Clerk::Key(Grid(picker), Qt::Key_Escape); },
        [](QDialog &picker) { picker.close(); },
    };
    for (const auto &end : ends) {
        Ui.OnModal([&end](QDialog &picker) {
            Clerk::Key(Grid(picker), Qt::Key_Space);
            end(picker);
        });
        EXPECT_FALSE(Pull.Run(Request(QStringLiteral("2101001"))));
    }
    EXPECT_TRUE(Ui.Boxes().isEmpty());
}

TEST_F(TOrderPullTest, OkWithNothingTickedHandsBackTheChoiceWithoutOrders)
{
    TPickerView view;
    Expect(view, QStringLiteral("btnOk"));
    const std::optional<TOrderPullChoice> choice = Pull.Run(Request(QStringLiteral("2101001")));
    ASSERT_TRUE(choice.has_value()) << "the form still empties its grids and adds the payment line";
    EXPECT_TRUE(choice->Orders.isEmpty());
    EXPECT_EQ(choice->PayModeCode + QLatin1Char(' ') + choice->PayModeName, view.PayMode);
}

TEST_F(TOrderPullTest, NoOpenOrderAndFailedQueriesEndWithoutThePicker)
{
    const struct {
        QString Customer, Refused;
        QStringList Boxes;
    } cases[] = {
        {QStringLiteral("9999999"), QString(), {QStringLiteral("错误: 没有相应的订单信息")}},
        {QStringLiteral("2101001"), QStringLiteral("tbspddzb"), {QStringLiteral("错误: 取得订单信息时出错")}},
        {QStringLiteral("2101001"), QStringLiteral("tbsfxmda"), {}},
        {QStringLiteral("2101001"), QStringLiteral("tbzffs"), {}},
    };
    for (const auto &c : cases) {
        Disp.Refuse(c.Refused);
        EXPECT_FALSE(Pull.Run(Request(c.Customer))) << c.Customer.toStdString() << c.Refused.toStdString();
        EXPECT_EQ(Ui.BoxTexts(), c.Boxes) << c.Refused.toStdString();
        for (const TUiRecorder::TShownBox &box : Ui.Boxes()) {
            EXPECT_EQ(box.Owner, Win::HandleOf(&Owner));
            EXPECT_EQ(box.Icon(), unsigned(Win::MB_ICONERROR));
        }
        Ui.TakeBoxTexts();
    }
    EXPECT_TRUE(Ui.ModalTitles().isEmpty());
}

TEST_F(TOrderPullTest, AQuoteInTheCustomerCodeFindsNoOrderInsteadOfBreakingTheStatement)
{
    const QString sneaky = QStringLiteral("2101001' or zb.f_rhbm<>'");
    EXPECT_FALSE(Pull.Run(Request(sneaky)));
    EXPECT_EQ(Ui.BoxTexts(), QStringList{QStringLiteral("错误: 没有相应的订单信息")});
    ASSERT_EQ(Disp.Statements().size(), 1);
    EXPECT_EQ(Disp.Statements()[0],
              OrderQuerySql(QStringLiteral("@"), QStringLiteral("01"), QStringLiteral("200503"))
                  .replace(QStringLiteral("@"), QStringLiteral("2101001'' or zb.f_rhbm<>''")));
}

TEST_F(TOrderPullTest, EachOpeningAppendsTheChoiceListsAgainAndRecoloursTheSamePicker)
{
    TColorIni colours;
    const int itemCount = Column(QStringLiteral("select count(*) from tbsfxmda")).value(0).toInt();
    const int payModeCount = Column(QStringLiteral("select count(*) from tbzffs")).value(0).toInt();
    QList<QDialog *> pickers;
    QList<TColor> backs;
    TPickerView first, second;
    for (TPickerView *view : {&first, &second}) {
        Ui.OnModal([&pickers, &backs, view](QDialog &picker) {
            pickers << &picker;
            backs << ColorOf(&picker);
            *view = Look(picker);
            Clerk::Click(Named<TFlatButton>(&picker, QStringLiteral("btnCancel")));
        });
        Pull.Run(Request(QStringLiteral("2101001")));
        colours.Set(QStringLiteral("backcolor"), QStringLiteral("255"));
    }
    ASSERT_EQ(pickers.size(), 2);
    EXPECT_EQ(pickers[0], pickers[1]);
    EXPECT_EQ(backs, (QList<TColor>{0xECF0F0, 255}));
    EXPECT_EQ(first.Items.size(), itemCount);
    EXPECT_EQ(second.Items, first.Items + first.Items);
    EXPECT_EQ(second.PayModes, first.PayModes + first.PayModes);
    EXPECT_EQ(second.PayModes.size(), 2 * payModeCount);
    EXPECT_EQ(second.Item, first.Items.value(0));
    EXPECT_EQ(second.Rows, first.Rows);
}

TEST_F(TOrderPullTest, FortyOrdersFillFortyRowsAndAllComeBackTicked)
{
    for (int n = 1; n <= 40; ++n) {
        const QString number = QStringLiteral("2005039%1").arg(n, 3, 10, QLatin1Char('0'));
        Host.Execute(QStringLiteral("insert into tbspddzb (f_djh,f_ddlx,f_dhbm,f_ddzt,f_rhbm,f_chbm) values (?,'5','01','1','2999001','01')"),
                     {number});
        Host.Execute(QStringLiteral("insert into tbspddcb (f_djh,f_ddlx,f_dhbm,f_dnxh,f_dhsl,f_dhje,f_dhsj) values (?,'5','01',0,2,?,?)"),
                     {number, 100.0 * n, 17.0 * n});
    }
    TPickerView view;
    Expect(view, QStringLiteral("btnOk"), [](QDialog &picker) {
        TAdvColumnGrid *acg = Grid(picker);
        for (int row = 1; row <= 40; ++row) {
            Clerk::Key(acg, Qt::Key_Space);
            Clerk::Key(acg, Qt::Key_Down);
        }
    });
    const std::optional<TOrderPullChoice> choice = Pull.Run(Request(QStringLiteral("2999001")));

    EXPECT_EQ(view.RowCount, 42);
    ASSERT_TRUE(choice.has_value());
    ASSERT_EQ(choice->Orders.size(), 40);
    QStringList handedBack, shown;
    for (const TPulledOrder &order : choice->Orders)
        handedBack << order.OrderNo + QLatin1Char('|') + order.AmountText;
    for (const QString &row : view.Rows)
        shown << row.section(QLatin1Char('|'), 1, 1) + QLatin1Char('|') + row.section(QLatin1Char('|'), 7, 7);
    EXPECT_EQ(handedBack, shown);
    EXPECT_TRUE(handedBack.contains(QStringLiteral("2005039040|4680.00")));
}

} // namespace
