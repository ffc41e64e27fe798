#pragma once

#include "platform/win/IRudoDisp.h"
#include "platform/win/WindowHandles.h"

class QWidget;

// The five entry points through which the host opens the module's forms. Each stores the host
// context, creates its form owned by parent, embeds it there and shows it. The operator code is
// a short string: byte 0 is its length, then the bytes in code page 936. Nothing raised inside
// reaches the host; a failure is shown through the application's error handler.
extern "C" {
[[gnu::visibility("default")]] void GetZorvaFormBillModify(Win::HWND appHandle, QWidget *hostControl,
                                                           const unsigned char *operatorCode, QWidget *parent,
                                                           IRudoDisp *service);
[[gnu::visibility("default")]] void GetZorvaFormDel(Win::HWND appHandle, QWidget *hostControl,
                                                    const unsigned char *operatorCode, QWidget *parent,
                                                    IRudoDisp *service);
[[gnu::visibility("default")]] void GetZorvaFormSearch(Win::HWND appHandle, QWidget *hostControl,
                                                       const unsigned char *operatorCode, QWidget *parent,
                                                       IRudoDisp *service);
[[gnu::visibility("default")]] void GetZorvaFormBillSearch(Win::HWND appHandle, QWidget *hostControl,
                                                           const unsigned char *operatorCode, QWidget *parent,
                                                           IRudoDisp *service);
[[gnu::visibility("default")]] void GetZorvaFormInput(Win::HWND appHandle, QWidget *hostControl,
                                                      const unsigned char *operatorCode, QWidget *parent,
                                                      IRudoDisp *service);
}
