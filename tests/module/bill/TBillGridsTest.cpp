#include "EntryFormFixture.h"

#include "module/bill/TGridColumnLayout.h"
#include "platform/widgets/TAdvColumnGrid.h"
#include "platform/widgets/TFlatEdit.h"
#include "platform/widgets/TListView.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

// A form with customer 2101001 chosen and the cursor in row 2 of the item grid.
class TBillGridsTest : public EntryFormFixture {
protected:
    void SetUp() override
    {
        ASSERT_NE(Open(), nullptr);
        ChooseCustomer(QStringLiteral("2101001"));
        IntoItemGrid();
    }
    QString Cursor(const TAdvColumnGrid *grid) const { return QStringLiteral("%1,%2").arg(grid->Col()).arg(grid->Row()); }
    TListView *LookupList() const { return Named<TListView>(Form(), QStringLiteral("lvLookup")); }
    // Keys for the lookup list that the next Enter in a grid opens and waits on: they are
    // posted once the list shows, as the clerk presses them while the grid waits. Also where
    // the list showed.
    void AnswerLookup(const QList<int> &keys, QPoint *shownAt = nullptr)
    {
        TListView *list = LookupList();
        ASSERT_NE(list, nullptr);
        list->installEventFilter(new TListAnswer(list, keys, shownAt));
    }

private:
    class TListAnswer : public QObject {
    public:
        TListAnswer(QObject *list, QList<int> keys, QPoint *shownAt)
            : QObject(list), m_keys(std::move(keys)), m_shownAt(shownAt)
        {
        }
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Show) {
                if (m_shownAt)
                    *m_shownAt = static_cast<QWidget *>(watched)->pos();
                for (const int key : m_keys)
                    QApplication::postEvent(watched, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
                deleteLater();
            }
            return false;
        }

    private:
        QList<int> m_keys;
        QPoint *m_shownAt;
    };
};

} // namespace

TEST(TGridColumnLayout, TheKeyIsTheHeaderWithoutItsMarkup)
{
    const std::pair<const char *, const char *> cases[] = {
        {"备注", "备注"},
        {"<p align=\"center\">收款项目编码</p>", "收款项目编码"},
        {"<p><b>含税金额</b></p>", "含税金额"},
        {"<b>订单号", "订单号"},
    };
    for (const auto &[header, key] : cases)
        EXPECT_EQ(TGridColumnLayout::ColumnKey(QString::fromUtf8(header)), QString::fromUtf8(key)) << header;
}

TEST_F(TBillGridsTest, AnItemIsLookedUpByCodeAndItsAmountFormattedOnLeaving)
{
    EnterItem(2, QStringLiteral("0002"), QStringLiteral("50"));
    EXPECT_EQ(RowText(Items(), 2), QStringLiteral("0002|订金|50.00||"));
    EXPECT_EQ(Cursor(Items()), QStringLiteral("0,3"));
    EXPECT_EQ(Items()->FooterText(2), QStringLiteral("50.00"));
}

TEST_F(TBillGridsTest, SeveralMatchesAreListedUnderTheRowAndEscLeavesTheEntryRowEmpty)
{
    // The grid waits for the choice: the clerk's keys for the list are on their way already.
    QPoint listAt;
    Clerk::Type(nullptr, QStringLiteral("000"));
    AnswerLookup({Qt::Key_Escape}, &listAt);
    Press(Qt::Key_Return);
    const QPoint grid = Items()->mapTo(Form()->PanelMain, QPoint(0, 0));
    EXPECT_EQ(listAt, QPoint(grid.x() + Items()->ColWidths(0), grid.y() + 19 * 2));
    EXPECT_FALSE(LookupList()->isVisible());
    EXPECT_EQ(RowText(Items(), 2), QStringLiteral("||||"));

    Clerk::Type(nullptr, QStringLiteral("000"));
    AnswerLookup({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
    Press(Qt::Key_Return);
    EXPECT_EQ(RowText(Items(), 2), QStringLiteral("0003|押金|||"));
    EXPECT_EQ(Cursor(Items()), QStringLiteral("2,2"));
}

TEST_F(TBillGridsTest, AnItemAlreadyOnAnotherLineEmptiesTheRow)
{
    EnterItem(2, QStringLiteral("0002"), QStringLiteral("50"));
    EnterItem(3, QStringLiteral("0003"), QStringLiteral("30"));
    Clerk::Type(nullptr, QStringLiteral("0001"));
    Press(Qt::Key_Return);
    EXPECT_EQ(m_ui.TakeBoxTexts(), QStringList{QStringLiteral("错误: 此收付项目已经存在，不能存在相同的收付项目")});
    EXPECT_EQ(RowText(Items(), 4), QStringLiteral("||||"));

    // Choosing for line 2 the item of line 3, further down.
    ClickCell(Items(), 0, 2);
    Clerk::Type(nullptr, QStringLiteral("0003"));
    Press(Qt::Key_Return);
    EXPECT_EQ(m_ui.TakeBoxTexts(), QStringList{QStringLiteral("错误: 此收付项目已经存在，不能存在相同的收付项目")});
    EXPECT_EQ(RowText(Items(), 2), QStringLiteral("||||"));
    EXPECT_EQ(RowText(Items(), 3), QStringLiteral("0003|押金|30.00||"));
}

TEST_F(TBillGridsTest, TheFirstItemTakesNoTypingButItsLookupStillRuns)
{
    Items()->FocusCell(0, 1);
    Clerk::Type(nullptr, QStringLiteral("9x"));
    Press(Qt::Key_Backspace);
    EXPECT_EQ(RowText(Items(), 1), QStringLiteral("0001|预收货款|||"));
    EXPECT_FALSE(Items()->EditorMode());
    Press(Qt::Key_Return);
    EXPECT_EQ(Cursor(Items()), QStringLiteral("2,1")) << "0001 is taken again and the cursor moves to the amount";
    EXPECT_TRUE(m_ui.Boxes().isEmpty());
}

TEST_F(TBillGridsTest, AmountCellsTakeDigitsOnePointAndALeadingMinus)
{
    const std::pair<const char *, const char *> cases[] = {
        {"12.5.3", "12.53"}, {"1a2b", "12"}, {"5-", "5"}, {"-5", "-5"}, {"7..", "7."},
    };
    EnterItem(2, QStringLiteral("0002"), QString());
    for (const auto &[keys, shown] : cases) {
        Items()->SetCells(2, 2, QString());
        Items()->FocusCell(2, 2);
        Clerk::Type(nullptr, QString::fromLatin1(keys));
        EXPECT_EQ(Items()->Cells(2, 2), QString::fromLatin1(shown)) << keys;
    }
    Items()->SetCells(2, 2, QString());
    Items()->FocusCell(2, 2);
    Clerk::Type(nullptr, QStringLiteral("12.5.3"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Items()->Cells(2, 2), QStringLiteral("12.53"));
    EXPECT_EQ(Items()->FooterText(2), QStringLiteral("12.53"));
}

TEST_F(TBillGridsTest, ALineRowIsLeftOnlyWithItsItemAndAmount)
{
    EnterItem(2, QStringLiteral("0002"), QString());
    Press(Qt::Key_Down);
    EXPECT_EQ(Cursor(Items()), QStringLiteral("2,2")) << "no amount yet";

    Clerk::Type(nullptr, QStringLiteral("-"));
    Press(Qt::Key_Return);
    EXPECT_EQ(m_ui.TakeBoxTexts().size(), 1) << "a lone minus is no number";
    EXPECT_EQ(Cursor(Items()), QStringLiteral("2,2"));

    ClickCell(Items(), 2, 2);
    Press(Qt::Key_Backspace);
    Clerk::Type(nullptr, QStringLiteral("8"));
    ClickCell(Items(), 0, 20);
    EXPECT_EQ(Cursor(Items()), QStringLiteral("2,2")) << "rows below the entry row cannot be chosen";
    ClickCell(Items(), 0, 3);
    EXPECT_EQ(Cursor(Items()), QStringLiteral("0,3"));
    EXPECT_EQ(RowText(Items(), 2), QStringLiteral("0002|订金|8.00||"));
}

TEST_F(TBillGridsTest, AfterLeftOrRightEnterOnlyEndsTheWalk)
{
    EnterItem(2, QStringLiteral("0002"), QStringLiteral("5"));
    ClickCell(Items(), 2, 2);
    Press(Qt::Key_Left);
    EXPECT_EQ(Cursor(Items()), QStringLiteral("1,2"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Cursor(Items()), QStringLiteral("1,2"));
    EXPECT_FALSE(LookupList()->isVisible());
    Press(Qt::Key_Return); // by name: 订金 is the only one
    EXPECT_EQ(Cursor(Items()), QStringLiteral("2,2"));
}

TEST_F(TBillGridsTest, ThirtyThreeLinesGrowTheGridBeforeTheFooter)
{
    AddReceivableItems(32);
    for (int i = 1; i <= 31; ++i)
        EnterItem(i + 1, QString::number(1000 + i), QStringLiteral("1"));
    Clerk::Type(nullptr, QStringLiteral("1032"));
    Press(Qt::Key_Return);
    Clerk::Type(nullptr, QStringLiteral("1"));
    ASSERT_EQ(Items()->RowCount(), 35);
    Press(Qt::Key_Down);
    EXPECT_EQ(Items()->RowCount(), 36) << "Down on the last line grows the grid";
    EXPECT_EQ(Cursor(Items()), QStringLiteral("2,33"));

    Items()->RemoveRows(34, 1);
    ASSERT_EQ(Items()->RowCount(), 35);
    Press(Qt::Key_Return);
    EXPECT_EQ(Items()->RowCount(), 36);
    EXPECT_EQ(Cursor(Items()), QStringLiteral("0,34"));
    EXPECT_EQ(Items()->FooterText(2), QStringLiteral("32.00"));
}

TEST_F(TBillGridsTest, APaymentLineIsStampedAndNeedsAnAmountOtherThanZero)
{
    EnterPayment(1, QStringLiteral("02"), QStringLiteral("0"));
    EXPECT_EQ(RowText(Payments(), 1), QStringLiteral("转账支票|0.00||张伟|20050315103000"));
    EXPECT_EQ(Cursor(Payments()), QStringLiteral("2,1"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Cursor(Payments()), QStringLiteral("1,1")) << "0.00 cannot be left";

    Clerk::Type(nullptr, QStringLiteral("150"));
    Press(Qt::Key_Return);
    Clerk::Type(nullptr, QStringLiteral("ZP001"));
    Press(Qt::Key_Return);
    EXPECT_EQ(RowText(Payments(), 1), QStringLiteral("转账支票|150.00|ZP001|张伟|20050315103000"));
    EXPECT_EQ(Cursor(Payments()), QStringLiteral("0,2"));
    EXPECT_EQ(Payments()->FooterText(1), QStringLiteral("150.00"));
}

TEST_F(TBillGridsTest, AnAmountOnThePaymentEntryRowWithoutAMethodDisappears)
{
    ClickCell(Payments(), 1, 1);
    Clerk::Type(nullptr, QStringLiteral("20"));
    ASSERT_EQ(Payments()->Cells(1, 1), QStringLiteral("20"));
    ClickCell(Payments(), 2, 1);
    EXPECT_EQ(Payments()->Cells(1, 1), QString());
    EXPECT_EQ(Payments()->FooterText(1), QStringLiteral("0.00"));
}

TEST_F(TBillGridsTest, RowsAreDeletedAndInsertedInTheFocusedGrid)
{
    EnterItem(2, QStringLiteral("0002"), QStringLiteral("50"));
    EnterPayment(1, QStringLiteral("01"), QStringLiteral("30"));
    Press(Qt::Key_Return);
    EnterPayment(2, QStringLiteral("03"), QStringLiteral("20"));
    Press(Qt::Key_Return);

    ClickCell(Items(), 0, 2);
    Press(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(RowText(Items(), 2), QStringLiteral("||||"));
    EXPECT_EQ(RowText(Items(), 3), QStringLiteral("0002|订金|50.00||"));
    Press(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(RowText(Items(), 2), QStringLiteral("0002|订金|50.00||"));
    Press(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(RowText(Items(), 2), QStringLiteral("||||"));
    EXPECT_EQ(Items()->FooterText(2), QStringLiteral("0.00"));

    ClickCell(Items(), 0, 1);
    Press(Qt::Key_D, Qt::ControlModifier);
    Press(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(RowText(Items(), 1), QStringLiteral("0001|预收货款|||")) << "the first item stays first";
    EXPECT_EQ(RowText(Items(), 2), QStringLiteral("||||"));

    ClickCell(Payments(), 0, 1);
    Press(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(RowText(Payments(), 1), QStringLiteral("银行卡|20.00||张伟|20050315103000"));
    EXPECT_EQ(Payments()->FooterText(1), QStringLiteral("20.00"));
    Press(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(RowText(Payments(), 1), QStringLiteral("||||"));
    EXPECT_EQ(RowText(Payments(), 2), QStringLiteral("银行卡|20.00||张伟|20050315103000"));
    ClickCell(Payments(), 0, 2);
    EXPECT_EQ(Cursor(Payments()), QStringLiteral("0,1")) << "the inserted line needs a method first";
}
