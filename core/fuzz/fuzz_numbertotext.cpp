// Any integer, single or double is written with a leading blank or minus, and reads back as
// itself to the precision it is written with.
#include "conversions.h"
#include "runtimeerror.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr double LargestReadable = 1.797693134862315e308;

template<class T>
T take(const uint8_t *data, size_t size)
{
    T value{};
    std::memcpy(&value, data, std::min(size, sizeof value));
    return value;
}

void check(const NumericValue &value, double number, double precision)
{
    const std::u16string text = numberToText(value);
    if (text.empty() || (text[0] != u' ' && text[0] != u'-'))
        std::abort();
    if (!std::isfinite(number))
        return;
    try {
        const double back = textToNumber(text);
        if (std::fabs(back - number) > precision * std::fabs(number))
            std::abort();
    } catch (const RuntimeError &) {
        // Only the largest doubles, whose 15 digits round up past the range, read back as overflow.
        if (std::fabs(number) < LargestReadable)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t kind = data[0] % 4;
    ++data;
    --size;
    switch (kind) {
    case 0: {
        const auto value = take<std::int16_t>(data, size);
        check(NumericValue(value), value, 0);
        break;
    }
    case 1: {
        const auto value = take<std::int32_t>(data, size);
        check(NumericValue::fromInt32(value), value, 0);
        break;
    }
    case 2: {
        const auto value = take<float>(data, size);
        check(NumericValue(value), value, 5.0001e-7);
        break;
    }
    default: {
        const auto value = take<double>(data, size);
        check(NumericValue(value), value, 5.25e-15);
        break;
    }
    }
    return 0;
}
