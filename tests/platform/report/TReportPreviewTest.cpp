#include "platform/report/TReportPreview.h"

#include "platform/data/TDataSet.h"
#include "platform/report/TReportPageView.h"
#include "platform/report/TReportTemplateFormat.h"
#include "ReportTestSupport.h"
#include "support/Clerk.h"
#include "support/TUiRecorder.h"
#include "support/TestPrinters.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const char *ListReport = R"(HalvernReport 1
Page Paper=A4 Margins=10,10,10,10
Band Kind=PageHeader Height=10
  Text Rect=0,0,100,10 Text="HEADER"
Band Kind=MasterData Height=10 DataSet=lines
  Text Rect=0,0,80,10 Text="[lines.name]"
)";

class TReportPreviewTest : public testing::Test {
protected:
    void SetUp() override
    {
        ReportTest::UseCjkFonts();
        m_lines.AddField(QStringLiteral("name"), TFieldType::String, 40);
        for (int i = 1; i <= 60; ++i) {
            m_lines.Append();
            m_lines.FieldByName(QStringLiteral("name")).SetValue(QStringLiteral("line %1").arg(i));
            m_lines.Post();
        }
        ASSERT_TRUE(m_report.LoadFromStream(ListReport));
        m_report.SetDataSet(QStringLiteral("lines"), &m_lines);
    }

    // Opens the preview and lets body drive it; the exit button closes it afterwards.
    void Preview(std::function<void(TReportPreview &)> body, TPreviewOptions options = {})
    {
        m_ui.OnModal([body](QDialog &dialog) {
            auto *preview = qobject_cast<TReportPreview *>(&dialog);
            ASSERT_NE(preview, nullptr);
            body(*preview);
            Clerk::Click(Named<QPushButton>(preview, QStringLiteral("btnExit")));
        });
        const Result<void> shown = m_report.ShowPreview(nullptr, options);
        EXPECT_TRUE(shown) << shown.Error().toStdString();
        EXPECT_EQ(m_ui.PendingAnswers(), 0);
    }

    static QString PageLabel(TReportPreview &preview) { return Named<QLabel>(&preview, QStringLiteral("lblPage"))->text(); }
    static void Click(TReportPreview &preview, const char *button)
    {
        Clerk::Click(Named<QPushButton>(&preview, QString::fromLatin1(button)));
    }
    static QStringList Texts(const TPreparedPage &page)
    {
        QStringList texts;
        for (const TReportObject &o : page.Objects)
            texts << o.Text;
        return texts;
    }

    TUiRecorder m_ui;
    TDataSet m_lines;
    TReport m_report;
};

// Answers a file dialog with fileName, typed as the clerk would.
TUiRecorder::TModalHandler TypeFileName(const QString &fileName)
{
    return [fileName](QDialog &dialog) {
        auto *edit = Named<QLineEdit>(&dialog, QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        Clerk::Type(edit, fileName);
        Clerk::Key(edit, Qt::Key_Return);
    };
}

} // namespace

TEST_F(TReportPreviewTest, OpensAtWholePageZoomAndPagesThroughTheReport)
{
    Preview([](TReportPreview &preview) {
        EXPECT_EQ(preview.PageCount(), 3); // 27 rows a page under the header
        EXPECT_EQ(PageLabel(preview), QStringLiteral("第 1 页 / 共 3 页"));
        auto *area = Named<QScrollArea>(&preview, QStringLiteral("PageArea"));
        auto *view = Named<TReportPageView>(&preview, QStringLiteral("PageView"));
        EXPECT_LE(view->width(), area->viewport()->width());
        EXPECT_LE(view->height(), area->viewport()->height());
        EXPECT_GE(view->height(), area->viewport()->height() - 40);

        Click(preview, "btnNext");
        EXPECT_EQ(PageLabel(preview), QStringLiteral("第 2 页 / 共 3 页"));
        Click(preview, "btnLast");
        Click(preview, "btnNext");
        EXPECT_EQ(PageLabel(preview), QStringLiteral("第 3 页 / 共 3 页"));
        Click(preview, "btnPrior");
        EXPECT_EQ(preview.PageIndex(), 1);
        Click(preview, "btnFirst");
        EXPECT_EQ(preview.PageIndex(), 0);

        const double whole = preview.PixelsPerMm();
        Click(preview, "btnZoomIn");
        EXPECT_GT(preview.PixelsPerMm(), whole);
        Click(preview, "btnZoomWidth");
        EXPECT_GT(preview.PixelsPerMm(), whole);
        Click(preview, "btnZoomPage");
        EXPECT_DOUBLE_EQ(preview.PixelsPerMm(), whole);
    });
}

TEST_F(TReportPreviewTest, FindGoesToThePageWithTheTextAndSaysWhenThereIsNone)
{
    auto find = [this](const QString &text) {
        m_ui.OnModal([text](QDialog &dialog) {
            auto *edit = dialog.findChild<QLineEdit *>();
            ASSERT_NE(edit, nullptr);
            edit->selectAll();
            Clerk::Type(edit, text);
            Clerk::Key(edit, Qt::Key_Return);
        });
    };
    Preview([&](TReportPreview &preview) {
        find(QStringLiteral("line 40"));
        Click(preview, "btnFind");
        EXPECT_EQ(preview.PageIndex(), 1);
        find(QStringLiteral("nowhere"));
        Click(preview, "btnFind");
        EXPECT_EQ(preview.PageIndex(), 1);
    });
    EXPECT_EQ(m_ui.BoxTexts(), QStringList{QStringLiteral("提示: 没有找到\"nowhere\"。")});
}

TEST_F(TReportPreviewTest, PageSetupToLandscapePreparesThePagesAgain)
{
    Preview([this](TReportPreview &preview) {
        m_ui.OnModal([](QDialog &dialog) {
            Clerk::Click(Named<QRadioButton>(&dialog, QStringLiteral("rbLandscape")));
            Clerk::Click(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok));
        });
        Click(preview, "btnPageSetup");
        EXPECT_EQ(preview.Prepared().Pages.first().Size, QSizeF(297, 210));
        EXPECT_EQ(preview.PageCount(), 4); // 17 rows a page
    });
    EXPECT_TRUE(m_report.Template().Page.Landscape);
}

TEST_F(TReportPreviewTest, SavedPreparedReportLoadsBackAsItWas)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("bill"));
    Preview([&](TReportPreview &preview) {
        const TPreparedReport shown = preview.Prepared();
        m_ui.OnModal(TypeFileName(file));
        Click(preview, "btnSave");
        ASSERT_TRUE(QFile::exists(file + QStringLiteral(".hrp")));

        m_lines.EmptyDataSet();
        m_ui.OnModal(TypeFileName(file + QStringLiteral(".hrp")));
        Click(preview, "btnLoad");
        EXPECT_TRUE(preview.Prepared() == shown);
    });
    EXPECT_TRUE(m_ui.BoxTexts().isEmpty()) << m_ui.BoxTexts().join(u'\n').toStdString();
}

TEST_F(TReportPreviewTest, DesignEditsTheTemplateTextAndAFaultyEditKeepsTheOldOne)
{
    auto edit = [this](std::function<QString(QString)> change) {
        m_ui.OnModal([change](QDialog &dialog) {
            auto *editor = Named<QPlainTextEdit>(&dialog, QStringLiteral("edtTemplate"));
            editor->setPlainText(change(editor->toPlainText()));
            Clerk::Click(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok));
        });
    };
    Preview(
        [&](TReportPreview &preview) {
            edit([](QString text) { return text.replace(QStringLiteral("HEADER"), QStringLiteral("KOPF")); });
            Click(preview, "btnDesign");
            EXPECT_TRUE(Texts(preview.Prepared().Pages.first()).contains(QStringLiteral("KOPF")));
            edit([](QString text) { return text.replace(QStringLiteral("Band Kind=PageHeader"), QStringLiteral("Band Kind=Side")); });
            Click(preview, "btnDesign");
            EXPECT_TRUE(Texts(preview.Prepared().Pages.first()).contains(QStringLiteral("KOPF")));
        },
        TPreviewOptions{true});
    ASSERT_EQ(m_ui.Boxes().size(), 1);
    EXPECT_TRUE(m_ui.Boxes().first().Text.contains(QStringLiteral("Side")));
    EXPECT_EQ(m_ui.Boxes().first().Caption, QStringLiteral("错误"));
}

TEST_F(TReportPreviewTest, TheDesignButtonIsThereOnlyWhenAskedFor)
{
    Preview([](TReportPreview &preview) { EXPECT_EQ(preview.findChild<QPushButton *>(QStringLiteral("btnDesign")), nullptr); });
}
