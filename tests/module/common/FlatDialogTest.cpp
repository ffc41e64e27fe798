#include "TColorIni.h"
#include "UiShot.h"

#include "module/common/FlatDialog.h"
#include "platform/data/EPlatformError.h"
#include "platform/widgets/ControlColor.h"
#include "platform/widgets/TFlatButton.h"
#include "platform/widgets/TFlatComboBox.h"
#include "platform/widgets/TFlatEdit.h"
#include "platform/widgets/TLabel.h"
#include "support/Clerk.h"
#include "support/TUiRecorder.h"
#include "support/TestPrinters.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

// A key as the clerk presses it in the dialog: to the control that has the focus.
void Press(QDialog &dialog, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *focused = Clerk::Focused();
    Clerk::Key(focused && dialog.isAncestorOf(focused) ? focused : &dialog, key, modifiers);
}

// The horizontal dialog unit of the message font, as the dialog measures its margins.
int MarginOf(const QFont &font)
{
    const int cx = QFontMetrics(font).horizontalAdvance(
                       QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"))
                   / 52;
    return (8 * cx + 2) / 4;
}

class FlatDialog : public testing::Test {
protected:
    TColorIni Ini;
    TUiRecorder Recorder;
};

TEST_F(FlatDialog, QuestionIsAnsweredByEnterEscOrItsButtons)
{
    struct TCase {
        const char *Action;
        std::function<void(QDialog &)> Answer;
        int Result;
    };
    const TCase cases[] = {
        {"Enter", [](QDialog &d) { Press(d, Qt::Key_Return); }, 1},
        {"Esc", [](QDialog &d) { Press(d, Qt::Key_Escape); }, 2},
        {"Yes", [](QDialog &d) { Clerk::Click(Named<TFlatButton>(&d, "Yes")); }, 6},
        {"No", [](QDialog &d) { Clerk::Click(Named<TFlatButton>(&d, "No")); }, 7},
        {"close box", [](QDialog &d) { d.close(); }, 2},
    };
    for (const TCase &c : cases) {
        Recorder.OnModal(c.Answer);
        EXPECT_EQ(FlatMessageDlg(QStringLiteral("您确认删除该逻辑表达式吗？"), mtConfirmation, mbYes | mbNo, 0), c.Result)
            << c.Action;
    }
    EXPECT_EQ(Recorder.ModalTitles().first(), QStringLiteral("询问"));
}

TEST_F(FlatDialog, ButtonsStandInTableOrderCentredUnderTheText)
{
    std::unique_ptr<TMessageForm> form =
        CreateFlatMessageDialog(QStringLiteral("找不到该部门！"), mtWarning, mbCancel | mbOK | mbYes);
    auto *yes = Named<TFlatButton>(form.get(), "Yes");
    auto *ok = Named<TFlatButton>(form.get(), "OK");
    auto *cancel = Named<TFlatButton>(form.get(), "Cancel");
    EXPECT_EQ(yes->text(), QStringLiteral("是(&Y)"));
    EXPECT_EQ(ok->text(), QStringLiteral("确认(&O)"));
    EXPECT_EQ(cancel->text(), QStringLiteral("放弃(&C)"));
    EXPECT_LT(yes->x(), ok->x());
    EXPECT_LT(ok->x(), cancel->x());
    EXPECT_NEAR(yes->x(), form->width() - (cancel->x() + cancel->width()), 1);
    EXPECT_EQ(yes->ColorBorder(), DialogLineColor());
    EXPECT_EQ(yes->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("警告"));
    EXPECT_NE(form->findChild<QWidget *>(QStringLiteral("Image")), nullptr);
    Clerk::ShowActive(form.get());
    SaveShot(*form, QStringLiteral("message-warning"));
}

TEST_F(FlatDialog, LongMessageWrapsAtHalfTheScreenAndTheDialogGrowsInHeight)
{
    const QString sentence = QStringLiteral("删除该逻辑关系，将同时删除与之关联的逻辑表达式。");
    std::unique_ptr<TMessageForm> shortForm = CreateFlatMessageDialog(sentence, mtInformation, mbOK);
    std::unique_ptr<TMessageForm> longForm = CreateFlatMessageDialog(sentence.repeated(12), mtInformation, mbOK);
    const int halfScreen = QGuiApplication::primaryScreen()->geometry().width() / 2;
    auto *message = Named<TLabel>(longForm.get(), "Message");
    const int lineHeight = QFontMetrics(longForm->font()).height();
    EXPECT_LE(message->width(), halfScreen);
    EXPECT_GE(message->height(), 4 * lineHeight);
    EXPECT_LT(longForm->width(), halfScreen + 32 + 6 * MarginOf(longForm->font()));
    EXPECT_GT(longForm->height(), shortForm->height() + 2 * lineHeight);
    Clerk::ShowActive(longForm.get());
    SaveShot(*longForm, QStringLiteral("message-long"));
}

TEST_F(FlatDialog, CustomTypeHasNoIconTextAtTheMarginAndTheApplicationTitle)
{
    const QString previous = QGuiApplication::applicationDisplayName();
    QGuiApplication::setApplicationDisplayName(QStringLiteral("HalvernMIS"));
    std::unique_ptr<TMessageForm> form = CreateFlatMessageDialog(QStringLiteral("已是末张收款单!"), mtCustom, mbOK);
    QGuiApplication::setApplicationDisplayName(previous);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("HalvernMIS"));
    EXPECT_EQ(form->findChild<QWidget *>(QStringLiteral("Image")), nullptr);
    EXPECT_EQ(Named<TLabel>(form.get(), "Message")->x(), MarginOf(form->font()));
}

TEST_F(FlatDialog, HelpButtonKeepsTheDialogOpenAndPositionIsKept)
{
    Recorder.OnModal([](QDialog &d) {
        EXPECT_EQ(d.pos(), QPoint(10, 20));
        Clerk::Click(Named<TFlatButton>(&d, "Help"));
        EXPECT_TRUE(d.isVisible());
        Clerk::Click(Named<TFlatButton>(&d, "Retry"));
    });
    EXPECT_EQ(FlatMessageDlgPos(QStringLiteral("再试一次？"), mtError, mbRetry | mbHelp, 7, 10, 20), 4);
}

TEST_F(FlatDialog, MessageDialogTakesTheConfiguredBackground)
{
    Ini.Set(QStringLiteral("backcolor"), QStringLiteral("255"));
    std::unique_ptr<TMessageForm> form = CreateFlatMessageDialog(QStringLiteral("提示"), mtInformation, mbOK);
    EXPECT_EQ(ColorOf(form.get()), 255u);
    EXPECT_EQ(DialogBackColor(), 255u);
    Ini.Set(QStringLiteral("backcolor"), QStringLiteral("x255"));
    EXPECT_THROW(CreateFlatMessageDialog(QStringLiteral("提示"), mtInformation, mbOK), EConvertError);
}

TEST_F(FlatDialog, InputBoxConfirmedAppendsToTheDefaultAndCancelledKeepsIt)
{
    Ini.Set(QStringLiteral("colorstyle"), QStringLiteral("1"));
    QString value = QStringLiteral("old");
    Recorder.OnModal([](QDialog &d) {
        auto *edit = Named<TFlatEdit>(&d, "Edit");
        EXPECT_EQ(Clerk::Focused(), edit);
        EXPECT_EQ(edit->maxLength(), 255);
        EXPECT_EQ(Named<TLabel>(&d, "Prompt")->text(), QStringLiteral("请输入收款单号:"));
        Clerk::Type(nullptr, QStringLiteral("45"));
        SaveShot(d, QStringLiteral("input"));
        Press(d, Qt::Key_Return);
    });
    EXPECT_TRUE(FlatInputBox(QStringLiteral("输入"), QStringLiteral("请输入收款单号:"), QStringLiteral("0000000123"), value));
    EXPECT_EQ(value, QStringLiteral("000000012345"));
    EXPECT_EQ(Recorder.ModalTitles().last(), QStringLiteral("输入"));

    Recorder.OnModal([](QDialog &d) {
        Clerk::Type(nullptr, QStringLiteral("9"));
        Press(d, Qt::Key_Escape);
    });
    EXPECT_FALSE(FlatInputBox(QStringLiteral("输入"), QStringLiteral("请输入收款单号:"), QStringLiteral("7"), value));
    EXPECT_EQ(value, QStringLiteral("7"));

    Recorder.OnModal([](QDialog &d) { Clerk::Click(Named<TFlatButton>(&d, "btnCancel")); });
    EXPECT_FALSE(FlatInputQuery(QStringLiteral("输入"), QStringLiteral("x"), value));
}

TEST_F(FlatDialog, InputQueryHidesTheTextBehindThePasswordCharacter)
{
    QString value;
    Recorder.OnModal([](QDialog &d) {
        auto *edit = Named<TFlatEdit>(&d, "Edit");
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
        Clerk::Type(nullptr, QStringLiteral("pw"));
        Clerk::Click(Named<TFlatButton>(&d, "btnOK"));
    });
    EXPECT_TRUE(FlatInputQuery(QStringLiteral("口令"), QStringLiteral("请输入口令:"), value, QLatin1Char('*')));
    EXPECT_EQ(value, QStringLiteral("pw"));
}

TEST_F(FlatDialog, InputWithStyleZeroKeepsTheColoursTheLastMessageDialogLeft)
{
    Ini.Set(QStringLiteral("backcolor"), QStringLiteral("255"));
    (void)CreateFlatMessageDialog(QStringLiteral("提示"), mtInformation, mbOK);
    const TColor line = DialogLineColor();
    QString value;
    Recorder.OnModal([&](QDialog &d) {
        EXPECT_EQ(ColorOf(&d), 255u);
        EXPECT_EQ(Named<TFlatEdit>(&d, "Edit")->ColorBorder(), line);
        Press(d, Qt::Key_Escape);
    });
    FlatInputQuery(QStringLiteral("输入"), QStringLiteral("x"), value);

    Ini.Set(QStringLiteral("colorstyle"), QStringLiteral("1"));
    Ini.Set(QStringLiteral("backcolor"), QStringLiteral("65280"));
    Ini.Set(QStringLiteral("linecolor"), QStringLiteral("12345"));
    Recorder.OnModal([&](QDialog &d) {
        EXPECT_EQ(ColorOf(&d), 65280u);
        EXPECT_EQ(Named<TFlatEdit>(&d, "Edit")->ColorBorder(), 12345u);
        EXPECT_EQ(Named<TFlatButton>(&d, "btnOK")->ColorBorder(), 12345u);
        Press(d, Qt::Key_Escape);
    });
    FlatInputQuery(QStringLiteral("输入"), QStringLiteral("x"), value);

    Ini.Set(QStringLiteral("linecolor"), QStringLiteral("green"));
    EXPECT_THROW(FlatInputQuery(QStringLiteral("输入"), QStringLiteral("x"), value), EConvertError);
}

TEST_F(FlatDialog, SelectionFromAFixedListTakesTheChosenItem)
{
    const QStringList months = {QStringLiteral("2004年01月"), QStringLiteral("2003年12月"), QStringLiteral("2003年11月")};
    QString value = QStringLiteral("unchanged");
    Recorder.OnModal([](QDialog &d) {
        auto *box = Named<TFlatComboBox>(&d, "ComboBox");
        EXPECT_EQ(box->Style(), TFlatComboBox::csDropDownList);
        EXPECT_EQ(box->ItemIndex(), 0);
        Press(d, Qt::Key_Escape);
    });
    FlatSelectQuery(QStringLiteral("选择"), QStringLiteral("请选择单据年月:"), months, value, 0);
    EXPECT_EQ(value, QStringLiteral("unchanged"));

    Recorder.OnModal([](QDialog &d) {
        Press(d, Qt::Key_Down);
        SaveShot(d, QStringLiteral("select"));
        Press(d, Qt::Key_Return);
    });
    FlatSelectQuery(QStringLiteral("选择"), QStringLiteral("请选择单据年月:"), months, value, 0);
    EXPECT_EQ(value, QStringLiteral("2003年12月"));
}

TEST_F(FlatDialog, EditableSelectionReturnsATypedTextThatIsNoItem)
{
    QString value;
    Recorder.OnModal([](QDialog &d) {
        EXPECT_EQ(Named<TFlatComboBox>(&d, "ComboBox")->Style(), TFlatComboBox::csDropDown);
        Press(d, Qt::Key_A, Qt::ControlModifier);
        Clerk::Type(nullptr, QStringLiteral("neither"));
        Press(d, Qt::Key_Return);
    });
    FlatSelectQuery(QStringLiteral("选择框"), QStringLiteral("请选择一个逻辑关系："),
                    {QStringLiteral("并且"), QStringLiteral("或者")}, value, 1);
    EXPECT_EQ(value, QStringLiteral("neither"));

    Recorder.OnModal([](QDialog &d) { Press(d, Qt::Key_Return); });
    FlatSelectQuery(QStringLiteral("选择框"), QStringLiteral("空"), {}, value, 0);
    EXPECT_EQ(value, QString()) << "an empty list confirmed answers an empty text";
}

} // namespace
