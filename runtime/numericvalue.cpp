#include "numericvalue.h"

#include "conversions.h"
#include "runtimeerror.h"

#include <cmath>
#include <limits>

namespace {

// Order of widening; Empty counts as Integer, a text as Double.
enum class Rank { Integer, Long, Single, Double };

Rank rankOf(NumericValue::Type type)
{
    switch (type) {
    case NumericValue::Type::Empty:
    case NumericValue::Type::Integer:
        return Rank::Integer;
    case NumericValue::Type::Long:
        return Rank::Long;
    case NumericValue::Type::Single:
    case NumericValue::Type::SingleRef:
        return Rank::Single;
    case NumericValue::Type::Double:
    case NumericValue::Type::Text:
        return Rank::Double;
    }
    return Rank::Double;
}

Rank commonRank(const NumericValue &left, const NumericValue &right)
{
    const Rank a = rankOf(left.type());
    const Rank b = rankOf(right.type());
    // A single cannot hold every 32-bit integer exactly.
    if ((a == Rank::Long && b == Rank::Single) || (a == Rank::Single && b == Rank::Long))
        return Rank::Double;
    return std::max(a, b);
}

NumericValue integerResult(std::int64_t value, Rank atLeast)
{
    if (atLeast == Rank::Integer && value >= std::numeric_limits<std::int16_t>::min() &&
        value <= std::numeric_limits<std::int16_t>::max())
        return NumericValue(static_cast<std::int16_t>(value));
    if (value >= std::numeric_limits<std::int32_t>::min() &&
        value <= std::numeric_limits<std::int32_t>::max())
        return NumericValue::fromInt32(static_cast<std::int32_t>(value));
    return NumericValue(static_cast<double>(value));
}

template<class Op>
NumericValue arithmetic(const NumericValue &left, const NumericValue &right, Op op)
{
    const Rank rank = commonRank(left, right);
    switch (rank) {
    case Rank::Integer:
    case Rank::Long:
        // Both fit in 32 bits, so 64-bit results are exact.
        return integerResult(op(static_cast<std::int64_t>(left.toInt32()),
                                static_cast<std::int64_t>(right.toInt32())),
                             rank);
    case Rank::Single: {
        const float result = op(left.toSingle(), right.toSingle());
        if (std::isinf(result))
            return NumericValue(op(left.toDouble(), right.toDouble()));
        return NumericValue(result);
    }
    case Rank::Double:
        break;
    }
    return NumericValue(op(left.toDouble(), right.toDouble()));
}

} // namespace

NumericValue NumericValue::fromInt32(std::int32_t value)
{
    NumericValue result;
    result.m_value = value;
    return result;
}

NumericValue NumericValue::reference(float &single)
{
    NumericValue value;
    value.m_value = SingleSlot{&single};
    return value;
}

double NumericValue::toDouble() const
{
    switch (type()) {
    case Type::Empty:
        return 0.0;
    case Type::Integer:
        return std::get<std::int16_t>(m_value);
    case Type::Long:
        return std::get<std::int32_t>(m_value);
    case Type::Single:
        return std::get<float>(m_value);
    case Type::Double:
        return std::get<double>(m_value);
    case Type::SingleRef:
        return *std::get<SingleSlot>(m_value).single;
    case Type::Text:
        return textToNumber(std::get<QString>(m_value));
    }
    return 0.0;
}

float NumericValue::toSingle() const
{
    if (type() == Type::Single)
        return std::get<float>(m_value);
    if (type() == Type::SingleRef)
        return *std::get<SingleSlot>(m_value).single;
    const double value = toDouble();
    const float single = static_cast<float>(value);
    if (!std::isfinite(single))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return single;
}

std::int32_t NumericValue::toInt32() const
{
    switch (type()) {
    case Type::Empty:
        return 0;
    case Type::Integer:
        return std::get<std::int16_t>(m_value);
    case Type::Long:
        return std::get<std::int32_t>(m_value);
    default:
        break;
    }
    const double rounded = std::nearbyint(toDouble());
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return static_cast<std::int32_t>(rounded);
}

QString NumericValue::toText() const
{
    switch (type()) {
    case Type::Empty:
        return {};
    case Type::Text:
        return std::get<QString>(m_value);
    default:
        return numberToText(*this);
    }
}

NumericValue NumericValue::compareLess(const NumericValue &right) const
{
    return NumericValue(std::int16_t(*this < right ? -1 : 0));
}

NumericValue NumericValue::compareGreater(const NumericValue &right) const
{
    return NumericValue(std::int16_t(*this > right ? -1 : 0));
}

NumericValue NumericValue::add(const NumericValue &left, const NumericValue &right)
{
    const bool leftJoins = left.isText() || left.type() == NumericValue::Type::Empty;
    const bool rightJoins = right.isText() || right.type() == NumericValue::Type::Empty;
    if ((left.isText() || right.isText()) && leftJoins && rightJoins)
        return NumericValue(left.toText() + right.toText());
    return arithmetic(left, right, [](auto a, auto b) { return a + b; });
}

NumericValue NumericValue::subtract(const NumericValue &left, const NumericValue &right)
{
    return arithmetic(left, right, [](auto a, auto b) { return a - b; });
}

NumericValue NumericValue::multiply(const NumericValue &left, const NumericValue &right)
{
    return arithmetic(left, right, [](auto a, auto b) { return a * b; });
}

NumericValue NumericValue::divide(const NumericValue &left, const NumericValue &right)
{
    if (right.toDouble() == 0.0)
        throw RuntimeError(RuntimeError::Kind::DivisionByZero);
    if (commonRank(left, right) == Rank::Single) {
        const float result = left.toSingle() / right.toSingle();
        if (std::isfinite(result))
            return NumericValue(result);
    }
    return NumericValue(left.toDouble() / right.toDouble());
}

NumericValue operator|(const NumericValue &left, const NumericValue &right)
{
    return integerResult(left.toInt32() | right.toInt32(),
                         commonRank(left, right) == Rank::Integer ? Rank::Integer : Rank::Long);
}

std::partial_ordering NumericValue::compare(const NumericValue &left, const NumericValue &right)
{
    if (left.isText() && right.isText()) {
        const int order = QString::compare(left.toText(), right.toText());
        return order < 0   ? std::partial_ordering::less
               : order > 0 ? std::partial_ordering::greater
                           : std::partial_ordering::equivalent;
    }
    return left.toDouble() <=> right.toDouble();
}

std::int32_t checkedSubtract(std::int32_t left, std::int32_t right)
{
    std::int32_t result = 0;
    if (__builtin_sub_overflow(left, right, &result))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return result;
}
