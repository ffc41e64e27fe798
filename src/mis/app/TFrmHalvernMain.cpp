#include "TFrmHalvernMain.h"

#include "ShortString.h"

#include "platform/win/MessageBox.h"
#include "platform/win/WindowHandles.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>
#include <QVBoxLayout>

TFrmHalvernMain::TFrmHalvernMain(TEntries entries, IRudoDisp *service, const QString &operatorCode,
                                 const QString &operatorName, QWidget *parent)
    : QMainWindow(parent), m_entries(std::move(entries)), m_service(service), m_operator(ShortString(operatorCode))
{
    setObjectName(QStringLiteral("FrmHalvernMain"));
    setWindowTitle(QStringLiteral("Halvern 门店管理系统"));
    resize(1024, 720);

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    auto *bar = new QHBoxLayout;
    auto *lblOperator = new QLabel(QStringLiteral("操作员：%1 %2").arg(operatorCode, operatorName).trimmed(), central);
    lblOperator->setObjectName(QStringLiteral("lblOperator"));
    bar->addWidget(lblOperator);
    bar->addSpacing(24);
    for (const TFormKind &kind : FormKinds()) {
        auto *button = new QPushButton(kind.Caption, central);
        button->setObjectName(kind.ButtonName);
        connect(button, &QPushButton::clicked, this, [this, &kind] { OpenFormClicked(kind); });
        bar->addWidget(button);
    }
    bar->addStretch();
    column->addLayout(bar);

    m_panel = new QFrame(central);
    m_panel->setObjectName(QStringLiteral("PanelHost"));
    m_panel->setFrameShape(QFrame::StyledPanel);
    m_panel->installEventFilter(this);
    column->addWidget(m_panel, 1);
    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));

    Win::SetMessageHandler(this, [this](unsigned message, qintptr, qintptr) { return ApplicationMessage(message); });
    Win::SetMessageHandler(m_panel, [this](unsigned message, qintptr, qintptr) { return HostControlMessage(message); });
}

Result<QWidget *> TFrmHalvernMain::OpenForm(const TFormKind &kind)
{
    if (!CloseEmbeddedForm())
        return Failure(QStringLiteral("the form shown now did not close"));
    const TZorvaFormEntry entry = m_entries(QLatin1String(kind.EntryName));
    if (!entry)
        return Failure(QStringLiteral("the plug-in has no entry point %1").arg(QLatin1String(kind.EntryName)));

    // The entry point creates its form as a child of the panel; the new child is that form.
    QSet<QWidget *> before;
    for (QWidget *child : m_panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        before.insert(child);
    entry(Win::HandleOf(this), m_panel, reinterpret_cast<const unsigned char *>(m_operator.constData()), m_panel,
          m_service.Get());
    for (QWidget *child : m_panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!before.contains(child)) {
            m_form = child;
            statusBar()->showMessage(child->windowTitle());
            return child;
        }
    }
    return Failure(QStringLiteral("%1 created no form").arg(QLatin1String(kind.EntryName)));
}

void TFrmHalvernMain::OpenFormClicked(const TFormKind &kind)
{
    const Result<QWidget *> opened = OpenForm(kind);
    if (!opened)
        Win::MessageBox(Win::HandleOf(this), opened.Error(), QStringLiteral("错误"), Win::MB_OK | Win::MB_ICONERROR);
}

bool TFrmHalvernMain::CloseEmbeddedForm()
{
    if (!m_form)
        return true;
    if (!m_form->close())
        return false;
    // The form normally says so itself (0x404); a closed form leaves the panel either way.
    m_form = nullptr;
    return true;
}

qintptr TFrmHalvernMain::ApplicationMessage(unsigned message)
{
    if (message == ZM_BEFOREQUERY)
        statusBar()->showMessage(QStringLiteral("正在执行明细查询……"));
    return 0;
}

qintptr TFrmHalvernMain::HostControlMessage(unsigned message)
{
    if (message == ZM_CLOSING) {
        m_form = nullptr;
        statusBar()->showMessage(QStringLiteral("窗体已关闭"));
    }
    return 0;
}

bool TFrmHalvernMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_panel && event->type() == QEvent::Resize && m_form)
        Win::SendMessage(Win::HandleOf(m_form), ZM_RESIZE, m_panel->height(), m_panel->width());
    return QMainWindow::eventFilter(watched, event);
}

void TFrmHalvernMain::closeEvent(QCloseEvent *event)
{
    // The form saves its settings when it closes; it may also refuse.
    if (CloseEmbeddedForm())
        event->accept();
    else
        event->ignore();
}
