#include "lessontext.h"

namespace lesson {

std::u16string trimmed(std::u16string_view text)
{
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return {};
    return std::u16string(text.substr(first, text.find_last_not_of(u' ') - first + 1));
}

std::u16string count(long number)
{
    // The counts and slots of a sort, without a round through the runtime's conversion.
    const bool negative = number < 0;
    unsigned long rest =
        negative ? 0ul - static_cast<unsigned long>(number) : static_cast<unsigned long>(number);
    std::u16string digits;
    do {
        digits.insert(digits.begin(), char16_t(u'0' + rest % 10));
        rest /= 10;
    } while (rest != 0);
    if (negative)
        digits.insert(digits.begin(), u'-');
    return digits;
}

std::u16string_view plural(long number, std::u16string_view one, std::u16string_view few,
                           std::u16string_view many)
{
    const long tens = number % 100, units = number % 10;
    if (tens >= 11 && tens <= 14)
        return many;
    if (units == 1)
        return one;
    return units >= 2 && units <= 4 ? few : many;
}

std::u16string singleBlanks(std::u16string_view text)
{
    std::u16string result;
    result.reserve(text.size());
    for (const char16_t c : text) {
        if (c != u' ' || (!result.empty() && result.back() != u' '))
            result += c;
    }
    while (!result.empty() && result.back() == u' ')
        result.pop_back();
    return result;
}

std::u16string concat(std::initializer_list<std::u16string_view> pieces)
{
    std::size_t size = 0;
    for (const auto piece : pieces)
        size += piece.size();
    std::u16string text;
    text.reserve(size);
    for (const auto piece : pieces)
        text.append(piece);
    return text;
}

std::u16string partialYearNote(std::u16string_view share)
{
    return concat({u"неполный год: остаток ", share, u" годовой выплаты"});
}

} // namespace lesson
