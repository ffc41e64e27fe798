#include "UiShot.h"

#include "module/common/TFrmHint.h"
#include "platform/data/EPlatformError.h"
#include "platform/widgets/TAnimate.h"
#include "platform/widgets/TLabel.h"
#include "platform/win/ApplicationErrors.h"
#include "support/Clerk.h"
#include "support/TUiRecorder.h"
#include "support/TestPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A one-frame GIF: an animation Qt can play.
const QByteArray OneFrameGif = QByteArray::fromHex(
    "47494638396101000100800000ffffff00000021f90400000000002c00000000010001000002024401003b");

// Runs each test in a fresh current folder, where "Resource/Turtle.avi" may be put.
class BusyWindow : public testing::Test {
protected:
    void SetUp() override
    {
        m_previous = QDir::currentPath();
        ASSERT_TRUE(m_folder.isValid());
        QDir::setCurrent(m_folder.path());
    }
    void TearDown() override { QDir::setCurrent(m_previous); }
    void PutTurtle(const QByteArray &content)
    {
        QDir().mkpath(QStringLiteral("Resource"));
        QFile file(QStringLiteral("Resource/Turtle.avi"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    TForm Owner;

private:
    QTemporaryDir m_folder;
    QString m_previous;
};

TEST_F(BusyWindow, WithoutTheFileTheFolderSearchRunsAtTheLeft)
{
    auto hint = std::make_unique<TFrmHint>(&Owner);
    hint->ShowBusy();
    auto *animate = Named<TAnimate>(hint.get(), "Animate1");
    auto *label = Named<TLabel>(hint.get(), "Label1");
    EXPECT_EQ(animate->CommonAVI(), TAnimate::aviFindFolder);
    EXPECT_TRUE(animate->Active());
    EXPECT_EQ(animate->geometry(), QRect(16, 20, 80, 50));
    EXPECT_EQ(label->pos(), QPoint(116, 40));
    EXPECT_EQ(label->text(), QStringLiteral("正在统计，请稍候..."));
    EXPECT_EQ(hint->size(), QSize(332, 87));
    EXPECT_TRUE(hint->isVisible());
    EXPECT_TRUE(hint->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(hint->windowFlags().testFlag(Qt::WindowTitleHint));
    SaveShot(*hint, QStringLiteral("busy"));
}

TEST_F(BusyWindow, APlayableTurtleFileIsShownWithTheTextBelowIt)
{
    PutTurtle(OneFrameGif);
    TFrmHint hint(&Owner);
    auto *animate = Named<TAnimate>(&hint, "Animate1");
    EXPECT_TRUE(animate->FileName().endsWith(QStringLiteral("Resource/Turtle.avi")));
    EXPECT_EQ(animate->pos(), QPoint(32, 2));
    EXPECT_EQ(Named<TLabel>(&hint, "Label1")->pos(), QPoint(93, 69));
}

TEST_F(BusyWindow, ATurtleFileQtCannotPlayFallsBackToTheFolderSearch)
{
    PutTurtle(QByteArrayLiteral("RIFF not really a video"));
    TFrmHint hint(&Owner);
    EXPECT_EQ(Named<TAnimate>(&hint, "Animate1")->CommonAVI(), TAnimate::aviFindFolder);
    EXPECT_EQ(Named<TLabel>(&hint, "Label1")->pos(), QPoint(116, 40));
}

TEST_F(BusyWindow, OnlyFreeingItEndsIt)
{
    auto hint = std::make_unique<TFrmHint>(&Owner);
    hint->ShowBusy();
    EXPECT_FALSE(hint->close());
    EXPECT_TRUE(hint->isVisible());
}

TEST_F(BusyWindow, LaterErrorsStillReachTheErrorBox)
{
    TUiRecorder recorder;
    {
        TFrmHint hint(&Owner);
        hint.ShowBusy();
    }
    EXPECT_FALSE(Win::Guarded([] { throw EPlatformError(QStringLiteral("单据年月不合法！")); }));
    EXPECT_EQ(recorder.TakeBoxTexts(), QStringList({QStringLiteral("错误: 单据年月不合法！")}));
}

TEST(RemoveCaptionBar, TakesTheTitleOffAndKeepsTheClientArea)
{
    TDialogForm dialog;
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dialog.resize(300, 200);
    Clerk::ShowActive(&dialog);
    RemoveCaptionBar(&dialog);
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(dialog.windowType(), Qt::Dialog);
    EXPECT_EQ(dialog.size(), QSize(300, 200));
    EXPECT_TRUE(dialog.isVisible());

    TForm frameless;
    frameless.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    RemoveCaptionBar(&frameless);
    EXPECT_EQ(frameless.windowFlags(), Qt::Window | Qt::FramelessWindowHint);
}

} // namespace
