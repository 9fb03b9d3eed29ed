#pragma once

#include <exception>
#include <string>

// An error raised by a runtime operation. It ends the click that caused it; the form reports it
// to the user and stays open.
class RuntimeError : public std::exception {
public:
    enum class Kind { Overflow, SubscriptOutOfRange, DivisionByZero, OutOfMemory };

    explicit RuntimeError(Kind kind)
        : m_kind(kind)
    {
    }

    Kind kind() const { return m_kind; }
    // The text shown to the user, in Russian.
    std::u16string message() const;
    const char *what() const noexcept override;

private:
    Kind m_kind;
};
