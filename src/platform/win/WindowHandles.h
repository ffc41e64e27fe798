#pragma once

#include <QtGlobal>

#include <functional>

class QWidget;

namespace Win {

// Window handles and synchronous messages between host and module. A handle names a widget;
// a widget may install a handler that answers the messages sent to its handle. Handles are
// released when their widget is destroyed.
using HWND = quintptr;
using TMessageHandler = std::function<qintptr(unsigned message, qintptr wParam, qintptr lParam)>;

HWND HandleOf(QWidget *widget); // assigns a handle on first use; 0 for null
QWidget *WidgetOf(HWND handle); // null for 0 or an unknown handle
void SetMessageHandler(QWidget *widget, TMessageHandler handler);
// Delivers at once to the handler of handle; 0 when there is none.
qintptr SendMessage(HWND handle, unsigned message, qintptr wParam, qintptr lParam);

} // namespace Win
