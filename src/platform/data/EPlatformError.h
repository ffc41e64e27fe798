#pragma once

#include <QString>

#include <stdexcept>

// Base of the exceptions raised inside the module and its platform layer. They never cross the
// plug-in boundary or the event loop: handlers run under the application's guard, which shows
// Message() in an error box.
class EPlatformError : public std::runtime_error {
public:
    explicit EPlatformError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &Message() const { return m_message; }

private:
    QString m_message;
};

// A text that does not convert to the wanted number or date.
class EConvertError : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};

// Misuse of a dataset: an unknown field, a malformed packet.
class EDatabaseError : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};
