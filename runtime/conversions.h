#pragma once

#include "numericvalue.h"

#include <QString>
#include <QStringView>

// Conversions between text and numbers. None of them depends on the locale: the decimal mark
// written is always a point.

// The number the text begins with, 0 when it begins with none. Blanks, tabs, carriage returns and
// line feeds are skipped wherever they stand before or inside the number; then an optional sign,
// digits, an optional decimal mark (a point or a comma) with digits, and an optional exponent
// (E, e, D or d, an optional sign, digits). Reading stops at the first other character. A number
// beyond the double range raises the overflow error.
double textToNumber(QStringView text);

// Decimal text at the value's own precision: integers in full, a single with at most 7
// significant digits, a double with at most 15; the exponent form ("1.5E-10", "1E+39") when the
// decimal exponent is below -4 or not below that digit count. A leading blank for zero and
// positive numbers, a minus for negative ones.
QString numberToText(const NumericValue &value);

// The value with the decimals that a pattern such as "###0.00" asks for: at least as many integer
// digits as the pattern has zeros before its point, as many decimals as zeros after it, rounded
// half away from zero on the number's 15 significant digits. A minus for a negative result.
// The overflow error for a value that is not finite.
QString formatWithPattern(const NumericValue &value, QStringView pattern);

// The character with the given UTF-16 code: 13, then 10 make a line break.
QString charFromCode(char16_t code);

// The 1-based position of the first occurrence of `sought` in `searched` from position `start`,
// 0 when there is none.
std::int32_t findText(QStringView searched, QStringView sought, std::int32_t start = 1);
