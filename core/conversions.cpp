#include "conversions.h"

#include <algorithm>

std::u16string numberToText(const NumericValue &value)
{
    switch (value.type()) {
    case NumericValue::Type::Empty:
    case NumericValue::Type::Integer:
    case NumericValue::Type::Long:
        return integerText(value.toInt32());
    case NumericValue::Type::Single:
    case NumericValue::Type::SingleRef:
        return floatingText(value.toSingle(), 7);
    case NumericValue::Type::Double:
    case NumericValue::Type::Text:
        break;
    }
    return floatingText(value.toDouble(), 15);
}

std::u16string formatWithPattern(const NumericValue &value, std::u16string_view pattern)
{
    const std::size_t point = pattern.find(u'.');
    const std::u16string_view integerPattern = pattern.substr(0, point);
    const std::u16string_view fractionPattern =
        point == std::u16string_view::npos ? std::u16string_view() : pattern.substr(point + 1);
    const auto zeros = [](std::u16string_view part) {
        return static_cast<int>(std::count(part.begin(), part.end(), u'0'));
    };
    return fixedText(value.toDouble(), zeros(integerPattern), zeros(fractionPattern));
}
