// Any finite double is written with at least one integer digit, a point and two decimals, and
// lies within half a hundredth of the number (at 15 significant digits).
#include "conversions.h"
#include "runtimeerror.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// -?(0|[1-9][0-9]*)\.[0-9]{2}
bool wellFormed(const std::u16string &text)
{
    const auto digit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    std::size_t i = text.size() > 0 && text[0] == u'-' ? 1 : 0;
    const std::size_t point = text.find(u'.');
    if (point == std::u16string::npos || point == i || text.size() != point + 3)
        return false;
    if (text[i] == u'0' && point != i + 1)
        return false;
    for (; i < text.size(); ++i) {
        if (i != point && !digit(text[i]))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    double number = 0;
    std::memcpy(&number, data, std::min(size, sizeof number));
    std::u16string text;
    try {
        text = formatWithPattern(number, u"###0.00");
    } catch (const RuntimeError &) {
        if (std::isfinite(number))
            std::abort();
        return 0;
    }
    if (!wellFormed(text))
        std::abort();
    try {
        const double back = textToNumber(text);
        if (std::fabs(back - number) > 0.005 + 1e-14 * std::fabs(number))
            std::abort();
    } catch (const RuntimeError &) {
        // Only the largest doubles, whose 15 digits round up past the range, read back as overflow.
        if (std::fabs(number) < 1.797693134862315e308)
            std::abort();
    }
    return 0;
}
