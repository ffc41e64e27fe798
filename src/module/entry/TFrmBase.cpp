#include "TFrmBase.h"

#include "HostContext.h"
#include "platform/data/TGbkCodec.h"
#include "platform/win/ApplicationErrors.h"
#include "platform/win/SharedMemory.h"
#include "platform/win/ZorvaHostContract.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPointer>
#include <QShowEvent>

#include <cstring>

namespace {

// Up to the first three characters of the host's shared-memory block, ending at a zero byte.
QString ReadMapText(const TSharedMemory &block)
{
    const qsizetype available = qMin<qsizetype>(3, block.Size());
    const char *zero = static_cast<const char *>(std::memchr(block.Data(), 0, size_t(available)));
    return TGbkCodec::Decode(QByteArray(block.Data(), zero ? zero - block.Data() : available));
}

} // namespace

TFrmBase::TFrmBase(QWidget *owner) : TForm(owner)
{
    setWindowFlag(Qt::FramelessWindowHint);
    setFont(QFont(QStringLiteral("宋体"), 9));
    PanelMain = new QFrame(this);
    PanelMain->setObjectName(QStringLiteral("PanelMain"));
    PanelMain->setFrameShape(QFrame::NoFrame);
    PanelMain->installEventFilter(this);
    FollowParent();
    Win::SetMessageHandler(this, [this](unsigned message, qintptr wParam, qintptr lParam) -> qintptr {
        if (message == ZM_RESIZE)
            SetPanelMainSize(int(wParam), int(lParam));
        return 0;
    });
    FormCreate();
}

void TFrmBase::FormCreate()
{
    SetModuleApplicationHandle(AppHandle);
    // The view is read once and let go: nothing else of the module looks at the block.
    if (const std::unique_ptr<TSharedMemory> block = TSharedMemory::Open(QString::fromLatin1(ZorvaSharedMemoryName)))
        MapText = ReadMapText(*block);
}

void TFrmBase::EmbedInto(QWidget *parent)
{
    setParent(parent);
    m_embedded = true;
    if (parent)
        SetPanelMainSize(parent->height(), parent->width());
    show();
}

void TFrmBase::SetPanelMainSize(int height, int width)
{
    PanelMain->resize(width, height);
}

void TFrmBase::FormClose(TCloseAction &) {}

void TFrmBase::PanelMainResize() {}

void TFrmBase::FollowParent()
{
    if (m_followedParent == parentWidget())
        return;
    if (m_followedParent)
        m_followedParent->removeEventFilter(this);
    m_followedParent = parentWidget();
    if (m_followedParent && !isWindow()) {
        m_followedParent->installEventFilter(this);
        setGeometry(m_followedParent->rect());
    }
}

bool TFrmBase::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange)
        FollowParent();
    return TForm::event(event);
}

bool TFrmBase::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == PanelMain)
            Win::Guarded([this] { PanelMainResize(); });
        else if (watched == m_followedParent && !isWindow())
            setGeometry(m_followedParent->rect());
    }
    return TForm::eventFilter(watched, event);
}

void TFrmBase::showEvent(QShowEvent *event)
{
    TForm::showEvent(event);
    // Closed from the event loop, once the show has finished.
    if (CloseAtShow)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TFrmBase::closeEvent(QCloseEvent *event)
{
    TCloseAction action = TCloseAction::caHide;
    // A close step that raised keeps the form open, with its error shown.
    if (!Win::Guarded([this, &action] { FormClose(action); }) || action == TCloseAction::caNone) {
        event->ignore();
        return;
    }
    if (m_embedded) {
        if (!m_hostNotified) {
            m_hostNotified = true;
            // The host may free its panel, and this form with it, while it handles the message.
            const QPointer<TFrmBase> self(this);
            Win::SendMessage(Win::HandleOf(HostControl), ZM_CLOSING, 0, 0);
            if (!self)
                return;
        }
        action = TCloseAction::caFree;
    }
    event->accept();
    if (action == TCloseAction::caFree)
        deleteLater();
}
