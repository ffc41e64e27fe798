#include "EntryFormFixture.h"

#include "mis/store/TemplateStore.h"
#include "module/entry/HostContext.h"
#include "module/browse/TBillPrintPath.h"
#include "module/entry/ZorvaExports.h"
#include "module/query/TRopInst.h"
#include "platform/win/MessageBox.h"
#include "platform/win/ZorvaHostContract.h"
#include "platform/widgets/TAdvColumnGrid.h"
#include "platform/widgets/TFlatComboBox.h"
#include "platform/widgets/TFlatEdit.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TListView.h"
#include "platform/widgets/TPanel.h"
#include "platform/widgets/TToolButton.h"

#include <QApplication>
#include <QDialog>

namespace {

using TFrmPregatheringInputTest = EntryFormFixture;

QString Texts(const QObject *form, const QStringList &names)
{
    QStringList texts;
    for (const QString &name : names)
        texts << Named<TFlatEdit>(form, name)->text();
    return texts.join(u'|');
}

} // namespace

TEST_F(TFrmPregatheringInputTest, OpensOnANewBillOfTheDepartmentAndTheDay)
{
    ASSERT_NE(Open(), nullptr);

    EXPECT_EQ(Form()->windowTitle(), QStringLiteral("收款单录入"));
    EXPECT_EQ(Texts(Form(), {QStringLiteral("edtbmbm"), QStringLiteral("edtbmmc"), QStringLiteral("edtskrq")}),
              QStringLiteral("01|百货一部|2005-03-15"));
    EXPECT_EQ(Named<TLabel>(Form(), QStringLiteral("edtzdrmc_"))->text(), QStringLiteral("张伟"));
    const QStringList next = m_host.Select(QStringLiteral("SELECT printf('%010d', MAX(CAST(f_djh AS INTEGER)) + 1) "
                                                          "FROM tb200503_Yskmxzb"));
    EXPECT_EQ(BillNumberShown(), next.value(0));
    EXPECT_EQ(RowText(Items(), 1), QStringLiteral("0001|预收货款|||"));
    EXPECT_EQ(Items()->RowCount(), 35);
    EXPECT_EQ(Payments()->RowCount(), 35);
    EXPECT_EQ(Items()->FooterText(2), QStringLiteral("0.00"));
    EXPECT_EQ(Payments()->FooterText(1), QStringLiteral("0.00"));
    EXPECT_EQ(Named<TFlatComboBox>(Form(), QStringLiteral("ChkTemplate"))->Items(), QStringList{QStringLiteral("预收款单")});
    EXPECT_EQ(Clerk::Focused(), Edit(QStringLiteral("edtkhbm")));
    for (const char *readOnly : {"edtbmbm", "edtbmmc", "edtskrq", "edtdjh", "edtdkye"})
        EXPECT_TRUE(Edit(QString::fromLatin1(readOnly))->isReadOnly()) << readOnly;
    for (const char *hidden : {"TBpreview", "TBprint"})
        EXPECT_FALSE(Named<TToolButton>(Form(), QString::fromLatin1(hidden))->isVisible()) << hidden;
    EXPECT_TRUE(m_ui.Boxes().isEmpty()) << m_ui.BoxTexts().join(u'\n').toStdString();
}

TEST_F(TFrmPregatheringInputTest, TheTitleStaysCentredOverPanelMain)
{
    ASSERT_NE(Open(), nullptr);
    auto *title = Named<TLabel>(Form(), QStringLiteral("lblBillTitle"));
    EXPECT_EQ(title->x(), (Form()->PanelMain->width() - title->width()) / 2);

    Win::SendMessage(Win::HandleOf(Form()), ZM_RESIZE, 500, 900);
    EXPECT_EQ(title->x(), (900 - title->width()) / 2);
}

TEST_F(TFrmPregatheringInputTest, AFormThatCannotStartClosesWhenShownAndKeepsTheSettings)
{
    struct Case {
        const char *Name;
        const char *Sql;
        const char *Box;
    } cases[] = {
        {"no item 0001", "DELETE FROM tbsfxmda WHERE f_sfxmbm='0001'",
         "错误: 在收付项目档案中没有编码为0001的收付项目，请设置!"},
        {"no department parameter", "DELETE FROM tbSysMsg WHERE f_csmc='dybm'",
         "错误: 没有可利用的连锁编码及前台销售柜组编码！"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Name);
        TTestHost host;
        host.Execute(QString::fromUtf8(c.Sql));
        SetIni(QStringLiteral("prepgathering"), QStringLiteral("PrintTemplate"), QStringLiteral("0"));
        m_hostMessages.clear();
        const QByteArray op("\x04" "0001");
        GetZorvaFormInput(Win::HandleOf(&m_window), &m_hostControl, reinterpret_cast<const unsigned char *>(op.data()),
                          m_panel, host.Disp());
        FreeClosedForms();

        EXPECT_EQ(m_ui.TakeBoxTexts(), QStringList{QString::fromUtf8(c.Box)});
        EXPECT_TRUE(m_panel->findChildren<TFrmPregatheringInput *>().isEmpty());
        EXPECT_EQ(m_hostMessages, QStringList{QStringLiteral("404")});
        EXPECT_EQ(Ini(QStringLiteral("prepgathering"), QStringLiteral("PrintTemplate")), QStringLiteral("0"));
        ReleaseHostContext();
    }
}

TEST_F(TFrmPregatheringInputTest, TheCustomerCodeTakesDigitsAndBackspaceOnly)
{
    ASSERT_NE(Open(), nullptr);
    TypeInto(Edit(QStringLiteral("edtkhbm")), QStringLiteral("2a1-0x1 .9"));
    EXPECT_EQ(Edit(QStringLiteral("edtkhbm"))->text(), QStringLiteral("21019"));
    Press(Qt::Key_Backspace);
    EXPECT_EQ(Edit(QStringLiteral("edtkhbm"))->text(), QStringLiteral("2101"));
}

TEST_F(TFrmPregatheringInputTest, ACustomerCodeOfOneCustomerIsTakenWithItsBalance)
{
    ASSERT_NE(Open(), nullptr);
    QVariant balance;
    QVariant params = QStringLiteral("200503\t01\t2101001");
    ASSERT_TRUE(THostDataService(m_host.Host()).BillQuery(9, balance, params));

    ChooseCustomer(QStringLiteral("2101001"));

    EXPECT_EQ(Texts(Form(), {QStringLiteral("edtkhbm"), QStringLiteral("edtkhmc"), QStringLiteral("edtkhzjf"),
                             QStringLiteral("edtdkye")}),
              QStringLiteral("2101001|北京华联商贸有限公司|BJHLSMYXGS|") + QString::number(balance.toDouble(), 'f', 2));
    EXPECT_NE(balance.toDouble(), 0.0) << "the demo customer has paid in advance before";
    EXPECT_EQ(Clerk::Focused(), Edit(QStringLiteral("edtbz_")));
}

TEST_F(TFrmPregatheringInputTest, TheBalanceIsNoAmountOfTheFirstItemOnThePrintout)
{
    ASSERT_NE(Open(), nullptr);
    ChooseCustomer(QStringLiteral("2101001"));
    ASSERT_NE(Edit(QStringLiteral("edtdkye"))->text(), QStringLiteral("0.00"));
    m_ui.OnModal([](QDialog &preview) { Clerk::Click(Named(&preview, QStringLiteral("btnExit"))); });

    Press(Qt::Key_V, Qt::ControlModifier);

    TDataSet &printed = Form()->PrintPath()->cdsPrint();
    ASSERT_EQ(printed.RecordCount(), 1);
    printed.First();
    EXPECT_EQ(printed.FieldByName(QStringLiteral("f_Sfxmbm")).AsString(), QStringLiteral("0001"));
    EXPECT_EQ(printed.FieldByName(QStringLiteral("f_Sfje")).AsFloat(), 0.0);
}

TEST_F(TFrmPregatheringInputTest, TheCustomerListOpensUnderTheCustomerRowAndBrowsesDown)
{
    ASSERT_NE(Open(), nullptr);
    ChooseCustomer(QStringLiteral("2101"));
    auto *list = Named<TListView>(Form(), QStringLiteral("lvLookup"));
    ASSERT_TRUE(list->isVisible());
    const TFlatEdit *code = Edit(QStringLiteral("edtkhbm"));
    const TFlatEdit *name = Edit(QStringLiteral("edtkhmc"));
    EXPECT_EQ(list->pos(), QPoint(code->mapTo(Form()->PanelMain, QPoint(0, 0)).x(),
                                  name->mapTo(Form()->PanelMain, QPoint(0, 0)).y() + name->height()));

    Press(Qt::Key_Return); // the city 2101 is no leaf: its customers are listed
    ASSERT_TRUE(list->isVisible());
    Press(Qt::Key_Down);
    Press(Qt::Key_Return);

    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(Edit(QStringLiteral("edtkhbm"))->text(), QStringLiteral("2101002"));
    EXPECT_EQ(Clerk::Focused(), Edit(QStringLiteral("edtbz_")));
}

TEST_F(TFrmPregatheringInputTest, WithLinesOnTheBillTheCustomerStays)
{
    ASSERT_NE(Open(), nullptr);
    ChooseCustomer(QStringLiteral("2101001"));
    IntoItemGrid();
    EnterItem(2, QStringLiteral("0002"), QStringLiteral("50"));
    for (const char *field : {"edtkhbm", "edtkhmc", "edtkhzjf"}) {
        Edit(QString::fromLatin1(field))->setFocus();
        Press(Qt::Key_Return);
        ASSERT_EQ(m_ui.Boxes().size(), 1) << field;
        EXPECT_EQ(m_ui.Boxes().front().Icon(), unsigned(Win::MB_ICONWARNING));
        EXPECT_EQ(m_ui.TakeBoxTexts(), QStringList{QStringLiteral("警告: 已经有数据不能修改客户!")}) << field;
    }
    EXPECT_EQ(Edit(QStringLiteral("edtkhbm"))->text(), QStringLiteral("2101001"));
}

TEST_F(TFrmPregatheringInputTest, ANameTypedWithoutAChoiceIsReplacedWhenTheFocusPasses)
{
    ASSERT_NE(Open(), nullptr);
    ChooseCustomer(QStringLiteral("2101001"));
    TypeInto(Edit(QStringLiteral("edtkhmc")), QStringLiteral("abc"));
    ASSERT_EQ(Edit(QStringLiteral("edtkhmc"))->text(), QStringLiteral("北京华联商贸有限公司abc"));

    Press(Qt::Key_Down); // into edtkhzjf
    EXPECT_EQ(Edit(QStringLiteral("edtkhmc"))->text(), QStringLiteral("北京华联商贸有限公司"));

    Open();
    TypeInto(Edit(QStringLiteral("edtkhmc")), QStringLiteral("xyz"));
    Edit(QStringLiteral("edtbz_"))->setFocus();
    EXPECT_EQ(Edit(QStringLiteral("edtkhmc"))->text(), QString()) << "no customer was chosen";
}

TEST_F(TFrmPregatheringInputTest, EnterAndTheArrowsWalkTheHeader)
{
    ASSERT_NE(Open(), nullptr);
    const QStringList chain{QStringLiteral("edtbmbm"), QStringLiteral("edtbmmc"), QStringLiteral("edtskrq"),
                            QStringLiteral("edtdjh"),  QStringLiteral("edtkhbm"), QStringLiteral("edtkhmc"),
                            QStringLiteral("edtkhzjf"), QStringLiteral("edtdkye"), QStringLiteral("edtbz_")};
    Edit(chain.front())->setFocus();
    for (qsizetype i = 1; i < chain.size(); ++i) {
        Press(Qt::Key_Down);
        EXPECT_EQ(Clerk::Focused(), Edit(chain.at(i)));
    }
    Press(Qt::Key_Down);
    EXPECT_TRUE(Items()->Focused());
    Edit(QStringLiteral("edtbmmc"))->setFocus();
    Press(Qt::Key_Up);
    EXPECT_EQ(Clerk::Focused(), Edit(QStringLiteral("edtbmbm")));
    Press(Qt::Key_Up);
    EXPECT_EQ(Clerk::Focused(), Edit(QStringLiteral("edtbmbm")));

    for (const char *field : {"edtbmbm", "edtbmmc", "edtskrq", "edtdjh", "edtdkye"}) {
        Edit(QString::fromLatin1(field))->setFocus();
        Press(Qt::Key_Return);
        EXPECT_EQ(Clerk::Focused(), Edit(QStringLiteral("edtkhbm"))) << field;
    }
    TypeInto(Edit(QStringLiteral("edtbz_")), QStringLiteral("预付"));
    Press(Qt::Key_Return);
    EXPECT_EQ(Edit(QStringLiteral("edtbz_"))->text(), QStringLiteral("预付")) << "Enter types nothing";
    EXPECT_TRUE(Items()->Focused());
    EXPECT_EQ(Items()->Row(), 2);
    EXPECT_EQ(Items()->Col(), 0);
    EXPECT_TRUE(Items()->EditorMode());
}

TEST_F(TFrmPregatheringInputTest, TheRememberedTemplateIsChosenWhenShown)
{
    const QByteArray stream = QByteArrayLiteral("HalvernReport 1\n");
    ASSERT_TRUE(ImportTemplate(m_host.Database(), QStringLiteral("预收款单"), QStringLiteral("预收款单二"), stream));
    struct Case {
        const char *Stored;
        int Selected;
    } cases[] = {{nullptr, 0}, {"-3", 0}, {"abc", 0}, {"1", 1}, {"7", -1}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.Stored ? c.Stored : "missing");
        if (c.Stored)
            SetIni(QStringLiteral("prepgathering"), QStringLiteral("PrintTemplate"), QString::fromLatin1(c.Stored));
        ASSERT_NE(Open(), nullptr);
        EXPECT_EQ(Named<TFlatComboBox>(Form(), QStringLiteral("ChkTemplate"))->currentIndex(), c.Selected);
        Form()->close();
        EXPECT_EQ(Ini(QStringLiteral("prepgathering"), QStringLiteral("PrintTemplate")), QString::number(c.Selected));
        FreeClosedForms();
    }
}

TEST_F(TFrmPregatheringInputTest, TheSplitterSharesTheInputAreaUnlessRemembered)
{
    ASSERT_NE(Open(), nullptr);
    const auto *input = Named<TPanel>(Form(), QStringLiteral("PanelInput"));
    const auto *left = Named<TPanel>(Form(), QStringLiteral("PanelLeft"));
    EXPECT_EQ(left->width(), input->contentsRect().width() / 2);
    Form()->close();
    EXPECT_EQ(Ini(QStringLiteral("prepgathering"), QStringLiteral("SplitterSize")), QString::number(left->width()));
    FreeClosedForms();

    SetIni(QStringLiteral("prepgathering"), QStringLiteral("SplitterSize"), QStringLiteral("380"));
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(Named<TPanel>(Form(), QStringLiteral("PanelLeft"))->width(), 380);
}

TEST_F(TFrmPregatheringInputTest, ColumnLayoutsAreReadAndWrittenUnderTheHeaderTexts)
{
    SetIni(QStringLiteral("FrmPregatheringInput"), QStringLiteral("备注"), QStringLiteral("0,120"));
    SetIni(QStringLiteral("FrmPregatheringInput"), QStringLiteral("订单号"), QStringLiteral("1,abc"));
    SetIni(QStringLiteral("FrmPregatheringInput"), QStringLiteral("含税金额"), QStringLiteral("1,150"));
    SetIni(QStringLiteral("FrmPregatheringInput"), QStringLiteral("支票号码"), QStringLiteral("0"));
    ASSERT_NE(Open(), nullptr);

    EXPECT_FALSE(Items()->IsColumnVisible(4));
    EXPECT_EQ(Items()->ColWidths(4), 120);
    EXPECT_TRUE(Items()->IsColumnVisible(3));
    EXPECT_EQ(Items()->ColWidths(3), 109);
    EXPECT_EQ(Items()->ColWidths(2), 150);
    EXPECT_FALSE(Payments()->IsColumnVisible(2));
    EXPECT_EQ(Payments()->ColWidths(1), 131);

    Form()->close();
    EXPECT_EQ(Ini(QStringLiteral("FrmPregatheringInput"), QStringLiteral("备注")), QStringLiteral("0,120"));
    EXPECT_EQ(Ini(QStringLiteral("FrmPregatheringInput"), QStringLiteral("订单号")), QStringLiteral("1,109"));
    EXPECT_EQ(Ini(QStringLiteral("FrmPregatheringInput"), QStringLiteral("收款项目编码")), QStringLiteral("1,93"));
    EXPECT_EQ(Ini(QStringLiteral("FrmPregatheringInput"), QStringLiteral("操作时间")), QStringLiteral("1,100"));
}

TEST_F(TFrmPregatheringInputTest, ShortcutKeysClickTheirButtonsUnlessTheLookupListIsOpen)
{
    ASSERT_NE(Open(), nullptr);
    ChooseCustomer(QStringLiteral("2101001"));
    IntoItemGrid();
    EnterItem(2, QStringLiteral("0002"), QStringLiteral("50"));
    ClickCell(Items(), 0, 2);
    Press(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(RowText(Items(), 2), QStringLiteral("||||"));
    EXPECT_EQ(RowText(Items(), 3), QStringLiteral("0002|订金|50.00||"));
    Press(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(RowText(Items(), 2), QStringLiteral("0002|订金|50.00||"));

    // An open lookup list takes Esc for itself; the form stays.
    Open();
    ChooseCustomer(QStringLiteral("21"));
    ASSERT_TRUE(Named<TListView>(Form(), QStringLiteral("lvLookup"))->isVisible());
    Press(Qt::Key_S, Qt::ControlModifier);
    Press(Qt::Key_Escape);
    EXPECT_TRUE(m_ui.Boxes().isEmpty()) << "Ctrl+S did not save while the list was open";
    EXPECT_FALSE(Named<TListView>(Form(), QStringLiteral("lvLookup"))->isVisible());
    EXPECT_TRUE(Form()->isVisible());
    EXPECT_TRUE(m_hostMessages.isEmpty());

    Press(Qt::Key_Escape);
    EXPECT_TRUE(!Form() || !Form()->isVisible());
    EXPECT_EQ(m_hostMessages, QStringList{QStringLiteral("404")});
}

TEST_F(TFrmPregatheringInputTest, ComingBackFromAnotherModuleFormStartsANewBillButNotFromItsOwnWindows)
{
    ASSERT_NE(Open(), nullptr);
    QPointer<TFrmPregatheringInput> first = Form();
    ChooseCustomer(QStringLiteral("2101001"));

    // The order picker is a window of the form's own: closing it is no activation.
    m_ui.OnModal([](QDialog &picker) { Clerk::Click(Named(&picker, QStringLiteral("btnCancel"))); });
    Clerk::Click(Named(first.data(), QStringLiteral("btnGd")));
    EXPECT_EQ(m_ui.ModalTitles(), QStringList{QStringLiteral("销售订单")});
    Clerk::ShowActive(&m_window); // the window manager's part once the picker has gone
    Edit(QStringLiteral("edtkhbm"))->setFocus();
    EXPECT_EQ(Edit(QStringLiteral("edtkhbm"))->text(), QStringLiteral("2101001"));

    auto *secondPanel = new QWidget(&m_window);
    secondPanel->setGeometry(0, 0, 1100, 640);
    secondPanel->show();
    ASSERT_NE(Open(QStringLiteral("0001"), secondPanel), nullptr);
    EXPECT_TRUE(Clerk::Focused() && Form()->isAncestorOf(Clerk::Focused()));
    Named<TFlatEdit>(first.data(), QStringLiteral("edtkhmc"))->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(Named<TFlatEdit>(first.data(), QStringLiteral("edtkhbm"))->text(), QString()) << "a new bill";
    EXPECT_EQ(QApplication::focusWidget(), Named<TFlatEdit>(first.data(), QStringLiteral("edtkhbm")));
    delete secondPanel;
}

TEST_F(TFrmPregatheringInputTest, ANewBillAfterFortyLinesHasThirtyFiveRowsAndItemOneOnly)
{
    AddReceivableItems(39);
    ASSERT_NE(Open(), nullptr);
    ChooseCustomer(QStringLiteral("2101001"));
    IntoItemGrid();
    for (int i = 1; i <= 39; ++i)
        EnterItem(i + 1, QString::number(1000 + i), QStringLiteral("10"));
    ASSERT_EQ(Items()->Cells(0, 40), QStringLiteral("1039"));
    ASSERT_GT(Items()->RowCount(), 40);

    Clerk::Click(Named(Form(), QStringLiteral("TBnew")));

    EXPECT_EQ(Items()->RowCount(), 35);
    EXPECT_EQ(RowText(Items(), 1), QStringLiteral("0001|预收货款|||"));
    for (int row = 2; row < 34; ++row)
        EXPECT_EQ(RowText(Items(), row), QStringLiteral("||||")) << row;
    EXPECT_EQ(Items()->FooterText(2), QStringLiteral("0.00"));
    EXPECT_EQ(Edit(QStringLiteral("edtkhbm"))->text(), QString());
    EXPECT_EQ(Items()->Row(), 1);
}

TEST_F(TFrmPregatheringInputTest, TheHelpButtonShowsTheShortcutsAndTemplateFields)
{
    ASSERT_NE(Open(), nullptr);
    QStringList lines;
    m_ui.OnModal([&lines](QDialog &note) {
        lines = qobject_cast<TRopInst *>(&note)->Lines();
        Clerk::Key(&note, Qt::Key_Escape);
    });
    Clerk::Click(Named(Form(), QStringLiteral("ToolButton3")));
    EXPECT_EQ(lines.value(0), QStringLiteral("可输出项(报表名称为: 预收款单 )"));
    EXPECT_TRUE(lines.contains(QStringLiteral(" 单据号       : [billdjh]")));
    EXPECT_EQ(lines.mid(lines.indexOf(QStringLiteral("快捷键："))),
              QStringList({QStringLiteral("快捷键："), QStringLiteral("    删  行: Ctrl+D"),
                           QStringLiteral("    插  行: Ctrl+I"), QStringLiteral("    保  存: Ctrl+S"),
                           QStringLiteral("    预  览: Ctrl+V"), QStringLiteral("    打  印: Ctrl+P"),
                           QStringLiteral("    退  出: ESC")}));
}
