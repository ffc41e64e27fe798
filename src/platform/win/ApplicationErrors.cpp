#include "ApplicationErrors.h"

#include "MessageBox.h"
#include "platform/data/EPlatformError.h"

#include <QApplication>
#include <QWidget>

#include <utility>

namespace Win {
namespace {

void ShowErrorBox(std::exception_ptr error)
{
    MessageBox(HandleOf(QApplication::activeWindow()), ExceptionMessage(error), QStringLiteral("错误"), MB_ICONERROR);
}

TApplicationErrorHandler &CurrentHandler()
{
    static TApplicationErrorHandler handler = ShowErrorBox;
    return handler;
}

} // namespace

TApplicationErrorHandler SetApplicationErrorHandler(TApplicationErrorHandler handler)
{
    return std::exchange(CurrentHandler(), handler ? std::move(handler) : TApplicationErrorHandler(ShowErrorBox));
}

void HandleException(std::exception_ptr error) noexcept
{
    try {
        // A copy, so that a handler that replaces itself stays valid while it runs.
        const TApplicationErrorHandler handler = CurrentHandler();
        handler(error);
    } catch (...) {
        // Nothing is left to report a failing error handler to; the event loop must survive it.
    }
}

bool Guarded(const std::function<void()> &action) noexcept
{
    try {
        action();
        return true;
    } catch (...) {
        HandleException(std::current_exception());
        return false;
    }
}

QString ExceptionMessage(std::exception_ptr error)
{
    const QString unknown = QStringLiteral("未知错误！");
    if (!error)
        return unknown;
    try {
        std::rethrow_exception(error);
    } catch (const EPlatformError &platformError) {
        return platformError.Message();
    } catch (const std::exception &standardError) {
        return QString::fromUtf8(standardError.what());
    } catch (...) {
        return unknown;
    }
}

} // namespace Win
