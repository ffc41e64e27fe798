#pragma once

#include "platform/win/IRudoDisp.h"
#include "platform/win/WindowHandles.h"

#include <QPointer>
#include <QString>
#include <QWidget>

// The host context: what the host handed to the most recent entry-point call. Every open form
// of the module works with these values; they stay until the library is unloaded, when their
// destruction empties the texts and releases the host service.

extern Win::HWND AppHandle;           // the host's application window
extern QPointer<QWidget> HostControl; // told (message 0x404) when an embedded form closes
extern QString HostOperatorCode;      // the operator working in the host
extern TRudoDispPtr HostService;      // the host data service; the module's own reference
extern QString MapText;               // the first characters of the host's shared-memory block

// The owner of the module's modal windows and message boxes: 0 while an entry point stores the
// context, the host's application window once a form has been created.
Win::HWND ModuleApplicationHandle();
void SetModuleApplicationHandle(Win::HWND handle);

// Empties the context as unloading the library does.
void ReleaseHostContext();
