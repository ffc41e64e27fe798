#include "HostContext.h"

Win::HWND AppHandle = 0;
QPointer<QWidget> HostControl;
QString HostOperatorCode;
TRudoDispPtr HostService;
QString MapText;

namespace {

Win::HWND ApplicationHandle = 0;

} // namespace

Win::HWND ModuleApplicationHandle()
{
    return ApplicationHandle;
}

void SetModuleApplicationHandle(Win::HWND handle)
{
    ApplicationHandle = handle;
}

void ReleaseHostContext()
{
    AppHandle = 0;
    ApplicationHandle = 0;
    HostControl.clear();
    HostOperatorCode.clear();
    HostService = TRudoDispPtr();
    MapText.clear();
}
