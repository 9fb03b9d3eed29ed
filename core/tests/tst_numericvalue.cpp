#include "boundedarray.h"
#include "conversions.h"
#include "numericvalue.h"
#include "testsupport.h"

#include <cfloat>
#include <cmath>
#include <functional>

using Type = NumericValue::Type;

namespace {

NumericValue compound(NumericValue value, const std::function<void(NumericValue &)> &op)
{
    op(value);
    return value;
}

} // namespace

TEST_CASE("arithmetic gives the wider type, and its text")
{
    const std::int16_t i16max = 32767;
    const float big = std::ldexp(1.0f, 127);
    static float slot = 2.5f;
    struct Row {
        const char *name;
        NumericValue result;
        Type type;
        std::u16string text;
    };
    const Row rows[] = {
        {"32767 is 16-bit", NumericValue(32767), Type::Integer, u" 32767"},
        {"-32768 is 16-bit", NumericValue(-32768), Type::Integer, u"-32768"},
        {"32768 is 32-bit", NumericValue(32768), Type::Long, u" 32768"},
        {"-32769 is 32-bit", NumericValue(-32769), Type::Long, u"-32769"},
        {"the lowest 32-bit value stays 32-bit", NumericValue(-2147483647) - 1, Type::Long,
         u"-2147483648"},
        {"integer sum", NumericValue(2) + 3, Type::Integer, u" 5"},
        {"integer sum landing on 32767", NumericValue(32000) + 767, Type::Integer, u" 32767"},
        {"integer widens to long", NumericValue(i16max) + 1, Type::Long, u" 32768"},
        {"negative widens", NumericValue(-32768) - 1, Type::Long, u"-32769"},
        {"product widens", NumericValue(200) * 200, Type::Long, u" 40000"},
        {"long stays long", NumericValue(40000) - 39999, Type::Long, u" 1"},
        {"long widens to double", NumericValue(2147483647) + 1, Type::Double, u" 2147483648"},
        {"integer and single", NumericValue(1) + 0.5f, Type::Single, u" 1.5"},
        {"long and single meet as doubles", NumericValue(40000) + 0.5f, Type::Double, u" 40000.5"},
        {"single and long meet as doubles", NumericValue(0.1f) + 40000, Type::Double,
         u" 40000.1000000015"},
        {"long and single, single second", NumericValue(40000) + 0.1f, Type::Double,
         u" 40000.1000000015"},
        {"single widens to double", NumericValue(big) + big, Type::Double,
         u" 3.40282366920938E+38"},
        {"double sum", NumericValue(0.1) + 0.2, Type::Double, u" 0.3"},
        {"integer and double", NumericValue(1) - 0.25, Type::Double, u" 0.75"},
        {"interest", NumericValue(5000000.0) * 12.0 / 100, Type::Double, u" 600000"},
        {"double overflows to infinity", NumericValue(1e308) * 10.0, Type::Double, u" Inf"},
        {"integer division is floating", NumericValue(7) / 2, Type::Double, u" 3.5"},
        {"single division", NumericValue(1.0f) / 3.0f, Type::Single, u" 0.3333333"},
        {"texts join left first", NumericValue(u"ab") + NumericValue(u"cd"), Type::Text, u"abcd"},
        {"empty joins a text", NumericValue() + NumericValue(u"x"), Type::Text, u"x"},
        {"empty plus empty", NumericValue() + NumericValue(), Type::Integer, u" 0"},
        {"text read as number", NumericValue(u"5") + 1, Type::Double, u" 6"},
        {"single reference", NumericValue::reference(slot) * 2, Type::Single, u" 5"},
        {"+= on a double", compound(0.5, [](auto &v) { v += 1; }), Type::Double, u" 1.5"},
        {"+= landing on 32767", compound(32766, [](auto &v) { v += 1; }), Type::Integer, u" 32767"},
        {"+= widens an integer", compound(i16max, [](auto &v) { v += 1; }), Type::Long, u" 32768"},
        {"+= joins texts", compound(u"a", [](auto &v) { v += NumericValue(u"b"); }), Type::Text,
         u"ab"},
        {"*= then /=", compound(5000000.0, [](auto &v) { v *= 12.0, v /= 100; }), Type::Double,
         u" 600000"},
        {"-= on an integer", compound(3, [](auto &v) { v -= 0.5; }), Type::Double, u" 2.5"},
        {"truth values or", NumericValue(0).compareLess(1) | NumericValue(0), Type::Integer, u"-1"},
        {"false or false", NumericValue(1).compareLess(0) | NumericValue(1).compareGreater(5),
         Type::Integer, u" 0"},
        {"or of longs", NumericValue(65536) | NumericValue(1), Type::Long, u" 65537"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        CHECK(row.result.type() == row.type);
        CHECK(row.result.toText() == row.text);
    }
}

TEST_CASE("comparisons of mixed types")
{
    struct Row {
        const char *name;
        NumericValue left;
        NumericValue right;
        int order;
    };
    const Row rows[] = {
        {"doubles beyond single precision", 1.00000001, 1.00000002, -1},
        {"the same numbers as singles", 1.00000001f, 1.00000002f, 0},
        {"integer and double", 5, 5.0, 0},
        {"negative and empty", -0.5, NumericValue(), -1},
        {"double and single", 0.1, 0.1f, -1},
        {"texts", u"abd", u"abc", 1},
        {"equal texts", u"abc", u"abc", 0},
        {"a text and its prefix", u"ab", u"abc", -1},
        {"text and number", u"12", 9, 1},
        {"long and integer", NumericValue::fromInt32(7), 7, 0},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        CHECK((row.left < row.right) == (row.order < 0));
        CHECK((row.left > row.right) == (row.order > 0));
        CHECK((row.left == row.right) == (row.order == 0));
        CHECK((row.left >= row.right) == (row.order >= 0));
        CHECK(row.left.compareLess(row.right).isTrue() == (row.order < 0));
        CHECK(row.left.compareGreater(row.right).isTrue() == (row.order > 0));
    }
}

TEST_CASE("conversions to single and to 32-bit integer")
{
    struct Row {
        const char *name;
        NumericValue value;
        float single;
        std::int32_t int32;
    };
    const Row rows[] = {
        {"nearest single", 3.14159265358979, 3.1415927f, 3},
        {"half rounds to even down", 2.5, 2.5f, 2},
        {"half rounds to even up", 3.5, 3.5f, 4},
        {"negative", -10.4, -10.4f, -10},
        {"text", u" 7,5", 7.5f, 8},
        {"empty", NumericValue(), 0.0f, 0},
        {"long", NumericValue::fromInt32(100000), 100000.0f, 100000},
        {"the lowest 32-bit value as a double", -2147483648.0, -2147483648.0f, INT32_MIN},
        {"the highest 32-bit value as a double", 2147483647.0, 2147483648.0f, INT32_MAX},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        CHECK(row.value.toSingle() == row.single);
        CHECK(row.value.toInt32() == row.int32);
    }
    CHECK(NumericValue(double(FLT_MAX)).toSingle() == FLT_MAX);
}

TEST_CASE("runtime errors of the value operations")
{
    using Kind = RuntimeError::Kind;
    struct Row {
        const char *name;
        std::function<void()> operation;
        Kind kind;
        std::u16string_view prompt;
    };
    const std::u16string_view overflow = u"Ошибка выполнения: переполнение.";
    const std::u16string_view byZero = u"Ошибка выполнения: деление на ноль.";
    const Row rows[] = {
        {"single beyond range", [] { NumericValue(1e39).toSingle(); }, Kind::Overflow, overflow},
        {"negative single beyond range", [] { NumericValue(-1e39).toSingle(); }, Kind::Overflow,
         overflow},
        {"infinity to single", [] { (NumericValue(1e308) * 10.0).toSingle(); }, Kind::Overflow,
         overflow},
        {"int32 beyond range", [] { NumericValue(2147483647.5).toInt32(); }, Kind::Overflow,
         overflow},
        {"checked subtraction", [] { checkedSubtract(-2147483647 - 1, 1); }, Kind::Overflow,
         overflow},
        {"text beyond doubles", [] { (NumericValue(u"1e400") + 1); }, Kind::Overflow, overflow},
        {"division by zero", [] { NumericValue(1) / 0; }, Kind::DivisionByZero, byZero},
        {"compound division by zero", [] { NumericValue(1.5) /= 0; }, Kind::DivisionByZero, byZero},
        {"zero by empty", [] { NumericValue(0.0) / NumericValue(); }, Kind::DivisionByZero, byZero},
        {"subscript out of range", [] { BoundedArray<float, 0, 10>()[11]; },
         Kind::SubscriptOutOfRange, u"Ошибка выполнения: индекс вне допустимого диапазона."},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        CHECK(raisedError(row.operation) == row.kind);
        CHECK(RuntimeError(row.kind).message() == row.prompt);
    }
}

TEST_CASE("a bounded array tests every index")
{
    BoundedArray<float, 0, 10> array;
    array[10] = 1.5f;
    CHECK(array[NumericValue(9.6)] == 1.5f); // rounded index
    CHECK(array[0] == 0.0f);
    for (const NumericValue &index : {NumericValue(11), NumericValue(-1), NumericValue(10.5001)}) {
        CAPTURE(index.toText());
        CHECK(raisedError([&] { array[index] = 0; }) == RuntimeError::Kind::SubscriptOutOfRange);
    }
}
