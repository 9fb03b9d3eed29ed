#include "conversions.h"

#include "runtimeerror.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

bool isSkipped(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Reads a text like a person would read the number it begins with.
class NumberScanner {
public:
    explicit NumberScanner(QStringView text)
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

    char16_t peek() const { return m_pos < m_text.size() ? m_text[m_pos].unicode() : u'\0'; }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && isSkipped(m_text[m_pos].unicode()))
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
        const qsizetype start = m_pos;
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
            exponent = std::min(exponent * 10 + (peek() - u'0'), ExponentCap);
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
        const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
        if (result.ec == std::errc::result_out_of_range) {
            if (scale > 0)
                throw RuntimeError(RuntimeError::Kind::Overflow);
            return 0.0;
        }
        return value;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
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

template<class Float>
Decimal decimalDigits(Float magnitude, int precision)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, precision - 1);
    const std::string_view text(buffer, result.ptr);
    const auto e = text.find('e');
    Decimal decimal;
    for (const char c : text.substr(0, e))
        if (c != '.')
            decimal.digits.push_back(c);
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(),
                    decimal.exponent);
    return decimal;
}

template<class Float>
QString floatingText(Float value, int precision)
{
    if (std::isnan(value))
        return QStringLiteral(" NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Inf") : QStringLiteral(" Inf");
    if (value == 0)
        return QStringLiteral(" 0");

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
        text += "0." + std::string(-exponent - 1, '0') + digits;
    } else {
        if (digits.size() <= static_cast<size_t>(exponent) + 1) {
            text += digits + std::string(exponent + 1 - digits.size(), '0');
        } else {
            text += digits.substr(0, exponent + 1) + '.' + digits.substr(exponent + 1);
        }
    }
    return QString::fromLatin1(text);
}

} // namespace

double textToNumber(QStringView text)
{
    return NumberScanner(text).scan();
}

QString numberToText(const NumericValue &value)
{
    switch (value.type()) {
    case NumericValue::Type::Empty:
    case NumericValue::Type::Integer:
    case NumericValue::Type::Long: {
        const std::int32_t integer = value.toInt32();
        return (integer < 0 ? QString() : QStringLiteral(" ")) + QString::number(integer);
    }
    case NumericValue::Type::Single:
    case NumericValue::Type::SingleRef:
        return floatingText(value.toSingle(), 7);
    case NumericValue::Type::Double:
    case NumericValue::Type::Text:
        break;
    }
    return floatingText(value.toDouble(), 15);
}

QString formatWithPattern(const NumericValue &value, QStringView pattern)
{
    const qsizetype point = pattern.indexOf(u'.');
    const QStringView integerPattern = point < 0 ? pattern : pattern.first(point);
    const QStringView fractionPattern = point < 0 ? QStringView() : pattern.sliced(point + 1);
    const auto minIntegerDigits = static_cast<size_t>(integerPattern.count(u'0'));
    const auto decimals = static_cast<int>(fractionPattern.count(u'0'));

    const double number = value.toDouble();
    if (!std::isfinite(number))
        throw RuntimeError(RuntimeError::Kind::Overflow);

    std::string digits = "0";
    int integerDigits = 1;
    if (number != 0) {
        Decimal decimal = decimalDigits(std::fabs(number), 15);
        digits = std::move(decimal.digits);
        integerDigits = decimal.exponent + 1;
        if (integerDigits < 1) {
            digits.insert(0, static_cast<size_t>(1 - integerDigits), '0');
            integerDigits = 1;
        }
    }

    const auto kept = static_cast<size_t>(integerDigits + decimals);
    if (digits.size() > kept) {
        const bool roundUp = digits[kept] >= '5';
        digits.resize(kept);
        if (roundUp) {
            size_t i = kept;
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

    std::string integerPart = digits.substr(0, static_cast<size_t>(integerDigits));
    const size_t firstSignificant = integerPart.find_first_not_of('0');
    integerPart.erase(0, std::min(firstSignificant, integerPart.size()));
    if (integerPart.size() < minIntegerDigits)
        integerPart.insert(0, minIntegerDigits - integerPart.size(), '0');

    std::string text = integerPart;
    if (decimals > 0)
        text += '.' + digits.substr(static_cast<size_t>(integerDigits));
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;
    if (number < 0 && !isZero)
        text.insert(0, 1, '-');
    return QString::fromLatin1(text);
}

QString charFromCode(char16_t code)
{
    return QString(QChar(code));
}

std::int32_t findText(QStringView searched, QStringView sought, std::int32_t start)
{
    if (start < 1 || start > searched.size() + 1)
        return 0;
    return static_cast<std::int32_t>(searched.indexOf(sought, start - 1) + 1);
}
