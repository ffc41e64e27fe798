#include "platform/widgets/TForm.h"
#include "platform/widgets/TKeyHooks.h"
#include "support/Clerk.h"
#include "support/TestPrinters.h"

#include <QLineEdit>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A form that logs what its key preview sees and swallows F5 and the letter x.
class TLoggingForm : public TForm {
public:
    TLoggingForm()
    {
        SetKeyPreview(true);
        auto *layout = new QVBoxLayout(this);
        Edit = new QLineEdit(this);
        Edit->setObjectName(QStringLiteral("edt"));
        layout->addWidget(Edit);
    }
    QLineEdit *Edit;
    QStringList Seen;

protected:
    void FormKeyDown(int &key, Qt::KeyboardModifiers) override
    {
        Seen << QStringLiteral("down %1").arg(key, 0, 16);
        if (key == Qt::Key_F5)
            key = 0;
    }
    void FormKeyPress(QChar &key) override
    {
        Seen << QStringLiteral("press %1").arg(key);
        if (key == QLatin1Char('x'))
            key = QChar();
    }
};

} // namespace

TEST(TKeyHooks, FormPreviewSeesEachKeyOnceAndCanConsumeIt)
{
    TLoggingForm form;
    Clerk::ShowActive(&form);
    form.Edit->setFocus();
    Clerk::Type(form.Edit, QStringLiteral("axb"));
    EXPECT_EQ(form.Edit->text(), QStringLiteral("ab"));
    form.Seen.clear();
    Clerk::Key(form.Edit, Qt::Key_F5);
    EXPECT_EQ(form.Seen, QStringList({"down 1000034"}));
}

TEST(TKeyHooks, ControlHookFiltersCharactersAndPreviewComesFirst)
{
    TLoggingForm form;
    QStringList order;
    TKeyHooks *hooks = TKeyHooks::Of(form.Edit);
    hooks->SetOnKeyPress([&](QWidget *, QChar &key) {
        order << QStringLiteral("control");
        if (!key.isDigit())
            key = QChar();
    });
    Clerk::ShowActive(&form);
    form.Edit->setFocus();
    Clerk::Type(form.Edit, QStringLiteral("1a2"));
    EXPECT_EQ(form.Edit->text(), QStringLiteral("12"));
    EXPECT_EQ(form.Seen.first(), QStringLiteral("down 31"));
    EXPECT_EQ(order.size(), 3);
}

TEST(TDialogForm, EscIsLeftToTheWindowsOwnHandlers)
{
    TDialogForm dialog;
    Clerk::ShowActive(&dialog);
    Clerk::Key(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
}
