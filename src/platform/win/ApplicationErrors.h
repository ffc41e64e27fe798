#pragma once

#include <QMetaObject>
#include <QObject>
#include <QString>

#include <exception>
#include <functional>
#include <type_traits>

namespace Win {

// The application's last word on an exception: every UI handler runs under Guarded, so that an
// exception never unwinds into the Qt event loop but reaches the application's error handler.
// By default the handler shows the exception's message in an error box ("错误"); a part that
// wants exceptions ignored installs its own.
using TApplicationErrorHandler = std::function<void(std::exception_ptr error)>;

// Returns the previous handler; an empty handler brings back the error box.
TApplicationErrorHandler SetApplicationErrorHandler(TApplicationErrorHandler handler);
// Hands error to the handler; a handler that raises in turn is not let through either.
void HandleException(std::exception_ptr error) noexcept;
// Runs action; true when it finished, false when it raised and the handler took the exception.
bool Guarded(const std::function<void()> &action) noexcept;
// The text the error box shows for error.
QString ExceptionMessage(std::exception_ptr error);

// QObject::connect with the functor run under Guarded. The functor takes either all of the
// signal's arguments or none.
template <typename Sender, typename Signal, typename Functor>
QMetaObject::Connection ConnectGuarded(const Sender *sender, Signal signal, const QObject *context, Functor functor)
{
    return QObject::connect(sender, signal, context, [functor = std::move(functor)](const auto &...args) mutable {
        Guarded([&] {
            if constexpr (std::is_invocable_v<Functor &, decltype(args)...>)
                functor(args...);
            else
                functor();
        });
    });
}

} // namespace Win
