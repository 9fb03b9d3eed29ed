#include "runtimeerror.h"

using namespace Qt::StringLiterals;

QString RuntimeError::message() const
{
    switch (m_kind) {
    case Kind::Overflow:
        return u"Ошибка выполнения: переполнение."_s;
    case Kind::SubscriptOutOfRange:
        return u"Ошибка выполнения: индекс вне допустимого диапазона."_s;
    case Kind::DivisionByZero:
        return u"Ошибка выполнения: деление на ноль."_s;
    }
    Q_UNREACHABLE();
    return {};
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
    }
    return "runtime error";
}
