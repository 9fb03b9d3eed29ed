#include "conversions.h"

#include <algorithm>

std::u16string numberToText(const NumericValue &value)
{
    // A number writes itself; nothing is written as the integer 0, and a text as the double it
    // reads as.
    switch (value.type()) {
    case NumericValue::Type::Empty:
        return NumericValue(0).toText();
    case NumericValue::Type::Text:
        return NumericValue(value.toDouble()).toText();
    default:
        return value.toText();
    }
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
