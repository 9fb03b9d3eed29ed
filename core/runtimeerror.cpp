#include "runtimeerror.h"

#include "texts.h"

std::u16string RuntimeError::message() const
{
    switch (m_kind) {
    case Kind::Overflow:
        return std::u16string(Texts::OverflowError);
    case Kind::SubscriptOutOfRange:
        return std::u16string(Texts::SubscriptError);
    case Kind::DivisionByZero:
        return std::u16string(Texts::DivisionByZeroError);
    case Kind::OutOfMemory:
        return std::u16string(Texts::OutOfMemoryError);
    }
    return std::u16string(Texts::OverflowError);
}

const char *RuntimeError::what() const noexcept
{
    switch (m_kind) {
    case Kind::Overflow:
        return "overflow";
    case Kind::SubscriptOutOfRange:
        return "subscript out of range";
    case Kind::DivisionByZero:
        return "division by zero";
    case Kind::OutOfMemory:
        return "out of memory";
    }
    return "runtime error";
}
