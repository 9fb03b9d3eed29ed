#pragma once

#include "numbertext.h"
#include "numericvalue.h"

#include <string>
#include <string_view>

// Decimal text at the value's own precision: integers in full, a single with at most 7
// significant digits, a double (or a text, read as one) with at most 15. A leading blank for zero
// and positive numbers, a minus for negative ones.
std::u16string numberToText(const NumericValue &value);

// The value with the decimals that a pattern such as "###0.00" asks for: at least as many integer
// digits as the pattern has zeros before its point, as many decimals as zeros after it.
std::u16string formatWithPattern(const NumericValue &value, std::u16string_view pattern);
