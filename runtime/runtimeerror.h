#pragma once

#include <QString>
#include <exception>

// An error raised by a runtime operation. It ends the click that caused it; the window reports
// it to the user and stays open.
class RuntimeError : public std::exception {
public:
    enum class Kind { Overflow, SubscriptOutOfRange, DivisionByZero };

    explicit RuntimeError(Kind kind)
        : m_kind(kind)
    {
    }

    Kind kind() const { return m_kind; }
    // The text shown to the user, in Russian.
    QString message() const;
    const char *what() const noexcept override;

private:
    Kind m_kind;
};
