#include "TToolButton.h"

#include <QMenu>

TToolButton::TToolButton(QWidget *parent) : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
}

void TToolButton::SetDropdownMenu(QMenu *menu)
{
    setMenu(menu);
    setPopupMode(menu ? QToolButton::MenuButtonPopup : QToolButton::DelayedPopup);
}
