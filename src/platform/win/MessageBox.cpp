#include "MessageBox.h"

#include <QMessageBox>
#include <QWidget>

namespace Win {
namespace {

int ShowQtMessageBox(const TMessageBoxRequest &request)
{
    QMessageBox box(WidgetOf(request.Owner));
    box.setWindowTitle(request.Caption);
    box.setText(request.Text);
    switch (request.Flags & 0xF0) {
    case MB_ICONERROR:
        box.setIcon(QMessageBox::Critical);
        break;
    case MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
    case MB_ICONWARNING:
        box.setIcon(QMessageBox::Warning);
        break;
    case MB_ICONINFORMATION:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    switch (request.Flags & 0x0F) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MB_YESNOCANCEL:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

TMessageBoxFunction &CurrentFunction()
{
    static TMessageBoxFunction function = ShowQtMessageBox;
    return function;
}

} // namespace

int MessageBox(HWND owner, const QString &text, const QString &caption, unsigned flags)
{
    return CurrentFunction()(TMessageBoxRequest{owner, text, caption, flags});
}

TMessageBoxFunction SetMessageBoxFunction(TMessageBoxFunction function)
{
    return std::exchange(CurrentFunction(), function ? std::move(function) : TMessageBoxFunction(ShowQtMessageBox));
}

} // namespace Win
