#include "module/common/UiShot.h"

#include "module/query/TRopInst.h"
#include "module/services/TFrmSelectBm.h"
#include "platform/widgets/TFlatButton.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TListItem.h"
#include "platform/widgets/TListView.h"
#include "support/Clerk.h"
#include "support/TUiRecorder.h"
#include "support/TestPrinters.h"

#include <QDialog>

#include <gtest/gtest.h>

namespace {

// The picker as the bill browser opens it, with five departments, shown and driven by keys.
class DepartmentPicker : public testing::Test {
protected:
    void SetUp() override
    {
        const QList<QPair<QString, QString>> departments = {
            {"0101", "总部"}, {"0102", "东门店"}, {"0201", "西门店"}, {"0301", "南门店"}, {"0401", "北门西店"}};
        for (const auto &[code, name] : departments)
            Picker.AddDepartment(code, name);
        Show();
    }
    void Show()
    {
        Clerk::ShowActive(&Picker);
        List = Named<TListView>(&Picker, "LvBm");
    }
    // F3 answered with text, or cancelled when text is null.
    void SearchFor(const QString &text, bool expectNotFound = false)
    {
        Recorder.OnModal([text](QDialog &d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("输入"));
            if (text.isNull()) {
                Clerk::Key(nullptr, Qt::Key_Escape);
                return;
            }
            Clerk::Type(nullptr, text);
            Clerk::Key(nullptr, Qt::Key_Return);
        });
        if (expectNotFound)
            ExpectNotFound();
        Clerk::Key(nullptr, Qt::Key_F3);
        ReturnToPicker();
    }
    // As the window system does when a dialog on top closes.
    void ReturnToPicker()
    {
        Picker.activateWindow();
        Clerk::Focused();
    }
    // The warning that no department matches, answered with Enter.
    void ExpectNotFound()
    {
        Recorder.OnModal([](QDialog &d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("警告"));
            EXPECT_EQ(Named<TLabel>(&d, "Message")->text(), QStringLiteral("找不到该部门！"));
            EXPECT_NE(d.findChild<QWidget *>(QStringLiteral("OK")), nullptr);
            Clerk::Key(nullptr, Qt::Key_Return);
        });
    }
    void FindNextExpectingNone()
    {
        ExpectNotFound();
        Clerk::Key(nullptr, Qt::Key_F3, Qt::ControlModifier);
        ReturnToPicker();
    }
    int Row() const { return List->ItemIndex(); }

    TUiRecorder Recorder;
    TFrmSelectBm Picker;
    TListView *List = nullptr;
};

TEST_F(DepartmentPicker, OpensOnTheFirstRowWithCodesAndNames)
{
    EXPECT_EQ(Picker.windowTitle(), QStringLiteral("选择部门"));
    EXPECT_EQ(Clerk::Focused(), List);
    EXPECT_EQ(Row(), 0);
    EXPECT_EQ(List->ColumnCaption(0), QStringLiteral("部门编码"));
    EXPECT_EQ(List->columnWidth(1), 130);
    EXPECT_EQ(List->Item(2)->SubItem(0), QStringLiteral("西门店"));
    SaveShot(Picker, QStringLiteral("select-bm"));
}

TEST_F(DepartmentPicker, FindWalksMatchesInNamesAndThenReportsTheEnd)
{
    SearchFor(QStringLiteral("  西门 "));
    EXPECT_EQ(Row(), 2) << "only the third row's name holds the text";
    EXPECT_TRUE(Picker.isVisible());
    FindNextExpectingNone();
    EXPECT_EQ(Row(), 2);

    SearchFor(QStringLiteral("门店"));
    EXPECT_EQ(Row(), 1);
    Clerk::Key(nullptr, Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(Row(), 2);
    Clerk::Key(nullptr, Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(Row(), 3);
    FindNextExpectingNone();
    EXPECT_EQ(Row(), 3);
}

TEST_F(DepartmentPicker, CodesMatchAnywhereAndANewSearchStartsFromTheTop)
{
    List->SetItemIndex(3);
    SearchFor(QStringLiteral("01"));
    EXPECT_EQ(Row(), 0) << "F3 starts at the first row, whatever is selected";
    Clerk::Key(nullptr, Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(Row(), 1);
    Clerk::Key(nullptr, Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(Row(), 2) << "0201 holds 01 at its end";
    Clerk::Key(nullptr, Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(Row(), 3);
}

TEST_F(DepartmentPicker, NothingHappensWithoutASearchText)
{
    List->SetItemIndex(1);
    Clerk::Key(nullptr, Qt::Key_F3, Qt::ControlModifier);
    SearchFor(QString());
    Clerk::Key(nullptr, Qt::Key_F3, Qt::ControlModifier);
    EXPECT_EQ(Row(), 1);
    EXPECT_TRUE(Recorder.Boxes().isEmpty());
    EXPECT_EQ(Recorder.ModalTitles(), QStringList({QStringLiteral("输入")}));
}

TEST_F(DepartmentPicker, SearchIsCaseSensitive)
{
    Picker.AddDepartment(QStringLiteral("A01"), QStringLiteral("Annex"));
    SearchFor(QStringLiteral("annex"), true);
    EXPECT_EQ(Row(), 0);
}

TEST_F(DepartmentPicker, EnterOkOrDoubleClickChooseTheSelectedRow)
{
    struct TCase {
        const char *Action;
        std::function<void(TFrmSelectBm &, TListView *)> Choose;
    };
    const TCase cases[] = {
        {"Enter", [](TFrmSelectBm &, TListView *) { Clerk::Key(nullptr, Qt::Key_Return); }},
        {"OK", [](TFrmSelectBm &picker, TListView *) { Clerk::Click(Named<TFlatButton>(&picker, "btnOk")); }},
        {"double-click",
         [](TFrmSelectBm &, TListView *list) {
             Clerk::DoubleClick(list->viewport(), list->visualItemRect(list->Item(1)).center());
         }},
    };
    for (const TCase &c : cases) {
        Show();
        List->SetItemIndex(1);
        c.Choose(Picker, List);
        EXPECT_FALSE(Picker.isVisible()) << c.Action;
        EXPECT_EQ(Picker.result(), TDialogForm::mrOk) << c.Action;
        EXPECT_EQ(Picker.SelectedCode(), QStringLiteral("0102")) << c.Action;
    }
}

TEST_F(DepartmentPicker, EscAndTheCloseBoxCancel)
{
    Clerk::Key(nullptr, Qt::Key_Escape);
    EXPECT_FALSE(Picker.isVisible());
    EXPECT_EQ(Picker.result(), TDialogForm::mrCancel);
    Show();
    Picker.close();
    EXPECT_EQ(Picker.result(), TDialogForm::mrCancel);
}

TEST(DepartmentPickerEmpty, SelectsNothingOkDoesNothingEscCancels)
{
    TFrmSelectBm picker;
    Clerk::ShowActive(&picker);
    EXPECT_EQ(picker.SelectedCode(), QString());
    Clerk::Click(Named<TFlatButton>(&picker, "btnOk"));
    EXPECT_TRUE(picker.isVisible());
    Clerk::Key(nullptr, Qt::Key_Escape);
    EXPECT_EQ(picker.result(), TDialogForm::mrCancel);
}

TEST_F(DepartmentPicker, HelpShowsTheShortcutKeys)
{
    Recorder.OnModal([](QDialog &d) {
        auto *note = dynamic_cast<TRopInst *>(&d);
        ASSERT_NE(note, nullptr);
        EXPECT_EQ(note->Lines(), QStringList({QStringLiteral("快捷键："), QStringLiteral("    查  找: F3"),
                                              QStringLiteral("    继续查找:Ctrl+F3"), QStringLiteral("    退  出: ESC")}));
        Clerk::Key(&d, Qt::Key_Space);
    });
    Clerk::Click(Named<TFlatButton>(&Picker, "btnhelp"));
    EXPECT_TRUE(Picker.isVisible());
}

} // namespace
