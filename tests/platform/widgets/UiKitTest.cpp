#include "platform/widgets/ControlColor.h"
#include "platform/widgets/TAnimate.h"
#include "platform/widgets/TColor.h"
#include "platform/widgets/TFlatButton.h"
#include "platform/widgets/TFlatComboBox.h"
#include "platform/widgets/TForm.h"
#include "platform/widgets/TKeyHooks.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TListItem.h"
#include "platform/widgets/TListView.h"
#include "platform/widgets/TPanel.h"
#include "platform/widgets/TToolBar.h"
#include "platform/widgets/TToolButton.h"
#include "support/Clerk.h"
#include "support/TestPrinters.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QTemporaryFile>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

TEST(TColor, PlainAndSystemColoursPaintAsThePlatformShowsThem)
{
    struct TCase {
        TColor Color;
        QRgb Rgb;
    };
    const TCase cases[] = {
        {clGreen, 0x008000}, {0x0000FF, 0xFF0000}, {14614267, 0xFBFEDE}, {clBtnFace, 0xF0F0F0}, {clInfoBk, 0xFFFFE1},
    };
    for (const TCase &c : cases) {
        EXPECT_EQ(ColorToQColor(c.Color).rgb() & 0xFFFFFF, c.Rgb) << std::hex << c.Color;
        if (!(c.Color & clSystemColor)) {
            EXPECT_EQ(QColorToColor(ColorToQColor(c.Color)), c.Color);
        }
    }
    EXPECT_EQ(ColorFromInteger(-2147483633), clBtnFace);
    EXPECT_EQ(ColorFromInteger(15528176), 0xECF0F0u);
}

TEST(ControlColor, AWindowWithoutColourPropertyKeepsAndPaintsItsColour)
{
    TForm form;
    SetColor(&form, 0x0000FF);
    EXPECT_EQ(ColorOf(&form), 0x0000FFu);
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(Qt::red));
    EXPECT_TRUE(form.autoFillBackground());

    TPanel panel;
    SetColor(&panel, clGreen);
    EXPECT_EQ(panel.Color(), clGreen);
    EXPECT_TRUE(panel.dynamicPropertyNames().isEmpty()) << "the control's own property takes the colour";
}

TEST(TLabel, ShowsItsParentsColourUntilGivenItsOwn)
{
    TPanel panel;
    panel.SetColor(14614267);
    TLabel label(QStringLiteral("部门编码："), &panel);
    EXPECT_TRUE(label.ParentColor());
    EXPECT_EQ(label.Color(), 14614267u);
    label.SetColor(clWhite);
    panel.SetColor(clGreen);
    EXPECT_FALSE(label.ParentColor());
    EXPECT_EQ(label.Color(), clWhite);
}

TEST(TFlatButton, ModalResultClosesItsDialogWithThatResult)
{
    TDialogForm dialog;
    auto *button = new TFlatButton(QStringLiteral("确认(&O)"), &dialog);
    button->SetModalResult(TDialogForm::mrYes);
    auto *plain = new TFlatButton(QStringLiteral("帮  助"), &dialog);
    plain->move(0, 40);
    Clerk::ShowActive(&dialog);
    Clerk::Click(plain);
    EXPECT_TRUE(dialog.isVisible());
    Clerk::Click(button);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), TDialogForm::mrYes);
    EXPECT_FALSE(button->autoDefault());
}

TEST(TFlatComboBox, EditableBoxKeepsTypedTextOutOfTheItems)
{
    TForm form;
    auto *box = new TFlatComboBox(&form);
    box->SetStyle(TFlatComboBox::csDropDown);
    box->SetItems({QStringLiteral("并且"), QStringLiteral("或者")});
    Clerk::ShowActive(&form);
    box->setFocus();
    box->lineEdit()->clear();
    Clerk::Type(nullptr, QStringLiteral("0102"));
    Clerk::Key(nullptr, Qt::Key_Return);
    EXPECT_EQ(box->currentText(), QStringLiteral("0102"));
    EXPECT_EQ(box->Items(), QStringList({QStringLiteral("并且"), QStringLiteral("或者")}));
}

class ListView : public testing::Test {
protected:
    ListView()
    {
        auto *layout = new QVBoxLayout(&Form);
        List = new TListView(&Form);
        List->AddColumn(QStringLiteral("部门编码"), 80);
        List->AddColumn(QStringLiteral("部门名称"), 130);
        List->AddItem(QStringLiteral("01"), {QStringLiteral("总部")});
        List->AddItem(QStringLiteral("02"), {QStringLiteral("东门店")});
        layout->addWidget(List);
        Other = new TFlatButton(QStringLiteral("x"), &Form);
        layout->addWidget(Other);
    }
    TForm Form;
    TListView *List;
    TFlatButton *Other;
};

TEST_F(ListView, RowsHaveCaptionsAndSubItemsUnderCaptionedColumns)
{
    EXPECT_EQ(List->ColumnCount(), 2);
    EXPECT_EQ(List->ColumnCaption(1), QStringLiteral("部门名称"));
    EXPECT_EQ(List->columnWidth(0), 80);
    TListItem *item = List->InsertItem(1, QStringLiteral("03"));
    item->AddSubItem(QStringLiteral("西门店"));
    item->AddSubItem(QStringLiteral("备注"));
    EXPECT_EQ(item->Index(), 1);
    EXPECT_EQ(List->Item(1)->SubItems(), QStringList({QStringLiteral("西门店"), QStringLiteral("备注")}));
    item->SetSubItems({QStringLiteral("新")});
    EXPECT_EQ(item->SubItems(), QStringList({QStringLiteral("新")}));
    EXPECT_EQ(item->SubItem(1), QString());
    List->DeleteItem(0);
    EXPECT_EQ(List->ItemCount(), 2);
    EXPECT_EQ(List->Item(0)->Caption(), QStringLiteral("03"));
}

TEST_F(ListView, SelectionFollowsTheKeysAndNoneIsMinusOne)
{
    EXPECT_EQ(List->Selected(), nullptr);
    EXPECT_EQ(List->ItemIndex(), -1);
    Clerk::ShowActive(&Form);
    List->setFocus();
    List->SetItemIndex(0);
    Clerk::Key(nullptr, Qt::Key_Down);
    EXPECT_EQ(List->ItemIndex(), 1);
    EXPECT_EQ(List->Selected()->Caption(), QStringLiteral("02"));
    List->SetSelected(nullptr);
    EXPECT_EQ(List->ItemIndex(), -1);
}

TEST_F(ListView, HooksSeeKeysDoubleClicksAndLeaving)
{
    QStringList seen;
    TKeyHooks::Of(List)->SetOnKeyDown([&](QWidget *, int &key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Return)
            seen << QStringLiteral("enter");
    });
    List->SetOnDblClick([&](TListView *) { seen << QStringLiteral("double-click"); });
    List->SetOnExit([&](TListView *) { seen << QStringLiteral("exit"); });
    Clerk::ShowActive(&Form);
    List->setFocus();
    List->SetItemIndex(1);
    Clerk::Key(nullptr, Qt::Key_Return);
    Clerk::DoubleClick(List->viewport(), List->visualItemRect(List->Item(0)).center());
    Other->setFocus();
    Clerk::Focused();
    EXPECT_EQ(seen, QStringList({QStringLiteral("enter"), QStringLiteral("double-click"), QStringLiteral("exit")}));
}

TEST_F(ListView, ListStyleWithCheckBoxesKeepsImageIndexLinks)
{
    List->SetViewStyle(TListView::vsList);
    List->SetCheckboxes(true);
    EXPECT_TRUE(List->isHeaderHidden());
    TListItem *item = List->AddItem(QStringLiteral("收款金额"));
    item->SetImageIndex(7);
    item->SetChecked(true);
    EXPECT_TRUE(List->Item(2)->Checked());
    EXPECT_FALSE(List->Item(0)->Checked());
    EXPECT_EQ(List->Item(2)->ImageIndex(), 7);
    EXPECT_EQ(List->Item(0)->ImageIndex(), -1);
    EXPECT_TRUE(item->flags().testFlag(Qt::ItemIsUserCheckable));
}

TEST(TToolBar, ButtonsInOrderAndAHiddenButtonStillClicks)
{
    TToolBar bar;
    TToolButton *first = bar.AddButton(QStringLiteral("TBnew"), QStringLiteral("新  建"), QStringLiteral("F2"));
    bar.AddSeparator();
    TToolButton *preview = bar.AddButton(QStringLiteral("TBpreview"), QStringLiteral("预  览"), QStringLiteral("Ctrl+V"));
    preview->hide();
    int clicks = 0;
    QObject::connect(preview, &TToolButton::clicked, [&] { ++clicks; });
    Clerk::ShowActive(&bar);
    EXPECT_EQ(Named<TToolButton>(&bar, "TBnew"), first);
    EXPECT_EQ(first->toolTip(), QStringLiteral("F2"));
    preview->click();
    EXPECT_EQ(clicks, 1);
}

TEST(TAnimate, FolderSearchIsBuiltInAndAFileQtCannotPlayIsRefused)
{
    TAnimate animate;
    animate.SetCommonAVI(TAnimate::aviFindFolder);
    EXPECT_EQ(animate.FrameCount(), 30);
    EXPECT_EQ(animate.FrameSize(), QSize(80, 50));
    animate.SetActive(true);
    EXPECT_TRUE(animate.Active());

    QTemporaryFile notAnimation;
    ASSERT_TRUE(notAnimation.open());
    notAnimation.write("RIFF....AVI ");
    notAnimation.close();
    EXPECT_FALSE(animate.OpenFile(notAnimation.fileName()));
    EXPECT_EQ(animate.CommonAVI(), TAnimate::aviFindFolder);
    EXPECT_TRUE(animate.FileName().isEmpty());
}

TEST(FontSubstitutes, SongTiAndHeiTiRenderChinese)
{
    for (const QString &family : {QStringLiteral("宋体"), QStringLiteral("黑体"), QStringLiteral("MS Sans Serif")}) {
        const QFont font(family, 9);
        EXPECT_TRUE(QFontMetrics(font).inFont(QChar(0x9884))) << family.toStdString() << " has no 预";
        EXPECT_TRUE(QFontInfo(font).family().contains(QStringLiteral("CJK"))) << QFontInfo(font).family().toStdString();
    }
}

} // namespace
