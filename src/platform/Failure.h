#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

// What the learner is told when an operation fails. Core code returns these as
// values; the windows turn them into the message boxes they name.
enum class MessageIcon { None, Error, Warning, Information, Question };

struct Failure {
    QString text;      // the exact message shown to the learner
    QString caption;   // the message box caption ("Błąd", "Uwaga", ...)
    MessageIcon icon = MessageIcon::Error;
    QString file;      // the file the failure concerns, when there is one

    // The common case: a file or start-up error, caption "Błąd", error icon.
    static Failure error(QString text, QString file = {})
    {
        return Failure{std::move(text), QStringLiteral("Błąd"), MessageIcon::Error, std::move(file)};
    }
};

// A value or the failure that prevented it.
template <typename T>
class [[nodiscard]] Expected {
public:
    Expected(T value) : m_v(std::move(value)) {}
    Expected(Failure f) : m_v(std::move(f)) {}

    bool ok() const { return m_v.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(m_v); }
    const T& value() const& { return std::get<0>(m_v); }
    T&& value() && { return std::get<0>(std::move(m_v)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }

    const Failure& failure() const { return std::get<1>(m_v); }

private:
    std::variant<T, Failure> m_v;
};

// Success or the failure: for operations that produce nothing.
class [[nodiscard]] Status {
public:
    Status() = default;
    Status(Failure f) : m_f(std::move(f)) {}
    static Status success() { return {}; }

    bool ok() const { return !m_f.has_value(); }
    explicit operator bool() const { return ok(); }
    const Failure& failure() const { return *m_f; }

private:
    std::optional<Failure> m_f;
};
