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
    NumericValue(int value);
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

    friend NumericValue operator+(const NumericValue &left, const NumericValue &right);
    friend NumericValue operator-(const NumericValue &left, const NumericValue &right);
    friend NumericValue operator*(const NumericValue &left, const NumericValue &right);
    // The division-by-zero error for a zero divisor.
    friend NumericValue operator/(const NumericValue &left, const NumericValue &right);
    // Bitwise or of the two values as integers; joins truth values.
    friend NumericValue operator|(const NumericValue &left, const NumericValue &right);

    friend std::partial_ordering operator<=>(const NumericValue &left, const NumericValue &right);
    friend bool operator==(const NumericValue &left, const NumericValue &right);

private:
    struct SingleSlot {
        float *single;
    };
    std::variant<std::monostate, std::int16_t, std::int32_t, float, double, SingleSlot, QString>
        m_value;
};

// 32-bit subtraction of typed integers: the overflow error instead of widening.
std::int32_t checkedSubtract(std::int32_t left, std::int32_t right);
