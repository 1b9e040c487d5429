#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>
#include <utility>

// How a reader, a writer or an outside service tells of a failure: it gives back a
// Result, which holds either its value or the Czech message the user is shown, never
// both. `return Failure{message};` fails; Result<void> is the result of a write.
struct Failure {
    QString message;
};

template <typename T> class Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Failure failure) : m_error(std::move(failure.message)) {}

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    // The value; only when ok().
    const T &value() const & { return checked(); }
    T &value() & { return checked(); }
    T &&value() && { return std::move(checked()); }
    const T &operator*() const & { return checked(); }
    T &operator*() & { return checked(); }
    T &&operator*() && { return std::move(checked()); }
    const T *operator->() const { return &checked(); }
    T *operator->() { return &checked(); }
    // The Czech message; empty when ok().
    const QString &error() const { return m_error; }

private:
    const T &checked() const {
        Q_ASSERT_X(m_value, "Result", "the value of a failure");
        return *m_value;
    }
    T &checked() {
        Q_ASSERT_X(m_value, "Result", "the value of a failure");
        return *m_value;
    }

    std::optional<T> m_value;
    QString m_error;
};

template <> class Result<void> {
public:
    Result() = default;
    Result(Failure failure) : m_ok(false), m_error(std::move(failure.message)) {}

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString &error() const { return m_error; }

private:
    bool m_ok = true;
    QString m_error;
};
