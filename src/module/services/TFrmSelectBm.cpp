#include "TFrmSelectBm.h"

#include "module/common/FlatDialog.h"
#include "module/query/TRopWin.h"
#include "platform/widgets/ControlColor.h"
#include "platform/widgets/TFlatButton.h"
#include "platform/widgets/TKeyHooks.h"
#include "platform/widgets/TListItem.h"
#include "platform/widgets/TListView.h"
#include "platform/win/ApplicationErrors.h"

#include <QGuiApplication>
#include <QShowEvent>
#include <QScreen>

namespace {

// The designed window is 226 x 272 with its frame; the client area holds the list (218 x 209)
// and the buttons below it.
const QSize ClientSize(218, 245);

QFont FontOfHeight(const QString &family, int pixels)
{
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

} // namespace

TFrmSelectBm::TFrmSelectBm(QWidget *owner)
    : TDialogForm(owner), LvBm(new TListView(this)), btnOk(new TFlatButton(QStringLiteral("确认(&O)"), this)),
      btnhelp(new TFlatButton(QStringLiteral("帮  助"), this)), RopHelp(new TRopWin(this))
{
    setWindowTitle(QStringLiteral("选择部门"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientSize);
    SetColor(this, 14614267);
    setFont(FontOfHeight(QStringLiteral("MS Sans Serif"), 11));
    SetKeyPreview(true);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.left() + (screen.width() - width()) / 2, screen.top() + (screen.height() - height()) / 2);

    LvBm->setObjectName(QStringLiteral("LvBm"));
    LvBm->setGeometry(0, 0, 218, 209);
    LvBm->setFrameShape(QFrame::NoFrame);
    LvBm->SetViewStyle(TListView::vsReport);
    LvBm->SetColumnClick(false);
    LvBm->AddColumn(QStringLiteral("部门编码"), 80);
    LvBm->AddColumn(QStringLiteral("部门名称"), 130);
    TKeyHooks *listKeys = TKeyHooks::Of(LvBm);
    listKeys->SetOnKeyDown([this](QWidget *, int &key, Qt::KeyboardModifiers) { LvBmKeyDown(key); });
    listKeys->SetOnKeyPress([this](QWidget *, QChar &key) { LvBmKeyPress(key); });
    LvBm->SetOnDblClick([this](TListView *) { Win::Guarded([this] { btnOkClick(); }); });

    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(34, 216, 65, 22);
    btnOk->SetColorBorder(clGreen);
    Win::ConnectGuarded(btnOk, &TFlatButton::clicked, this, [this] { btnOkClick(); });
    btnhelp->setObjectName(QStringLiteral("btnhelp"));
    btnhelp->setGeometry(122, 216, 65, 22);
    btnhelp->SetColorBorder(clGreen);
    Win::ConnectGuarded(btnhelp, &TFlatButton::clicked, this, [this] { btnhelpClick(); });

    RopHelp->setObjectName(QStringLiteral("RopHelp"));
    RopHelp->SetFont(FontOfHeight(QStringLiteral("宋体"), 12));
    RopHelp->SetLines({QStringLiteral("快捷键："), QStringLiteral("    查  找: F3"), QStringLiteral("    继续查找:Ctrl+F3"),
                       QStringLiteral("    退  出: ESC")});
    FormCreate();
}

void TFrmSelectBm::AddDepartment(const QString &code, const QString &name)
{
    LvBm->AddItem(code, {name});
}

QString TFrmSelectBm::SelectedCode() const
{
    TListItem *item = LvBm->Selected();
    return item ? item->Caption() : QString();
}

void TFrmSelectBm::FormCreate()
{
    LvBm->ClearItems();
}

void TFrmSelectBm::showEvent(QShowEvent *event)
{
    TDialogForm::showEvent(event);
    // The window system also reports a show when the window comes back from behind another.
    if (!event->spontaneous())
        FormShow();
}

void TFrmSelectBm::FormShow()
{
    LvBm->setFocus();
    if (LvBm->ItemCount() > 0)
        LvBm->SetSelected(LvBm->Item(0));
}

void TFrmSelectBm::btnOkClick()
{
    if (LvBm->Selected())
        SetModalResult(mrOk);
}

void TFrmSelectBm::btnhelpClick()
{
    RopHelp->Popup();
}

void TFrmSelectBm::LvBmKeyDown(int &key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        key = 0;
        btnOkClick();
    }
}

void TFrmSelectBm::LvBmKeyPress(QChar &key)
{
    if (key == QLatin1Char('\r'))
        key = QChar();
}

void TFrmSelectBm::FormKeyDown(int &key, Qt::KeyboardModifiers shift)
{
    const bool control = shift.testFlag(Qt::ControlModifier);
    if (key == Qt::Key_F3 && control) {
        key = 0;
        Find(false);
    } else if (key == Qt::Key_Escape) {
        key = 0;
        SetModalResult(mrCancel);
    } else if (key == Qt::Key_F3) {
        key = 0;
        QString text;
        FlatInputBox(QStringLiteral("输入"), QStringLiteral("请输入部门编码或名称(Ctrl+F3查找下一个):"), QString(), text);
        m_searchText = text.trimmed();
        Find(true);
    }
}

void TFrmSelectBm::Find(bool fromStart)
{
    if (m_searchText.isEmpty())
        return;
    const int first = fromStart ? 0 : (LvBm->Selected() ? LvBm->ItemIndex() + 1 : LvBm->ItemCount());
    for (int row = first; row < LvBm->ItemCount(); ++row) {
        TListItem *item = LvBm->Item(row);
        if (item->Caption().contains(m_searchText) || item->SubItem(0).contains(m_searchText)) {
            LvBm->setFocus();
            LvBm->SetSelected(item);
            return;
        }
    }
    FlatMessageDlg(QStringLiteral("找不到该部门！"), mtWarning, mbOK, 0);
}
