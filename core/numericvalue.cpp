#include "numericvalue.h"

#include "numbertext.h"

float NumericValue::toSingle() const
{
    if (m_type == Type::Single)
        return m_payload.single;
    if (m_type == Type::SingleRef)
        return *m_payload.reference;
    const float single = static_cast<float>(toDouble());
    if (!std::isfinite(single))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return single;
}

std::int32_t NumericValue::toInt32() const
{
    switch (m_type) {
    case Type::Empty:
    case Type::Integer:
    case Type::Long:
        return m_payload.integer;
    default:
        break;
    }
    const double rounded = std::nearbyint(toDouble());
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return static_cast<std::int32_t>(rounded);
}

std::u16string NumericValue::toText() const
{
    switch (m_type) {
    case Type::Empty:
        return {};
    case Type::Text:
        return m_payload.text->text;
    case Type::Integer:
    case Type::Long:
        return integerText(m_payload.integer);
    case Type::Single:
    case Type::SingleRef:
        return floatingText(toSingle(), 7);
    case Type::Double:
        break;
    }
    return floatingText(m_payload.real, 15);
}

double NumericValue::textAsNumber() const
{
    return textToNumber(m_payload.text->text);
}

NumericValue NumericValue::joinTexts(const NumericValue &left, const NumericValue &right)
{
    return left.toText() + right.toText();
}

std::partial_ordering NumericValue::compareTexts(const NumericValue &left,
                                                 const NumericValue &right)
{
    const int order = left.m_payload.text->text.compare(right.m_payload.text->text);
    return order < 0   ? std::partial_ordering::less
           : order > 0 ? std::partial_ordering::greater
                       : std::partial_ordering::equivalent;
}

std::int32_t checkedSubtract(std::int32_t left, std::int32_t right)
{
    std::int32_t result = 0;
    if (__builtin_sub_overflow(left, right, &result))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    return result;
}
