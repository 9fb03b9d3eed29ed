#pragma once

#include "runtimeerror.h"

#include <cmath>
#include <compare>
#include <cstdint>
#include <string>

// The dynamically typed value the programs compute with.
//
// Arithmetic takes the wider of its operands' types: 16-bit integer, then 32-bit integer, then
// single, then double, with a 32-bit integer and a single meeting as doubles; an empty value
// counts as a 16-bit 0 and a text as the double it begins with. Integer results that leave their
// range widen (16 to 32 bit, 32 bit to double) instead of failing; single results that leave
// theirs become doubles; double arithmetic follows IEEE and may give an infinity. Division always
// works in floating point. Adding two texts (or a text and an empty value) joins them, left
// first. Conversions and division by zero raise RuntimeError.
class NumericValue {
public:
    enum class Type { Empty, Integer, Long, Single, Double, SingleRef, Text };

    NumericValue() = default;
    NumericValue(std::int16_t value)
        : m_type(Type::Integer)
        , m_payload{.integer = value}
    {
    }
    // The narrowest integer type that holds the value, as for a literal in the program text.
    NumericValue(int value)
        : m_type(value >= INT16_MIN && value <= INT16_MAX ? Type::Integer : Type::Long)
        , m_payload{.integer = value}
    {
    }
    static NumericValue fromInt32(std::int32_t value)
    {
        NumericValue result(value);
        result.m_type = Type::Long;
        return result;
    }
    NumericValue(float value)
        : m_type(Type::Single)
        , m_payload{.single = value}
    {
    }
    NumericValue(double value)
        : m_type(Type::Double)
        , m_payload{.real = value}
    {
    }
    NumericValue(std::u16string text)
        : m_type(Type::Text)
        , m_payload{.text = new Text{std::move(text)}}
    {
    }
    NumericValue(const char16_t *text)
        : NumericValue(std::u16string(text))
    {
    }
    // Refers to a single held elsewhere (an array slot), which must outlive the value.
    static NumericValue reference(float &single)
    {
        NumericValue result;
        result.m_type = Type::SingleRef;
        result.m_payload.reference = &single;
        return result;
    }

    // Copies share a text; numbers copy as two words.
    NumericValue(const NumericValue &other) noexcept
        : m_type(other.m_type)
        , m_payload(other.m_payload)
    {
        retain();
    }
    NumericValue(NumericValue &&other) noexcept
        : m_type(other.m_type)
        , m_payload(other.m_payload)
    {
        other.m_type = Type::Empty;
    }
    NumericValue &operator=(const NumericValue &other) noexcept
    {
        other.retain();
        release();
        m_type = other.m_type;
        m_payload = other.m_payload;
        return *this;
    }
    NumericValue &operator=(NumericValue &&other) noexcept
    {
        if (this != &other) {
            release();
            m_type = other.m_type;
            m_payload = other.m_payload;
            other.m_type = Type::Empty;
        }
        return *this;
    }
    ~NumericValue() { release(); }

    Type type() const { return m_type; }
    bool isText() const { return m_type == Type::Text; }

    double toDouble() const
    {
        switch (m_type) {
        case Type::Empty:
            return 0.0;
        case Type::Integer:
        case Type::Long:
            return m_payload.integer;
        case Type::Single:
            return m_payload.single;
        case Type::Double:
            return m_payload.real;
        case Type::SingleRef:
            return *m_payload.reference;
        case Type::Text:
            break;
        }
        return textAsNumber();
    }
    // The nearest single; the overflow error when the value lies beyond the single range.
    float toSingle() const;
    // Rounded half to even; the overflow error outside the 32-bit range.
    std::int32_t toInt32() const;
    // A text as it is; empty for Empty; a number as numberToText writes it.
    std::u16string toText() const;
    bool isTrue() const { return toDouble() != 0.0; }

    // Comparisons that give a value: Integer -1 for true, 0 for false.
    NumericValue compareLess(const NumericValue &right) const { return truth(*this < right); }
    NumericValue compareGreater(const NumericValue &right) const { return truth(*this > right); }

    friend NumericValue operator+(const NumericValue &left, const NumericValue &right)
    {
        if (joins(left, right))
            return joinTexts(left, right);
        return arithmetic(left, right, [](auto a, auto b) { return a + b; });
    }
    friend NumericValue operator-(const NumericValue &left, const NumericValue &right)
    {
        return arithmetic(left, right, [](auto a, auto b) { return a - b; });
    }
    friend NumericValue operator*(const NumericValue &left, const NumericValue &right)
    {
        return arithmetic(left, right, [](auto a, auto b) { return a * b; });
    }
    // The division-by-zero error for a zero divisor.
    friend NumericValue operator/(const NumericValue &left, const NumericValue &right)
    {
        const double divisor = right.toDouble();
        if (divisor == 0.0)
            throw RuntimeError(RuntimeError::Kind::DivisionByZero);
        if (commonRank(left.m_type, right.m_type) == Rank::Single) {
            const float result = left.toSingle() / right.toSingle();
            if (std::isfinite(result))
                return result;
        }
        return left.toDouble() / divisor;
    }
    NumericValue &operator+=(const NumericValue &right) { return *this = *this + right; }
    NumericValue &operator-=(const NumericValue &right) { return *this = *this - right; }
    NumericValue &operator*=(const NumericValue &right) { return *this = *this * right; }
    NumericValue &operator/=(const NumericValue &right) { return *this = *this / right; }

    // Bitwise or of the two values as integers; joins truth values.
    friend NumericValue operator|(const NumericValue &left, const NumericValue &right)
    {
        return integerResult(left.toInt32() | right.toInt32(),
                             commonRank(left.m_type, right.m_type) == Rank::Integer);
    }

    // Two texts compare by their UTF-16 code units, anything else as numbers.
    friend std::partial_ordering operator<=>(const NumericValue &left, const NumericValue &right)
    {
        if (left.isText() && right.isText())
            return compareTexts(left, right);
        return left.toDouble() <=> right.toDouble();
    }
    friend bool operator==(const NumericValue &left, const NumericValue &right)
    {
        return (left <=> right) == 0;
    }

private:
    // The order of widening.
    enum class Rank { Integer, Long, Single, Double };

    static constexpr Rank rankOf(Type type)
    {
        switch (type) {
        case Type::Empty:
        case Type::Integer:
            return Rank::Integer;
        case Type::Long:
            return Rank::Long;
        case Type::Single:
        case Type::SingleRef:
            return Rank::Single;
        case Type::Double:
        case Type::Text:
            break;
        }
        return Rank::Double;
    }

    static constexpr Rank widerRank(Type left, Type right)
    {
        const Rank a = rankOf(left);
        const Rank b = rankOf(right);
        // A single cannot hold every 32-bit integer exactly.
        if ((a == Rank::Long && b == Rank::Single) || (a == Rank::Single && b == Rank::Long))
            return Rank::Double;
        return a > b ? a : b;
    }
    static constexpr int TypeCount = static_cast<int>(Type::Text) + 1;
    // widerRank for every pair of types, looked up once per operation.
    struct RankTable {
        Rank ranks[TypeCount][TypeCount];
        constexpr RankTable()
            : ranks{}
        {
            for (int a = 0; a < TypeCount; ++a)
                for (int b = 0; b < TypeCount; ++b)
                    ranks[a][b] = widerRank(static_cast<Type>(a), static_cast<Type>(b));
        }
    };
    static Rank commonRank(Type left, Type right)
    {
        static constexpr RankTable table;
        return table.ranks[static_cast<int>(left)][static_cast<int>(right)];
    }

    static bool joins(const NumericValue &left, const NumericValue &right)
    {
        const auto joinable = [](Type type) { return type == Type::Text || type == Type::Empty; };
        return (left.isText() || right.isText()) && joinable(left.m_type) && joinable(right.m_type);
    }

    // 16-bit while it fits and both operands were 16-bit, then 32-bit, then double.
    static NumericValue integerResult(std::int64_t value, bool narrow)
    {
        if (narrow && value >= INT16_MIN && value <= INT16_MAX)
            return NumericValue(static_cast<std::int16_t>(value));
        if (value >= INT32_MIN && value <= INT32_MAX)
            return fromInt32(static_cast<std::int32_t>(value));
        return static_cast<double>(value);
    }

    template<class Op>
    static NumericValue arithmetic(const NumericValue &left, const NumericValue &right, Op op)
    {
        switch (const Rank rank = commonRank(left.m_type, right.m_type)) {
        case Rank::Integer:
        case Rank::Long:
            // Both fit in 32 bits, so 64-bit results are exact.
            return integerResult(
                op(std::int64_t{left.m_payload.integer}, std::int64_t{right.m_payload.integer}),
                rank == Rank::Integer);
        case Rank::Single:
            if (const float result = op(left.toSingle(), right.toSingle()); !std::isinf(result))
                return result;
            break;
        case Rank::Double:
            break;
        }
        return op(left.toDouble(), right.toDouble());
    }

    static NumericValue truth(bool value) { return NumericValue(std::int16_t(value ? -1 : 0)); }

    double textAsNumber() const;
    static NumericValue joinTexts(const NumericValue &left, const NumericValue &right);
    static std::partial_ordering compareTexts(const NumericValue &left, const NumericValue &right);

    // A text shared by the copies of a value; the values live on one thread.
    struct Text {
        std::u16string text;
        long references = 1;
    };
    void retain() const
    {
        if (m_type == Type::Text)
            ++m_payload.text->references;
    }
    void release()
    {
        if (m_type == Type::Text && --m_payload.text->references == 0)
            delete m_payload.text;
    }

    // Copied whole, whichever member is in use.
    union Payload {
        // Integer, Long and Empty (as 0).
        std::int32_t integer = 0;
        float single;
        double real;
        float *reference;
        Text *text;
    };

    Type m_type = Type::Empty;
    Payload m_payload;
};

// 32-bit subtraction of typed integers: the overflow error instead of widening.
std::int32_t checkedSubtract(std::int32_t left, std::int32_t right);
