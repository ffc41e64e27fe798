#include "TReportPreview.h"

#include "TPageSetupDialog.h"
#include "TPreparedReportFormat.h"
#include "TReportPageView.h"
#include "TReportPrinter.h"
#include "TReportTemplateFormat.h"
#include "TTemplateEditor.h"

#include "platform/win/MessageBox.h"
#include "platform/win/ModalRunner.h"

#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

TReportPreview::TReportPreview(TReport &report, TPreparedReport prepared, const TPreviewOptions &options, QWidget *parent)
    : QDialog(parent), m_report(report), m_scroll(new QScrollArea(this)), m_view(new TReportPageView),
      m_pageLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(report.Title().isEmpty() ? QStringLiteral("打印预览") : QStringLiteral("打印预览 - ") + report.Title());
    m_pageLabel->setObjectName(QStringLiteral("lblPage"));
    m_scroll->setObjectName(QStringLiteral("PageArea"));
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setWidget(m_view);
    m_scroll->viewport()->installEventFilter(this);

    auto *tools = new QHBoxLayout;
    tools->setSpacing(2);
    auto add = [&](const char *name, const QString &caption, auto action) {
        QPushButton *button = AddButton(QLatin1String(name), caption);
        connect(button, &QPushButton::clicked, this, action);
        tools->addWidget(button);
    };
    add("btnZoomPage", QStringLiteral("整页"), &TReportPreview::ZoomWholePage);
    add("btnZoomWidth", QStringLiteral("页宽"), &TReportPreview::ZoomPageWidth);
    add("btnZoomIn", QStringLiteral("放大"), [this] { ZoomBy(1.25); });
    add("btnZoomOut", QStringLiteral("缩小"), [this] { ZoomBy(0.8); });
    tools->addSpacing(8);
    add("btnFirst", QStringLiteral("首页"), [this] { ShowPage(0); });
    add("btnPrior", QStringLiteral("上页"), [this] { ShowPage(m_pageIndex - 1); });
    tools->addWidget(m_pageLabel);
    add("btnNext", QStringLiteral("下页"), [this] { ShowPage(m_pageIndex + 1); });
    add("btnLast", QStringLiteral("末页"), [this] { ShowPage(PageCount() - 1); });
    tools->addSpacing(8);
    add("btnFind", QStringLiteral("查找"), &TReportPreview::FindClick);
    add("btnPageSetup", QStringLiteral("页面设置"), &TReportPreview::PageSetupClick);
    add("btnPrint", QStringLiteral("打印"), &TReportPreview::PrintClick);
    add("btnExportPdf", QStringLiteral("导出PDF"), &TReportPreview::ExportPdfClick);
    add("btnSave", QStringLiteral("保存"), &TReportPreview::SaveClick);
    add("btnLoad", QStringLiteral("打开"), &TReportPreview::LoadClick);
    if (options.DesignButton)
        add("btnDesign", QStringLiteral("设计"), &TReportPreview::DesignClick);
    tools->addStretch();
    add("btnExit", QStringLiteral("退出"), &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(tools);
    layout->addWidget(m_scroll, 1);
    resize(900, 700);
    SetPrepared(std::move(prepared));
}

QPushButton *TReportPreview::AddButton(const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

double TReportPreview::PixelsPerMm() const
{
    return m_view->PixelsPerMm();
}

void TReportPreview::SetPrepared(TPreparedReport prepared)
{
    m_prepared = std::move(prepared);
    ShowPage(0);
    if (m_wholePage)
        ZoomWholePage();
}

void TReportPreview::ShowPage(int index)
{
    if (m_prepared.Pages.isEmpty())
        return;
    m_pageIndex = std::clamp(index, 0, PageCount() - 1);
    m_view->SetPage(m_prepared.Pages.at(m_pageIndex));
    m_pageLabel->setText(QStringLiteral("第 %1 页 / 共 %2 页").arg(m_pageIndex + 1).arg(PageCount()));
}

void TReportPreview::ZoomWholePage()
{
    m_wholePage = true;
    const QSizeF page = m_view->Page().Size;
    const QSize room = m_scroll->viewport()->size() - QSize(20, 20);
    if (page.isEmpty() || room.isEmpty())
        return;
    m_view->SetPixelsPerMm(std::min(room.width() / page.width(), room.height() / page.height()));
}

void TReportPreview::ZoomPageWidth()
{
    m_wholePage = false;
    const double width = m_view->Page().Size.width();
    const int room = m_scroll->viewport()->width() - 20 - m_scroll->verticalScrollBar()->sizeHint().width();
    if (width > 0 && room > 0)
        m_view->SetPixelsPerMm(room / width);
}

void TReportPreview::ZoomBy(double factor)
{
    m_wholePage = false;
    m_view->SetPixelsPerMm(m_view->PixelsPerMm() * factor);
}

bool TReportPreview::eventFilter(QObject *watched, QEvent *event)
{
    // Whole-page zoom follows the room the page has, which is known only once laid out.
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize && m_wholePage)
        ZoomWholePage();
    return QDialog::eventFilter(watched, event);
}

bool TReportPreview::FindText(const QString &text)
{
    const bool again = text == m_findText;
    m_findText = text;
    if (text.isEmpty() || m_prepared.Pages.isEmpty())
        return false;
    const int start = again ? m_pageIndex + 1 : m_pageIndex;
    for (int step = 0; step < PageCount(); ++step) {
        const int index = (start + step) % PageCount();
        for (const TReportObject &object : m_prepared.Pages.at(index).Objects)
            if (object.Text.contains(text, Qt::CaseInsensitive)) {
                ShowPage(index);
                return true;
            }
    }
    return false;
}

void TReportPreview::Fail(const QString &message)
{
    Win::MessageBox(Win::HandleOf(this), message, QStringLiteral("错误"), Win::MB_OK | Win::MB_ICONERROR);
}

void TReportPreview::FindClick()
{
    QInputDialog ask(this);
    ask.setObjectName(QStringLiteral("FindDialog"));
    ask.setWindowTitle(QStringLiteral("查找"));
    ask.setLabelText(QStringLiteral("查找内容:"));
    ask.setTextValue(m_findText);
    if (Win::RunModal(ask) != QDialog::Accepted)
        return;
    if (!FindText(ask.textValue()))
        Win::MessageBox(Win::HandleOf(this), QStringLiteral("没有找到\"%1\"。").arg(ask.textValue()), QStringLiteral("提示"),
                        Win::MB_OK | Win::MB_ICONINFORMATION);
}

void TReportPreview::PageSetupClick()
{
    TPageSetupDialog setup(m_report.Template().Page, this);
    if (Win::RunModal(setup) != QDialog::Accepted)
        return;
    TReportTemplate changed = m_report.Template();
    changed.Page = setup.Settings();
    m_report.SetTemplate(changed);
    Result<TPreparedReport> prepared = m_report.Prepare();
    if (!prepared)
        return Fail(prepared.Error());
    SetPrepared(*prepared);
}

void TReportPreview::PrintClick()
{
    const Result<void> printed = TReportPrinter::Print(m_prepared, m_report.Title());
    if (!printed)
        Fail(printed.Error());
}

QString TReportPreview::AskFileName(const QString &caption, const QString &filter, bool saving)
{
    QFileDialog ask(this, caption, QString(), filter);
    ask.setObjectName(QStringLiteral("FileDialog"));
    ask.setOption(QFileDialog::DontUseNativeDialog);
    ask.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    ask.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (Win::RunModal(ask) != QDialog::Accepted || ask.selectedFiles().isEmpty())
        return {};
    return ask.selectedFiles().first();
}

void TReportPreview::ExportPdfClick()
{
    QString fileName = AskFileName(QStringLiteral("导出PDF"), QStringLiteral("PDF 文件 (*.pdf)"), true);
    if (fileName.isEmpty())
        return;
    if (!fileName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        fileName += QStringLiteral(".pdf");
    const Result<void> done = TReportPrinter::ExportToPdf(m_prepared, fileName, m_report.Title());
    if (!done)
        Fail(done.Error());
}

void TReportPreview::SaveClick()
{
    QString fileName = AskFileName(QStringLiteral("保存报表"), QStringLiteral("报表文件 (*.hrp)"), true);
    if (fileName.isEmpty())
        return;
    if (!fileName.endsWith(QStringLiteral(".hrp"), Qt::CaseInsensitive))
        fileName += QStringLiteral(".hrp");
    QFile file(fileName);
    const QByteArray bytes = TPreparedReportFormat::Save(m_prepared);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() || !file.flush())
        Fail(QStringLiteral("无法保存报表文件 %1：%2").arg(fileName, file.errorString()));
}

void TReportPreview::LoadClick()
{
    const QString fileName = AskFileName(QStringLiteral("打开报表"), QStringLiteral("报表文件 (*.hrp)"), false);
    if (fileName.isEmpty())
        return;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("无法打开报表文件 %1：%2").arg(fileName, file.errorString()));
    Result<TPreparedReport> loaded = TPreparedReportFormat::Load(file.readAll());
    if (!loaded)
        return Fail(QStringLiteral("报表文件 %1 已损坏：%2").arg(fileName, loaded.Error()));
    SetPrepared(*loaded);
}

void TReportPreview::DesignClick()
{
    TTemplateEditor editor(QString::fromUtf8(TReportTemplateFormat::Save(m_report.Template())), this);
    if (Win::RunModal(editor) != QDialog::Accepted)
        return;
    Result<TReportTemplate> edited = TReportTemplateFormat::Load(editor.Text().toUtf8());
    if (!edited)
        return Fail(QStringLiteral("报表模板有误：%1").arg(edited.Error()));
    const TReportTemplate previous = m_report.Template();
    m_report.SetTemplate(*edited);
    Result<TPreparedReport> prepared = m_report.Prepare();
    if (!prepared) {
        m_report.SetTemplate(previous);
        return Fail(prepared.Error());
    }
    SetPrepared(*prepared);
}
