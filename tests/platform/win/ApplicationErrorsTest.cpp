#include "platform/data/EPlatformError.h"
#include "platform/widgets/TKeyHooks.h"
#include "platform/win/ApplicationErrors.h"
#include "support/Clerk.h"
#include "support/TUiRecorder.h"
#include "support/TestPrinters.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class ApplicationErrors : public testing::Test {
protected:
    ApplicationErrors()
    {
        auto *layout = new QVBoxLayout(&m_window);
        m_button = new QPushButton(QStringLiteral("保存"), &m_window);
        m_edit = new QLineEdit(&m_window);
        layout->addWidget(m_button);
        layout->addWidget(m_edit);
        Clerk::ShowActive(&m_window);
    }

    TUiRecorder m_ui;
    QWidget m_window;
    QPushButton *m_button = nullptr;
    QLineEdit *m_edit = nullptr;
};

} // namespace

TEST_F(ApplicationErrors, AnExceptionInAGuardedHandlerBecomesOneErrorBox)
{
    EXPECT_FALSE(Win::Guarded([] { throw EPlatformError(QStringLiteral("客户编码不存在")); }));
    EXPECT_TRUE(Win::Guarded([] {}));

    ASSERT_EQ(m_ui.Boxes().size(), 1);
    EXPECT_EQ(m_ui.BoxTexts().front(), QStringLiteral("错误: 客户编码不存在"));
    EXPECT_EQ(m_ui.Boxes().front().Icon(), unsigned(Win::MB_ICONERROR));
    EXPECT_EQ(m_ui.Boxes().front().Buttons(), unsigned(Win::MB_OK));
}

TEST_F(ApplicationErrors, TheBoxShowsTheMessageOfAnyKindOfException)
{
    Win::Guarded([] { throw std::runtime_error("disk full"); });
    Win::Guarded([] { throw 42; });
    EXPECT_EQ(m_ui.TakeBoxTexts(), QStringList({QStringLiteral("错误: disk full"), QStringLiteral("错误: 未知错误！")}));
}

TEST_F(ApplicationErrors, AnInstalledHandlerTakesOverUntilTheDefaultComesBack)
{
    QStringList seen;
    const Win::TApplicationErrorHandler previous =
        Win::SetApplicationErrorHandler([&seen](std::exception_ptr error) { seen << Win::ExceptionMessage(error); });
    Win::Guarded([] { throw EPlatformError(QStringLiteral("silent")); });
    EXPECT_EQ(seen, QStringList{QStringLiteral("silent")});
    EXPECT_TRUE(m_ui.Boxes().isEmpty());

    Win::SetApplicationErrorHandler([](std::exception_ptr) { throw std::logic_error("handler fails too"); });
    EXPECT_FALSE(Win::Guarded([] { throw 1; })) << "a raising handler is contained as well";

    Win::SetApplicationErrorHandler(previous);
    Win::Guarded([] { throw EPlatformError(QStringLiteral("shown")); });
    EXPECT_EQ(m_ui.TakeBoxTexts(), QStringList{QStringLiteral("错误: shown")});
}

TEST_F(ApplicationErrors, AGuardedConnectionKeepsTheEventLoopAlive)
{
    int clicks = 0;
    Win::ConnectGuarded(m_button, &QPushButton::clicked, &m_window, [&clicks] {
        ++clicks;
        throw EPlatformError(QStringLiteral("保存失败"));
    });
    QString typed;
    Win::ConnectGuarded(m_edit, &QLineEdit::textEdited, &m_window, [&typed](const QString &text) { typed = text; });

    Clerk::Click(m_button);
    Clerk::Click(m_button);
    Clerk::Type(m_edit, QStringLiteral("a"));

    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(m_ui.TakeBoxTexts(), QStringList({QStringLiteral("错误: 保存失败"), QStringLiteral("错误: 保存失败")}));
    EXPECT_EQ(typed, QStringLiteral("a")) << "the functor gets the signal's arguments";
}

TEST_F(ApplicationErrors, AKeyHandlerThatRaisesShowsOneBoxAndSwallowsTheKey)
{
    TKeyHooks::Of(m_edit)->SetOnKeyDown([](QWidget *, int &key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_X)
            throw EPlatformError(QStringLiteral("不能输入"));
    });
    TKeyHooks::Of(m_edit)->SetOnKeyPress([](QWidget *, QChar &key) {
        if (key == u'y')
            throw EPlatformError(QStringLiteral("也不能"));
    });

    m_edit->setFocus();
    Clerk::Type(m_edit, QStringLiteral("axyb"));

    EXPECT_EQ(m_ui.TakeBoxTexts(), QStringList({QStringLiteral("错误: 不能输入"), QStringLiteral("错误: 也不能")}));
    EXPECT_EQ(m_edit->text(), QStringLiteral("ab"));
}
