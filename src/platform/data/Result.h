#pragma once

#include <QString>

#include <optional>
#include <utility>

// The outcome of an operation that can fail with a message for the user.
// A failure is built with Failure("text"); a success from the value itself.
struct TFailure {
    QString Message;
};

inline TFailure Failure(QString message) { return TFailure{std::move(message)}; }

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(TFailure failure) : m_error(std::move(failure.Message)) {}

    explicit operator bool() const { return m_value.has_value(); }
    bool HasValue() const { return m_value.has_value(); }

    T &Value() { return *m_value; }
    const T &Value() const { return *m_value; }
    T &operator*() { return *m_value; }
    const T &operator*() const { return *m_value; }
    T *operator->() { return &*m_value; }
    const T *operator->() const { return &*m_value; }

    const QString &Error() const { return m_error; }

private:
    std::optional<T> m_value;
    QString m_error;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(TFailure failure) : m_failed(true), m_error(std::move(failure.Message)) {}

    explicit operator bool() const { return !m_failed; }
    bool HasValue() const { return !m_failed; }
    const QString &Error() const { return m_error; }

private:
    bool m_failed = false;
    QString m_error;
};

inline Result<void> Success() { return {}; }
