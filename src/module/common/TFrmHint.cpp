#include "TFrmHint.h"

#include "platform/widgets/ControlColor.h"
#include "platform/widgets/TAnimate.h"
#include "platform/widgets/TLabel.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>

namespace {

const QString TurtleFile = QStringLiteral("Resource/Turtle.avi");

QFont SongTi(int pointSize, int pixelSize)
{
    QFont font(QStringLiteral("宋体"));
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    else
        font.setPointSize(pointSize);
    return font;
}

} // namespace

TFrmHint::TFrmHint(QWidget *owner)
    : TForm(owner), Label1(new TLabel(QStringLiteral("正在统计，请稍候..."), this)), Animate1(new TAnimate(this))
{
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    SetColor(this, clBtnFace);
    setFont(SongTi(9, 0));
    setFixedSize(332, 87);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.left() + (screen.width() - width()) / 2, screen.top() + (screen.height() - height()) / 2);

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(SongTi(0, 14));
    Label1->adjustSize();
    Animate1->setObjectName(QStringLiteral("Animate1"));
    Animate1->SetCommonAVI(TAnimate::aviFindFolder);
    Animate1->SetStopFrame(29);

    RemoveCaptionBar(this);
    if (QDir::current().exists(TurtleFile) && Animate1->OpenFile(QDir::current().filePath(TurtleFile))) {
        Animate1->setGeometry(QRect(QPoint(32, 2), Animate1->FrameSize()));
        Label1->move(93, 69);
    } else {
        Animate1->setGeometry(16, 20, 80, 50);
        Label1->move(116, 40);
    }
    Animate1->SetActive(true);
}

void TFrmHint::ShowBusy()
{
    show();
    raise();
    repaint();
    // The window system maps the window only once it has seen the request.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFrmHint::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

void RemoveCaptionBar(QWidget *form)
{
    const Qt::WindowFlags flags = form->windowFlags();
    if (flags.testFlag(Qt::FramelessWindowHint))
        return;
    const bool hasCaption = !flags.testFlag(Qt::CustomizeWindowHint) || flags.testFlag(Qt::WindowTitleHint);
    if (!hasCaption)
        return;
    const Qt::WindowFlags decorations = Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                                        | Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint;
    const bool visible = form->isVisible();
    const QSize client = form->size();
    form->setWindowFlags((flags & ~decorations) | Qt::CustomizeWindowHint);
    form->resize(client);
    if (visible)
        form->show();
    form->update();
}
