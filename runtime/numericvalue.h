#pragma once

#include <QString>
#include <compare>
#include <cstdint>
#include <variant>

// The dynamically typed value the programs compute with.
//
// Arithmetic takes the wider of its operands' types. Integer results that leave their range widen
// (16 to 32 bit, 32 bit to double) instead of failing; single results that leave theirs become
// doubles; double arithmetic follows IEEE and may give an infinity. Division always works in
// floating point. Adding two texts joins them, left first; a text met in other arithmetic or in a
// comparison with a number counts as the number it begins with. Conversions raise RuntimeError.
class NumericValue {
public:
    enum class Type { Empty, Integer, Long, Single, Double, SingleRef, Text };

    NumericValue() = default;
    NumericValue(std::int16_t value)
        : m_value(value)
    {
    }
    // The narrowest integer type that holds the value, as for a literal in the program text.
    NumericValue(int value)
    {
        if (value >= INT16_MIN && value <= INT16_MAX)
            m_value = static_cast<std::int16_t>(value);
        else
            m_value = static_cast<std::int32_t>(value);
    }
    static NumericValue fromInt32(std::int32_t value);
    NumericValue(float value)
        : m_value(value)
    {
    }
    NumericValue(double value)
        : m_value(value)
    {
    }
    NumericValue(const QString &text)
        : m_value(text)
    {
    }
    // Refers to a single held elsewhere (an array slot), which must outlive the value.
    static NumericValue reference(float &single);

    NumericValue(const NumericValue &) = default;
    NumericValue(NumericValue &&) noexcept = default;
    NumericValue &operator=(const NumericValue &) = default;
    // A double or an integer replacing one of its kind skips the variant's general assignment:
    // the year loop of a long loan does little else.
    NumericValue &operator=(NumericValue &&other) noexcept
    {
        if (auto *target = std::get_if<double>(&m_value),
            *source = std::get_if<double>(&other.m_value);
            target && source)
            *target = *source;
        else if (auto *target16 = std::get_if<std::int16_t>(&m_value),
                 *source16 = std::get_if<std::int16_t>(&other.m_value);
                 target16 && source16)
            *target16 = *source16;
        else
            m_value = std::move(other.m_value);
        return *this;
    }

    Type type() const { return static_cast<Type>(m_value.index()); }
    bool isText() const { return type() == Type::Text; }

    double toDouble() const;
    // The nearest single; the overflow error when the value lies beyond the single range.
    float toSingle() const;
    // Rounded half to even; the overflow error outside the 32-bit range.
    std::int32_t toInt32() const;
    // A text as it is; empty for Empty; a number as numberToText writes it.
    QString toText() const;
    bool isTrue() const { return toDouble() != 0.0; }

    // Comparisons that give a value: Integer -1 for true, 0 for false.
    NumericValue compareLess(const NumericValue &right) const;
    NumericValue compareGreater(const NumericValue &right) const;

    // The common cases, doubles with doubles and integers with integers, take a short way.
    friend NumericValue operator+(const NumericValue &left, const NumericValue &right)
    {
        if (double a, b; bothPlain(left, right, a, b) && (left.isDouble() || right.isDouble()))
            return a + b;
        if (const auto *a = left.ifInteger(), *b = right.ifInteger(); a && b)
            return *a + *b;
        return add(left, right);
    }
    friend NumericValue operator-(const NumericValue &left, const NumericValue &right)
    {
        if (double a, b; bothPlain(left, right, a, b) && (left.isDouble() || right.isDouble()))
            return a - b;
        return subtract(left, right);
    }
    friend NumericValue operator*(const NumericValue &left, const NumericValue &right)
    {
        if (double a, b; bothPlain(left, right, a, b) && (left.isDouble() || right.isDouble()))
            return a * b;
        return multiply(left, right);
    }
    // The division-by-zero error for a zero divisor.
    friend NumericValue operator/(const NumericValue &left, const NumericValue &right)
    {
        if (double a, b; bothPlain(left, right, a, b) && b != 0.0)
            return a / b;
        return divide(left, right);
    }
    // In place where the value is a double: the year loop of a long loan does little else.
    NumericValue &operator+=(const NumericValue &right)
    {
        return update(
            right, [](double a, double b) { return a + b; },
            [](const NumericValue &a, const NumericValue &b) { return a + b; });
    }
    NumericValue &operator-=(const NumericValue &right)
    {
        return update(
            right, [](double a, double b) { return a - b; },
            [](const NumericValue &a, const NumericValue &b) { return a - b; });
    }
    NumericValue &operator*=(const NumericValue &right)
    {
        return update(
            right, [](double a, double b) { return a * b; },
            [](const NumericValue &a, const NumericValue &b) { return a * b; });
    }
    NumericValue &operator/=(const NumericValue &right)
    {
        if (double b; right.plain(b) && b == 0.0)
            return *this = *this / right; // raises the error
        return update(
            right, [](double a, double b) { return a / b; },
            [](const NumericValue &a, const NumericValue &b) { return a / b; });
    }

    // Bitwise or of the two values as integers; joins truth values.
    friend NumericValue operator|(const NumericValue &left, const NumericValue &right);

    friend std::partial_ordering operator<=>(const NumericValue &left, const NumericValue &right)
    {
        if (double a, b; bothPlain(left, right, a, b))
            return a <=> b;
        if (const auto *a = left.ifInteger(), *b = right.ifInteger(); a && b)
            return *a <=> *b;
        return compare(left, right);
    }
    friend bool operator==(const NumericValue &left, const NumericValue &right)
    {
        return (left <=> right) == 0;
    }

private:
    template<class DoubleOp, class ValueOp>
    NumericValue &update(const NumericValue &right, DoubleOp doubleOp, ValueOp valueOp)
    {
        double b;
        if (auto *a = std::get_if<double>(&m_value); a && right.plain(b))
            *a = doubleOp(*a, b);
        else
            *this = valueOp(*this, right);
        return *this;
    }

    bool isDouble() const { return type() == Type::Double; }
    // Both operands are doubles or 16-bit integers, read as doubles.
    static bool bothPlain(const NumericValue &left, const NumericValue &right, double &a, double &b)
    {
        return left.plain(a) && right.plain(b);
    }
    bool plain(double &value) const
    {
        if (const auto *d = std::get_if<double>(&m_value))
            value = *d;
        else if (const auto *i = std::get_if<std::int16_t>(&m_value))
            value = *i;
        else
            return false;
        return true;
    }
    // Two of them add up exactly as an int, which the int constructor widens as needed.
    const std::int16_t *ifInteger() const { return std::get_if<std::int16_t>(&m_value); }

    static NumericValue add(const NumericValue &left, const NumericValue &right);
    static NumericValue subtract(const NumericValue &left, const NumericValue &right);
    static NumericValue multiply(const NumericValue &left, const NumericValue &right);
    static NumericValue divide(const NumericValue &left, const NumericValue &right);
    static std::partial_ordering compare(const NumericValue &left, const NumericValue &right);

    struct SingleSlot {
        float *single;
    };
    std::variant<std::monostate, std::int16_t, std::int32_t, float, double, SingleSlot, QString>
        m_value;
};

// 32-bit subtraction of typed integers: the overflow error instead of widening.
std::int32_t checkedSubtract(std::int32_t left, std::int32_t right);
