#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Conversions between UTF-16 text and plain numbers. None of them depends on the locale: the
// decimal mark written is always a point.

// The number the text begins with, 0 when it begins with none. Blanks, tabs, carriage returns and
// line feeds are skipped wherever they stand before or inside the number; then an optional sign,
// digits, an optional decimal mark (a point or a comma) with digits, and an optional exponent
// (E, e, D or d, an optional sign, digits). Reading stops at the first other character. A number
// beyond the double range raises the overflow error.
double textToNumber(std::u16string_view text);

// An integer in full, with a leading blank when it is zero or positive, a minus otherwise.
std::u16string integerText(std::int32_t value);

// At most `significantDigits` significant digits (7 for a single, 15 for a double); the exponent
// form ("1.5E-10", "1E+39") when the decimal exponent is below -4 or not below that count. A
// leading blank for zero and positive numbers, a minus for negative ones.
std::u16string floatingText(double value, int significantDigits);

// At least `minIntegerDigits` integer digits and exactly `decimals` decimals, rounded half away
// from zero on the number's 15 significant digits; a minus only when the result is not zero. The
// overflow error for a number that is not finite.
std::u16string fixedText(double value, int minIntegerDigits, int decimals);

// The character with the given UTF-16 code: 13, then 10 make a line break.
std::u16string charFromCode(char16_t code);

// The 1-based position of the first occurrence of `sought` in `searched` from position `start`,
// 0 when there is none.
std::int32_t findText(std::u16string_view searched, std::u16string_view sought,
                      std::int32_t start = 1);
