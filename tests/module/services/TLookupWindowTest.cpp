#include "module/services/TZorvaClass.h"
#include "platform/widgets/TFlatEdit.h"
#include "platform/widgets/TForm.h"
#include "platform/widgets/TKeyHooks.h"
#include "platform/widgets/TListItem.h"
#include "platform/widgets/TListView.h"
#include "platform/widgets/TPanel.h"
#include "platform/win/ZorvaHostContract.h"
#include "support/Clerk.h"
#include "support/TRecordingHost.h"
#include "support/TTestHost.h"
#include "support/TUiRecorder.h"
#include "support/TestPrinters.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A bill header in miniature: three edits on a panel. Enter in the code edit opens the
// trading-partner lookup in its mode, Enter in the payment edit the payment-method lookup, and
// Enter in the item edit the receivable-item lookup, each right under its edit.
class TLookupTestForm : public TForm {
public:
    explicit TLookupTestForm(TRudoDispPtr host)
    {
        resize(640, 360);
        pnlHead = new TPanel(this);
        pnlHead->setObjectName(QStringLiteral("pnlHead"));
        pnlHead->setGeometry(0, 0, 600, 320);
        edtkhbm = AddEdit(QStringLiteral("edtkhbm"), 10);
        edtkhmc = AddEdit(QStringLiteral("edtkhmc"), 40);
        edtzffs = AddEdit(QStringLiteral("edtzffs"), 70);
        Zorva = std::make_unique<TZorvaClass>(std::move(host), Win::HandleOf(this));
        OnEnter(edtkhbm, [this] {
            Zorva->LookupManufacturer(Mode, pnlHead, edtkhmc, edtkhbm, edtkhbm->text(), Manufacturer, clWhite, 0, 0,
                                      Below(edtkhbm), edtkhbm->x());
        });
        OnEnter(edtkhmc, [this] {
            Zorva->LookupPayInOut(Mode, pnlHead, edtzffs, edtkhmc, edtkhmc->text(), PayInOut, clWhite, 0, 0,
                                  Below(edtkhmc), edtkhmc->x());
        });
        OnEnter(edtzffs, [this] {
            Zorva->LookupPayMode(Mode, pnlHead, edtkhbm, edtzffs, edtzffs->text(), PayMode, clWhite, 0, 0,
                                 Below(edtzffs), edtzffs->x());
        });
    }

    TListView *List() const { return findChild<TListView *>(QStringLiteral("lvLookup")); }

    quint8 Mode = 0;
    TManufacturerInfo Manufacturer;
    TpayModeInfo PayMode;
    TPayInOutInfo PayInOut;
    TPanel *pnlHead;
    TFlatEdit *edtkhbm;
    TFlatEdit *edtkhmc;
    TFlatEdit *edtzffs;
    std::unique_ptr<TZorvaClass> Zorva; // goes before the panel that hosts its list

private:
    TFlatEdit *AddEdit(const QString &name, int top)
    {
        auto *edit = new TFlatEdit(pnlHead);
        edit->setObjectName(name);
        edit->setGeometry(10, top, 120, 22);
        return edit;
    }
    static int Below(QWidget *edit) { return edit->y() + edit->height(); }
    static void OnEnter(QWidget *edit, std::function<void()> lookup)
    {
        TKeyHooks::Of(edit)->SetOnKeyPress([lookup](QWidget *, QChar &key) {
            if (key == QLatin1Char('\r')) {
                key = QChar();
                lookup();
            }
        });
    }
};

// The list as the clerk reads it: one text per row, its cells joined by "|".
QStringList Rows(const TListView *list)
{
    QStringList rows;
    for (int i = 0; list && i < list->ItemCount(); ++i)
        rows << (QStringList{list->Item(i)->Caption()} + list->Item(i)->SubItems()).join(QLatin1Char('|'));
    return rows;
}

QStringList Captions(const TListView *list)
{
    QStringList captions;
    for (int i = 0; i < list->ColumnCount(); ++i)
        captions << list->ColumnCaption(i);
    return captions;
}

int WidthOfA(const TListView *list)
{
    return QFontMetrics(list->font()).horizontalAdvance(QLatin1Char('a'));
}

QString Describe(const TManufacturerInfo &info)
{
    return QStringList{info.Code,    info.Name,  info.Mnemonic, QString::number(info.ControlFlag),
                       info.Contact, info.Phone, info.Fax,      info.TaxNo}
        .join(QLatin1Char('|'));
}

class TLookupWindowTest : public testing::Test {
protected:
    void Start(const QString &dbType = QStringLiteral("SQLSERVER"))
    {
        m_host = std::make_unique<TTestHost>(TTestHost::TOptions{.DbType = dbType});
        Recorder = new TRecordingHost(m_host->Host());
        Form = std::make_unique<TLookupTestForm>(TRudoDispPtr(Recorder));
        Clerk::ShowActive(Form.get());
    }
    void SetUp() override { Start(); }

    TTestHost &Host() const { return *m_host; }
    // The clerk types text into edit and presses Enter.
    void Search(QWidget *edit, const QString &text, quint8 mode = 0)
    {
        Form->Mode = mode;
        Clerk::Click(edit);
        Clerk::Type(edit, text);
        Clerk::Key(edit, Qt::Key_Return);
    }
    bool ListShown() const { return Form->List() && Form->List()->isVisible(); }
    QString SelectedCode() const
    {
        const TListItem *item = Form->List()->Selected();
        return item ? item->Caption() : QString();
    }
    // Partners the seeded shop does not have: 1,500 customers named "测试伙伴<n>", stored in
    // descending code order so that only the statement's order can sort them.
    void AddPartners(int count)
    {
        Host().Execute(QStringLiteral("INSERT INTO tbcsda (f_csbm,f_csmc,f_zjf,f_cslx,f_jb,f_mj)"
                                      " WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<?)"
                                      " SELECT '9' || printf('%04d', ? + 1 - i), '测试伙伴' || i, 'CSHB', '1', 1, 1 FROM n"),
                       {count, count});
    }

    TUiRecorder Boxes;
    TRecordingHost *Recorder = nullptr;
    std::unique_ptr<TLookupTestForm> Form;

private:
    std::unique_ptr<TTestHost> m_host;
};

TEST_F(TLookupWindowTest, CodeSearch_EmptyText_ListsTheShallowestLevel)
{
    Search(Form->edtkhbm, QString());

    ASSERT_TRUE(ListShown());
    TListView *list = Form->List();
    EXPECT_EQ(Rows(list), QStringList({"11|华北区供应商", "12|华东区供应商", "13|华南区供应商", "14|西部区供应商",
                                       "21|华北区客户", "22|华东区客户", "23|华南区客户", "24|西部区客户",
                                       "31|华北区生产厂商", "32|华东区生产厂商", "33|华南区生产厂商",
                                       "34|西部区生产厂商"}));
    EXPECT_EQ(Captions(list), QStringList({"厂商编码", "厂商名称"}));
    const int a = WidthOfA(list);
    EXPECT_EQ(list->columnWidth(0), 14 * a);
    EXPECT_EQ(list->columnWidth(1), 22 * a);
    EXPECT_EQ(list->width(), 45 * a);
    EXPECT_EQ(list->font().family(), QStringLiteral("宋体"));
    EXPECT_EQ(list->font().pointSize(), 9);
    EXPECT_EQ(list->parentWidget(), Form->pnlHead);
    EXPECT_EQ(list->Color(), clWhite);
    EXPECT_EQ(list->pos(), QPoint(Form->edtkhbm->x(), Form->edtkhbm->y() + Form->edtkhbm->height()));
    EXPECT_EQ(Clerk::Focused(), list);
    EXPECT_EQ(SelectedCode(), QStringLiteral("11"));
    EXPECT_EQ(list->currentItem(), list->Item(0));
    EXPECT_TRUE(Form->Zorva->IsLookupOpen());
    EXPECT_FALSE(list->header()->sectionsClickable());
    EXPECT_EQ(Form->Manufacturer.Code, QString());
    EXPECT_EQ(Recorder->Statements(),
              QStringList({"Select f_Csz from tbSysMsg Where f_Csmc='dqny'",
                           "Select min(f_jb) as m_jb from tbcsda where (f_cslx='0' or f_cslx='1' or f_cslx='2') and "
                           "f_csbm Like '%'",
                           "Select f_csbm,f_csmc,f_zjf,f_mj,f_kzbz,f_lxr,f_dh,f_Cz,f_sh from tbcsda where (f_cslx='0' or "
                           "f_cslx='1' or f_cslx='2') and f_jb=1 and  f_csbm Like '%' order by f_csbm "}));
}

TEST_F(TLookupWindowTest, CodeSearch_LeafCode_IsTakenAtOnceWithoutAList)
{
    Form->Manufacturer.Code = QStringLiteral("old");

    Search(Form->edtkhbm, QStringLiteral("2101001"));

    EXPECT_FALSE(ListShown());
    EXPECT_FALSE(Form->Zorva->IsLookupOpen());
    EXPECT_EQ(Describe(Form->Manufacturer),
              Host().Select(QStringLiteral("select f_csbm,f_csmc,f_zjf,f_kzbz,f_lxr,f_dh,f_cz,f_sh from tbcsda"
                                           " where f_csbm='2101001'"))
                  .value(0));
    EXPECT_EQ(Form->Manufacturer.Name, QStringLiteral("北京华联商贸有限公司"));
    EXPECT_EQ(Clerk::Focused(), Form->edtkhmc);
}

TEST_F(TLookupWindowTest, CodeSearch_SingleNonLeaf_IsListedAndEnterBrowsesDownToALeaf)
{
    Search(Form->edtkhbm, QStringLiteral("21"));
    ASSERT_TRUE(ListShown());
    EXPECT_EQ(Rows(Form->List()), QStringList({"21|华北区客户"}));

    Clerk::Key(Form->List(), Qt::Key_Return);

    ASSERT_TRUE(ListShown());
    EXPECT_EQ(Rows(Form->List()), QStringList({"2101|北京客户", "2102|天津客户", "2103|石家庄客户", "2104|太原客户",
                                               "2105|呼和浩特客户", "2106|保定客户"}));
    EXPECT_EQ(Form->Manufacturer.Code, QString());
    EXPECT_EQ(Clerk::Focused(), Form->List());
    EXPECT_EQ(SelectedCode(), QStringLiteral("2101"));

    Clerk::Key(Form->List(), Qt::Key_Down);
    Clerk::Key(Form->List(), Qt::Key_Return);
    ASSERT_EQ(Form->List()->ItemCount(), 28);
    EXPECT_EQ(Form->List()->Item(0)->Caption(), QStringLiteral("2102001"));

    Clerk::Key(Form->List(), Qt::Key_Down);
    Clerk::Key(Form->List(), Qt::Key_Return);
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(Form->Manufacturer.Code, QStringLiteral("2102002"));
    EXPECT_EQ(Form->Manufacturer.Name, QStringLiteral("天津恒信商贸有限公司"));
    EXPECT_EQ(Form->Manufacturer.Mnemonic, QStringLiteral("TJHXSMYXGS"));
    EXPECT_EQ(Clerk::Focused(), Form->edtkhmc);

    // The lookup is over: the next one starts afresh from the clerk's text.
    Form->edtkhbm->clear();
    Search(Form->edtkhbm, QStringLiteral("3"));
    EXPECT_EQ(Form->List()->ItemCount(), 4);
}

TEST_F(TLookupWindowTest, NameSearch_DrillsIntoANonLeafAndDoubleClickTakesALeaf)
{
    Search(Form->edtkhbm, QStringLiteral("华北区"), 1);
    ASSERT_EQ(Rows(Form->List()), QStringList({"11|华北区供应商", "21|华北区客户", "31|华北区生产厂商"}));

    Clerk::Key(Form->List(), Qt::Key_Down);
    Clerk::Key(Form->List(), Qt::Key_Return);
    ASSERT_EQ(Form->List()->ItemCount(), 6);
    EXPECT_EQ(Form->List()->Item(0)->Caption(), QStringLiteral("2101"));
    Clerk::Key(Form->List(), Qt::Key_Return);
    ASSERT_EQ(Form->List()->ItemCount(), 28);

    TListView *list = Form->List();
    const QRect third = list->visualItemRect(list->Item(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, third.center());
    Clerk::DoubleClick(list->viewport(), third.center());

    EXPECT_FALSE(ListShown());
    EXPECT_EQ(Form->Manufacturer.Code, QStringLiteral("2101003"));
    EXPECT_EQ(Form->Manufacturer.Name, QStringLiteral("北京金鹰商贸有限公司"));
    EXPECT_EQ(Clerk::Focused(), Form->edtkhmc);
}

TEST_F(TLookupWindowTest, DrillDown_IntoAnEmptyLevel_KeepsTheListOpenAndEmptyUntilEsc)
{
    Host().Execute(QStringLiteral("INSERT INTO tbcsda (f_csbm,f_csmc,f_cslx,f_jb,f_mj) VALUES ('15','空区供应商','0',1,0)"));
    Search(Form->edtkhbm, QStringLiteral("15"));
    ASSERT_EQ(Rows(Form->List()), QStringList({"15|空区供应商"}));

    Clerk::Key(Form->List(), Qt::Key_Return);

    EXPECT_TRUE(ListShown());
    EXPECT_EQ(Form->List()->ItemCount(), 0);
    EXPECT_EQ(Form->Manufacturer.Code, QString());
    EXPECT_EQ(Clerk::Focused(), Form->List());

    Clerk::Key(Form->List(), Qt::Key_Escape);
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(Clerk::Focused(), Form->edtkhbm);
}

TEST_F(TLookupWindowTest, Esc_HidesTheListRestoresTheFocusAndKeepsTheRecord)
{
    Search(Form->edtkhbm, QStringLiteral("22"));
    ASSERT_TRUE(ListShown());
    Clerk::Key(Form->List(), Qt::Key_Return);
    ASSERT_EQ(Form->List()->ItemCount(), 6);

    Clerk::Key(Form->List(), Qt::Key_Escape);

    EXPECT_FALSE(ListShown());
    EXPECT_FALSE(Form->Zorva->IsLookupOpen());
    EXPECT_EQ(Clerk::Focused(), Form->edtkhbm);
    EXPECT_EQ(Describe(Form->Manufacturer), Describe(TManufacturerInfo{}));
    // Back at level 0: the same text lists the same level-1 record again.
    Clerk::Key(Form->edtkhbm, Qt::Key_Return);
    EXPECT_EQ(Rows(Form->List()), QStringList({"22|华东区客户"}));
}

TEST_F(TLookupWindowTest, LeavingTheList_EndsTheLookup)
{
    Search(Form->edtkhbm, QStringLiteral("2"));
    ASSERT_TRUE(ListShown());
    Clerk::Key(Form->List(), Qt::Key_Return);
    ASSERT_EQ(Form->List()->ItemCount(), 6);

    Clerk::Click(Form->edtzffs);

    EXPECT_FALSE(ListShown());
    EXPECT_EQ(Form->Manufacturer.Code, QString());
    Clerk::Click(Form->edtkhbm);
    Clerk::Key(Form->edtkhbm, Qt::Key_Return);
    EXPECT_EQ(Form->List()->ItemCount(), 4);
}

TEST_F(TLookupWindowTest, EnterWithNoRowSelected_GoesBackToTheSourceControl)
{
    Search(Form->edtkhbm, QStringLiteral("1"));
    TListView *list = Form->List();
    ASSERT_TRUE(ListShown());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, list->visualItemRect(list->Item(0)).center());
    ASSERT_EQ(list->Selected(), nullptr);

    Clerk::Key(list, Qt::Key_Return);

    EXPECT_FALSE(ListShown());
    EXPECT_EQ(Clerk::Focused(), Form->edtkhbm);
    EXPECT_EQ(Form->Manufacturer.Code, QString());
}

TEST_F(TLookupWindowTest, MnemonicSearch_ShowsTheMnemonicColumn)
{
    Search(Form->edtkhbm, QStringLiteral("BJHL"), 2);

    ASSERT_TRUE(ListShown());
    TListView *list = Form->List();
    EXPECT_EQ(Captions(list), QStringList({"厂商编码", "厂商名称", "助记符"}));
    const int a = WidthOfA(list);
    EXPECT_EQ(list->columnWidth(2), 10 * a);
    EXPECT_EQ(list->width(), 55 * a);
    const QStringList partners = Host().Select(QStringLiteral(
        "select f_csbm || '|' || f_csmc || '|' || f_zjf from tbcsda where f_zjf like '%BJHL%' order by f_csbm"));
    ASSERT_EQ(partners.size(), 6);
    EXPECT_EQ(Rows(list), partners);
}

TEST_F(TLookupWindowTest, CustomerNameSearch_ListsOnlyCustomersUnderCustomerCaptions)
{
    Search(Form->edtkhbm, QStringLiteral("北京"), 7);

    ASSERT_TRUE(ListShown());
    const QStringList customers = Host().Select(QStringLiteral(
        "select f_csbm || '|' || f_csmc from tbcsda where f_cslx='1' and f_csmc like '%北京%' order by f_csbm"));
    ASSERT_EQ(customers.size(), 29);
    EXPECT_EQ(Rows(Form->List()), customers);
    EXPECT_EQ(Captions(Form->List()), QStringList({"客户编码", "客户名称"}));
}

// The host's database type chooses the row cap; every form is cut at 1,000 rows in code order.
class TLookupRowCapTest : public TLookupWindowTest, public testing::WithParamInterface<const char *> {
protected:
    void SetUp() override { Start(QString::fromLatin1(GetParam())); }
};

TEST_P(TLookupRowCapTest, NameSearch_In1500Names_Lists1000InCodeOrder)
{
    AddPartners(1500);

    Search(Form->edtkhbm, QStringLiteral("测试伙伴"), 1);

    ASSERT_TRUE(ListShown());
    TListView *list = Form->List();
    ASSERT_EQ(list->ItemCount(), 1000);
    EXPECT_EQ(Rows(list).first(), QStringLiteral("90001|测试伙伴1500"));
    EXPECT_EQ(Rows(list).last(), QStringLiteral("91000|测试伙伴501"));
    for (int i = 1; i < list->ItemCount(); ++i)
        ASSERT_LT(list->Item(i - 1)->Caption(), list->Item(i)->Caption());
}

INSTANTIATE_TEST_SUITE_P(DbTypes, TLookupRowCapTest, testing::Values("SQLSERVER", "DB2", "ORACLE"));

TEST(LookupStatements, NameSearch_IsWrittenInTheDialectOfTheDatabaseType)
{
    const QString columns = QStringLiteral("f_csbm,f_csmc,f_zjf,f_mj,f_kzbz,f_lxr,f_dh,f_Cz,f_sh");
    const QString where = QStringLiteral(" from tbcsda where (f_cslx='1') and  f_zjf Like '%BJ%' order by f_csbm");
    struct TCase {
        const char *DbType;
        QString Statement;
    };
    const TCase cases[] = {
        {"SQLSERVER", "Select top 1000 " + columns + where + " "},
        {"DB2", "Select " + columns + where + " fetch first 1000 row only"},
        {"ORACLE", "Select * from (Select " + columns + where + " ) where rownum<=1000"},
    };
    TUiRecorder boxes;
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.DbType);
        TTestHost host({.DbType = QString::fromLatin1(c.DbType)});
        auto *recorder = new TRecordingHost(host.Host());
        TLookupTestForm form{TRudoDispPtr(recorder)};
        Clerk::ShowActive(&form);
        form.Mode = 8;
        Clerk::Click(form.edtkhbm);
        Clerk::Type(form.edtkhbm, QStringLiteral("BJ"));
        Clerk::Key(form.edtkhbm, Qt::Key_Return);
        EXPECT_EQ(recorder->Statements().value(1), c.Statement);
        EXPECT_EQ(Rows(form.List()),
                  host.Select(QStringLiteral("select f_csbm || '|' || f_csmc || '|' || f_zjf from tbcsda"
                                             " where f_cslx='1' and f_zjf like '%BJ%' order by f_csbm")));
    }
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(TLookupWindowTest, ModeAbove11_ShowsAnErrorAndNoList)
{
    Search(Form->edtkhbm, QStringLiteral("2"), 12);

    EXPECT_FALSE(ListShown());
    ASSERT_EQ(Boxes.Boxes().size(), 1);
    EXPECT_EQ(Boxes.Boxes().first().Icon(), unsigned(Win::MB_ICONERROR));
    EXPECT_EQ(Boxes.TakeBoxTexts(), QStringList({"错误: 没有可利用的厂商类型！"}));
    EXPECT_EQ(Recorder->Statements().size(), 1);
}

TEST_F(TLookupWindowTest, CodeSearch_LevelBelow1_ShowsAnErrorAndTheNextLookupStartsAfresh)
{
    Host().Execute(QStringLiteral("INSERT INTO tbcsda (f_csbm,f_csmc,f_cslx,f_jb,f_mj) VALUES ('7','错级','1',-1,0)"));

    Search(Form->edtkhbm, QStringLiteral("7"));

    EXPECT_FALSE(ListShown());
    EXPECT_EQ(Boxes.TakeBoxTexts(), QStringList({"错误: 按编码联想时，取最小级别是为0！"}));
    Form->edtkhbm->clear();
    Search(Form->edtkhbm, QStringLiteral("1"));
    EXPECT_EQ(Captions(Form->List()), QStringList({"厂商编码", "厂商名称"}));
    EXPECT_EQ(Form->List()->ItemCount(), 4);
}

TEST_F(TLookupWindowTest, MissingCurrentMonth_ShowsAnErrorAndNoList)
{
    Host().Execute(QStringLiteral("DELETE FROM tbSysMsg WHERE f_csmc='dqny'"));
    Form->Manufacturer.Code = QStringLiteral("2101001");
    Form->Manufacturer.Name = QStringLiteral("北京华联商贸有限公司");

    Search(Form->edtkhbm, QStringLiteral("2"));

    EXPECT_FALSE(ListShown());
    EXPECT_EQ(Form->Manufacturer.Code, QString());
    EXPECT_EQ(Form->Manufacturer.Name, QString());
    ASSERT_EQ(Boxes.Boxes().size(), 1);
    EXPECT_EQ(Boxes.Boxes().first().Text, QStringLiteral("没有可利用的系统当前年月！"));
    EXPECT_EQ(Boxes.Boxes().first().Icon(), unsigned(Win::MB_ICONERROR));
    EXPECT_EQ(Boxes.Boxes().first().Owner, Win::HandleOf(Form.get()));
}

TEST_F(TLookupWindowTest, ListOverflowingThePanel_IsShiftedBackToItsEdges)
{
    Form->edtkhbm->setGeometry(Form->pnlHead->width() - 60, Form->pnlHead->height() - 30, 50, 22);

    Search(Form->edtkhbm, QString());

    ASSERT_TRUE(ListShown());
    const QRect list = Form->List()->geometry();
    EXPECT_EQ(list.x() + list.width(), Form->pnlHead->width());
    EXPECT_EQ(list.y() + list.height(), Form->pnlHead->height());
    EXPECT_EQ(list.height(), 150);
}

TEST_F(TLookupWindowTest, SearchTextWithQuotes_IsSearchedForAsText)
{
    Host().Execute(QStringLiteral("INSERT INTO tbcsda (f_csbm,f_csmc,f_zjf,f_cslx,f_jb,f_mj,f_lxr)"
                                  " VALUES ('2109001','O''Neil贸易','ONMY','1',3,1,'O''Neil')"));

    Search(Form->edtkhbm, QStringLiteral("O'Neil"), 7);

    EXPECT_FALSE(ListShown());
    EXPECT_EQ(Form->Manufacturer.Code, QStringLiteral("2109001"));
    EXPECT_EQ(Form->Manufacturer.Contact, QStringLiteral("O'Neil"));
    EXPECT_TRUE(Boxes.Boxes().isEmpty());

    Form->edtkhbm->clear();
    Search(Form->edtkhbm, QStringLiteral("' or '1'='1"), 7);
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(Form->Manufacturer.Code, QString());
    EXPECT_TRUE(Boxes.Boxes().isEmpty());
    EXPECT_TRUE(Recorder->Statements().last().endsWith(
        QStringLiteral("f_csmc Like '%'' or ''1''=''1%' order by f_csbm ")));

    Form->edtkhbm->clear();
    Search(Form->edtkhbm, QStringLiteral("' or '1'='1"));
    EXPECT_FALSE(ListShown());
    EXPECT_TRUE(Boxes.Boxes().isEmpty());

    Search(Form->edtzffs, QStringLiteral("' or '1'='1"));
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(Form->PayMode.Code, QString());
    EXPECT_TRUE(Boxes.Boxes().isEmpty());
}

TEST_F(TLookupWindowTest, FailedLookupStatement_ShowsTheHostsMessageAndNoList)
{
    Form->Manufacturer.Code = QStringLiteral("2101001");
    Form->Manufacturer.Name = QStringLiteral("旧客户");
    Recorder->Refuse(QStringLiteral("f_csmc Like"));

    Search(Form->edtkhbm, QStringLiteral("北京"), 1);

    EXPECT_FALSE(ListShown());
    EXPECT_EQ(Form->Manufacturer.Code, QString());
    EXPECT_EQ(Form->Manufacturer.Name, QString());
    EXPECT_EQ(Boxes.TakeBoxTexts(), QStringList({"错误: 数据库拒绝了语句"}));

    Recorder->Refuse(QStringLiteral("from tbzffs"));
    Form->PayMode.Code = QStringLiteral("01");
    Search(Form->edtzffs, QStringLiteral("0"));
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(Form->PayMode.Code, QString());
    EXPECT_EQ(Boxes.TakeBoxTexts(), QStringList({"错误: 数据库拒绝了语句"}));
}

TEST_F(TLookupWindowTest, FailedReadBackOfTheChosenPartner_KeepsTheListOpen)
{
    Search(Form->edtkhbm, QStringLiteral("2101"));
    ASSERT_EQ(Form->List()->ItemCount(), 1);
    Clerk::Key(Form->List(), Qt::Key_Return);
    ASSERT_EQ(Form->List()->ItemCount(), 28);
    Recorder->Refuse(QStringLiteral("where f_csbm='"));

    Clerk::Key(Form->List(), Qt::Key_Return);

    EXPECT_TRUE(ListShown());
    EXPECT_EQ(Form->List()->ItemCount(), 28);
    EXPECT_EQ(Form->Manufacturer.Code, QString());
    EXPECT_EQ(Boxes.TakeBoxTexts(), QStringList({"错误: 数据库拒绝了语句"}));
}

TEST_F(TLookupWindowTest, PayMode_OneMatch_FillsTheRecordWithoutAList)
{
    Search(Form->edtzffs, QStringLiteral("03"));

    EXPECT_EQ(Form->List()->isVisible(), false);
    EXPECT_EQ(Form->PayMode.Code, QStringLiteral("03"));
    EXPECT_EQ(Form->PayMode.Name, QStringLiteral("银行卡"));
    EXPECT_EQ(Clerk::Focused(), Form->edtkhbm);
    EXPECT_EQ(Recorder->Statements(),
              QStringList({"Select f_zffsbm,f_zffsmc from tbzffs where f_zffsbm Like '03%' order by f_zffsbm "}));
}

TEST_F(TLookupWindowTest, PayMode_SeveralMatches_EnterTakesTheRowWithoutAQuery)
{
    Search(Form->edtzffs, QStringLiteral("0"));

    ASSERT_TRUE(ListShown());
    TListView *list = Form->List();
    EXPECT_EQ(Rows(list), QStringList({"01|现金", "02|转账支票", "03|银行卡", "04|电汇", "05|储值卡", "06|商业汇票"}));
    EXPECT_EQ(Captions(list), QStringList({"支付方式编码", "支付方式名称"}));
    const int a = WidthOfA(list);
    EXPECT_EQ(list->columnWidth(0), 14 * a);
    EXPECT_EQ(list->columnWidth(1), 20 * a);
    EXPECT_EQ(list->width(), 38 * a);
    const qsizetype statements = Recorder->Statements().size();

    Clerk::Key(list, Qt::Key_Down);
    Clerk::Key(list, Qt::Key_Return);

    EXPECT_FALSE(ListShown());
    EXPECT_EQ(Form->PayMode.Code, QStringLiteral("02"));
    EXPECT_EQ(Form->PayMode.Name, QStringLiteral("转账支票"));
    EXPECT_EQ(Clerk::Focused(), Form->edtkhbm);
    EXPECT_EQ(Recorder->Statements().size(), statements);
}

TEST_F(TLookupWindowTest, PayInOut_ByName_MatchesThePrefix)
{
    Search(Form->edtkhmc, QStringLiteral("预收"), 1);

    ASSERT_TRUE(ListShown());
    EXPECT_EQ(Rows(Form->List()), QStringList({"0001|预收货款", "0004|预收服务费"}));
    EXPECT_EQ(Captions(Form->List()), QStringList({"收付项目编码", "收付项目名称"}));
    EXPECT_EQ(Recorder->Statements().last(),
              QStringLiteral("Select f_sfxmbm,f_sfxmmc from tbsfxmda where f_sfxmmc Like '预收%' order by f_sfxmbm "));

    Clerk::Key(Form->List(), Qt::Key_End);
    Clerk::Key(Form->List(), Qt::Key_Return);

    EXPECT_EQ(Form->PayInOut.Code, QStringLiteral("0004"));
    EXPECT_EQ(Form->PayInOut.Name, QStringLiteral("预收服务费"));
    EXPECT_EQ(Clerk::Focused(), Form->edtzffs);
}

TEST_F(TLookupWindowTest, WaitWhileLookupOpen_ReturnsOnceTheClerkHasChosen)
{
    Search(Form->edtzffs, QStringLiteral("0"));
    ASSERT_TRUE(Form->Zorva->IsLookupOpen());
    // The clerk's next keys are already on their way when the grid starts to wait.
    QApplication::postEvent(Form->List(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier));
    QApplication::postEvent(Form->List(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier));
    QApplication::postEvent(Form->List(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));

    Form->Zorva->WaitWhileLookupOpen();

    EXPECT_FALSE(Form->Zorva->IsLookupOpen());
    EXPECT_EQ(Form->PayMode.Code, QStringLiteral("03"));
}

} // namespace
