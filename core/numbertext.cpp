#include "numbertext.h"

#include "runtimeerror.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fast_float/fast_float.h>

namespace {

bool isSkipped(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

std::u16string fromAscii(std::string_view text)
{
    return std::u16string(text.begin(), text.end());
}

// Reads a text like a person would read the number it begins with.
class NumberScanner {
public:
    explicit NumberScanner(std::u16string_view text)
        : m_text(text)
    {
    }

    double scan()
    {
        skipBlanks();
        bool negative = false;
        if (peek() == u'+' || peek() == u'-') {
            negative = peek() == u'-';
            ++m_pos;
        }
        readDigits(true);
        skipBlanks();
        if (peek() == u'.' || peek() == u',') {
            ++m_pos;
            readDigits(false);
        }
        if (!m_sawDigit)
            return 0.0;
        const std::int64_t exponent = readExponent();
        const double magnitude = compose(exponent);
        return negative ? -magnitude : magnitude;
    }

private:
    static constexpr std::int64_t ExponentCap = 1'000'000;

    char16_t peek() const { return m_pos < m_text.size() ? m_text[m_pos] : u'\0'; }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && isSkipped(m_text[m_pos]))
            ++m_pos;
    }

    // Keeps the significant digits and where the decimal point stands among them.
    void readDigits(bool integerPart)
    {
        for (;;) {
            skipBlanks();
            const char16_t c = peek();
            if (!isDigit(c))
                return;
            ++m_pos;
            m_sawDigit = true;
            if (c == u'0' && m_digits.empty()) {
                if (!integerPart)
                    --m_pointPosition;
                continue;
            }
            m_digits.push_back(static_cast<char>(c));
            if (integerPart)
                ++m_pointPosition;
        }
    }

    // An exponent mark without digits is not part of the number.
    std::int64_t readExponent()
    {
        const std::size_t start = m_pos;
        skipBlanks();
        const char16_t mark = peek();
        if (mark != u'E' && mark != u'e' && mark != u'D' && mark != u'd')
            return 0;
        ++m_pos;
        skipBlanks();
        bool negative = false;
        if (peek() == u'+' || peek() == u'-') {
            negative = peek() == u'-';
            ++m_pos;
        }
        std::int64_t exponent = 0;
        bool any = false;
        for (;;) {
            skipBlanks();
            if (!isDigit(peek()))
                break;
            any = true;
            exponent = std::min<std::int64_t>(exponent * 10 + (peek() - u'0'), ExponentCap);
            ++m_pos;
        }
        if (!any) {
            m_pos = start;
            return 0;
        }
        return negative ? -exponent : exponent;
    }

    // The value 0.<digits> times ten to the power of (point position + exponent).
    double compose(std::int64_t exponent) const
    {
        if (m_digits.empty())
            return 0.0;
        const std::int64_t scale = m_pointPosition + exponent;
        if (scale > 400)
            throw RuntimeError(RuntimeError::Kind::Overflow);
        if (scale < -400)
            return 0.0;
        const std::string text = "0." + m_digits + 'e' + std::to_string(scale);
        double value = 0.0;
        fast_float::from_chars(text.data(), text.data() + text.size(), value);
        // The reader gives an infinity for a number beyond the range instead of saying so.
        if (std::isinf(value))
            throw RuntimeError(RuntimeError::Kind::Overflow);
        return value;
    }

    std::u16string_view m_text;
    std::size_t m_pos = 0;
    bool m_sawDigit = false;
    std::string m_digits;
    std::int64_t m_pointPosition = 0;
};

// Decimal digits of a finite, nonzero number rounded to `precision` significant digits, and the
// decimal exponent of the first one.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal decimalDigits(double magnitude, int precision)
{
    char buffer[64];
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, precision - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
#else
    // Without a locale-free writer in the library: the C library rounds as exactly, and whatever
    // decimal mark its locale writes is skipped below.
    const int length = std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, magnitude);
    const std::string_view text(buffer, static_cast<std::size_t>(std::max(length, 0)));
#endif
    const auto e = text.find('e');
    Decimal decimal;
    for (const char c : text.substr(0, e))
        if (c >= '0' && c <= '9')
            decimal.digits.push_back(c);
    const char *exponent = text.data() + e + 1;
    if (*exponent == '+')
        ++exponent;
    std::from_chars(exponent, text.data() + text.size(), decimal.exponent);
    return decimal;
}

} // namespace

double textToNumber(std::u16string_view text)
{
    return NumberScanner(text).scan();
}

std::u16string integerText(std::int32_t value)
{
    return fromAscii((value < 0 ? "" : " ") + std::to_string(value));
}

std::u16string floatingText(double value, int precision)
{
    if (std::isnan(value))
        return u" NaN";
    if (std::isinf(value))
        return value < 0 ? u"-Inf" : u" Inf";
    if (value == 0)
        return u" 0";

    Decimal decimal = decimalDigits(std::fabs(value), precision);
    std::string &digits = decimal.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = decimal.exponent;

    std::string text(1, value < 0 ? '-' : ' ');
    if (exponent < -4 || exponent >= precision) {
        text += digits[0];
        if (digits.size() > 1)
            text += '.' + digits.substr(1);
        const int magnitude = std::abs(exponent);
        text += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10)
            text += '0';
        text += std::to_string(magnitude);
    } else if (exponent < 0) {
        text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits)
            text += digits + std::string(integerDigits - digits.size(), '0');
        else
            text += digits.substr(0, integerDigits) + '.' + digits.substr(integerDigits);
    }
    return fromAscii(text);
}

std::u16string fixedText(double number, int minIntegerDigits, int decimals)
{
    if (!std::isfinite(number))
        throw RuntimeError(RuntimeError::Kind::Overflow);

    std::string digits = "0";
    int integerDigits = 1;
    if (number != 0) {
        Decimal decimal = decimalDigits(std::fabs(number), 15);
        digits = std::move(decimal.digits);
        integerDigits = decimal.exponent + 1;
        if (integerDigits < 1) {
            digits.insert(0, static_cast<std::size_t>(1 - integerDigits), '0');
            integerDigits = 1;
        }
    }

    const auto kept = static_cast<std::size_t>(integerDigits + decimals);
    if (digits.size() > kept) {
        const bool roundUp = digits[kept] >= '5';
        digits.resize(kept);
        if (roundUp) {
            std::size_t i = kept;
            while (i > 0 && digits[i - 1] == '9')
                digits[--i] = '0';
            if (i == 0) {
                digits.insert(digits.begin(), '1');
                ++integerDigits;
            } else {
                ++digits[i - 1];
            }
        }
    } else {
        digits.append(kept - digits.size(), '0');
    }

    std::string integerPart = digits.substr(0, static_cast<std::size_t>(integerDigits));
    const std::size_t firstSignificant = integerPart.find_first_not_of('0');
    integerPart.erase(0, std::min(firstSignificant, integerPart.size()));
    const auto minimum = static_cast<std::size_t>(std::max(minIntegerDigits, 0));
    if (integerPart.size() < minimum)
        integerPart.insert(0, minimum - integerPart.size(), '0');

    std::string text = integerPart;
    if (decimals > 0)
        text += '.' + digits.substr(static_cast<std::size_t>(integerDigits));
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;
    if (number < 0 && !isZero)
        text.insert(0, 1, '-');
    return fromAscii(text);
}

std::u16string charFromCode(char16_t code)
{
    return std::u16string(1, code);
}

std::int32_t findText(std::u16string_view searched, std::u16string_view sought, std::int32_t start)
{
    if (start < 1 || static_cast<std::size_t>(start) > searched.size() + 1)
        return 0;
    const std::size_t found = searched.find(sought, static_cast<std::size_t>(start - 1));
    return found == std::u16string_view::npos ? 0 : static_cast<std::int32_t>(found + 1);
}
