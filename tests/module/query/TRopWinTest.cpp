#include "module/common/UiShot.h"

#include "module/query/TRopInst.h"
#include "module/query/TRopWin.h"
#include "platform/widgets/TForm.h"
#include "platform/widgets/TLabel.h"
#include "support/Clerk.h"
#include "support/TUiRecorder.h"
#include "support/TestPrinters.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QStringList QueryLines = {QStringLiteral("快捷键："), QString(), QStringLiteral("    重  查: F2"),
                                QStringLiteral("    选  项: F3"), QStringLiteral("    条  件: Ctrl+S(显示查询条件)"),
                                QStringLiteral("    预  览: Ctrl+V"), QStringLiteral("    打  印: Ctrl+P"),
                                QStringLiteral("    退  出: ESC")};

QFont SongTi9()
{
    QFont font(QStringLiteral("宋体"));
    font.setPointSize(9);
    return font;
}

class HelpNote : public testing::Test {
protected:
    HelpNote()
    {
        RopHelp.setObjectName(QStringLiteral("RopHelp"));
        RopHelp.SetFont(SongTi9());
        RopHelp.SetLines(QueryLines);
    }
    TUiRecorder Recorder;
    TRopWin RopHelp;
};

TEST_F(HelpNote, WithoutLinesTheErrorBoxShowsAndNoNote)
{
    RopHelp.SetLines({});
    RopHelp.Popup();
    ASSERT_EQ(Recorder.Boxes().size(), 1);
    EXPECT_EQ(Recorder.BoxTexts().first(), QStringLiteral("Error: The Lines is empty"));
    EXPECT_EQ(Recorder.Boxes().first().Flags, Win::MB_OK);
    EXPECT_TRUE(Recorder.ModalTitles().isEmpty());
}

TEST_F(HelpNote, CentredTextBlockWithRoomForFrameAndShadow)
{
    const QRect text = QFontMetrics(SongTi9()).boundingRect(QRect(), Qt::AlignLeft | Qt::AlignTop, QueryLines.join(u'\n'));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    Recorder.OnModal([&](QDialog &note) {
        EXPECT_EQ(note.geometry(), QRect((screen.width() - text.width()) / 2, (screen.height() - text.height()) / 2,
                                         text.width() + 40, text.height() + 30));
        EXPECT_EQ(dynamic_cast<TRopInst &>(note).Lines(), QueryLines);
        Clerk::Key(&note, Qt::Key_A);
    });
    RopHelp.Popup();
}

TEST_F(HelpNote, GivenPositionPlacesTheNote)
{
    RopHelp.SetxPos(50);
    RopHelp.SetyPos(60);
    Recorder.OnModal([](QDialog &note) {
        EXPECT_EQ(note.pos(), QPoint(50, 60));
        Clerk::Click(&note);
    });
    RopHelp.Popup();
}

TEST_F(HelpNote, TimerClosesTheNoteOnlyWhenTimeCloseIsSet)
{
    Recorder.OnModal([](QDialog &note) {
        EXPECT_FALSE(Named<QTimer>(&note, "Timer1")->isActive());
        Clerk::Key(&note, Qt::Key_Escape);
    });
    RopHelp.Popup();

    RopHelp.SetTimeClose(3000);
    Recorder.OnModal([](QDialog &note) {
        auto *timer = Named<QTimer>(&note, "Timer1");
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), 3000);
        dynamic_cast<TRopInst &>(note).Timer1Timer();
        EXPECT_FALSE(note.isVisible());
        EXPECT_FALSE(timer->isActive());
    });
    RopHelp.Popup();
}

// The shadow strips darken what was on the screen by the dither: a clear pattern bit is black, a
// set one keeps the screen's pixel.
TEST_F(HelpNote, ShadowDithersTheScreenBehindTheNote)
{
    TForm behind;
    behind.setAutoFillBackground(true);
    QPalette colours = behind.palette();
    colours.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0x00));
    behind.setPalette(colours);
    auto *label = new TLabel(QStringLiteral("预收款单查询：屏幕上原有的内容"), &behind);
    label->setGeometry(10, 10, 400, 30);
    behind.setGeometry(QGuiApplication::primaryScreen()->geometry());
    Clerk::ShowActive(&behind);

    Recorder.OnModal([](QDialog &note) {
        const QImage shot = note.grab().toImage();
        SaveShot(note, QStringLiteral("ropwin"));
        const int h = note.height();
        const int w = note.width();
        // Bottom strip: row h - 8 has pattern row (h - 8) % 8.
        static const unsigned char rows[8] = {0xAA, 0x00, 0x55, 0x00, 0xAA, 0x00, 0x55, 0x00};
        for (int x = 20; x < 28; ++x) {
            const int y = h - 8;
            const bool keep = (rows[y % 8] >> (7 - x % 8)) & 1;
            EXPECT_EQ(QColor(shot.pixel(x, y)), keep ? QColor(0xFF, 0xFF, 0x00) : QColor(Qt::black)) << x << "," << y;
        }
        EXPECT_EQ(QColor(shot.pixel(w - 4, 4)), QColor(0xFF, 0xFF, 0x00)) << "outside panel and shadow the screen shows";
        EXPECT_EQ(QColor(shot.pixel(w - 28, h / 2)), QColor(Qt::white)) << "the panel right of the text is white";
        Clerk::Key(&note, Qt::Key_Escape);
    });
    RopHelp.Popup();
}

} // namespace
