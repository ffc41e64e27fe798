#pragma once

#include "WindowHandles.h"

#include <QString>

#include <functional>

namespace Win {

// Flags and results as the platform's message box knows them.
enum : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

struct TMessageBoxRequest {
    HWND Owner = 0;
    QString Text;
    QString Caption;
    unsigned Flags = MB_OK;
};

using TMessageBoxFunction = std::function<int(const TMessageBoxRequest &)>;

// The one way the module shows a plain message box. The seam is replaceable so that tests can
// record and answer boxes; by default it shows a real window.
int MessageBox(HWND owner, const QString &text, const QString &caption, unsigned flags);
TMessageBoxFunction SetMessageBoxFunction(TMessageBoxFunction function); // returns the previous one

} // namespace Win
