#include "boundedarray.h"
#include "conversions.h"
#include "numericvalue.h"
#include "runtimeerror.h"

#include <QTest>
#include <cfloat>
#include <cmath>

using namespace Qt::StringLiterals;
using Type = NumericValue::Type;

Q_DECLARE_METATYPE(NumericValue)
Q_DECLARE_METATYPE(RuntimeError::Kind)
Q_DECLARE_METATYPE(std::function<void()>)

class TestNumericValue : public QObject {
    Q_OBJECT

private slots:
    void arithmetic_data();
    void arithmetic();
    void comparisons_data();
    void comparisons();
    void conversions_data();
    void conversions();
    void errors_data();
    void errors();
    void boundedArray();
};

void TestNumericValue::arithmetic_data()
{
    QTest::addColumn<NumericValue>("result");
    QTest::addColumn<Type>("type");
    QTest::addColumn<QString>("text");

    const std::int16_t i16max = 32767;
    const float big = std::ldexp(1.0f, 127);
    static float slot = 2.5f;
    QTest::newRow("integer sum") << NumericValue(2) + 3 << Type::Integer << u" 5"_s;
    QTest::newRow("integer widens to long")
        << NumericValue(i16max) + 1 << Type::Long << u" 32768"_s;
    QTest::newRow("negative widens") << NumericValue(-32768) - 1 << Type::Long << u"-32769"_s;
    QTest::newRow("product widens") << NumericValue(200) * 200 << Type::Long << u" 40000"_s;
    QTest::newRow("long stays long") << NumericValue(40000) - 39999 << Type::Long << u" 1"_s;
    QTest::newRow("long widens to double")
        << NumericValue(2147483647) + 1 << Type::Double << u" 2147483648"_s;
    QTest::newRow("integer and single") << NumericValue(1) + 0.5f << Type::Single << u" 1.5"_s;
    QTest::newRow("long and single") << NumericValue(40000) + 0.5f << Type::Double << u" 40000.5"_s;
    QTest::newRow("single widens to double")
        << NumericValue(big) + big << Type::Double << u" 3.40282366920938E+38"_s;
    QTest::newRow("double sum") << NumericValue(0.1) + 0.2 << Type::Double << u" 0.3"_s;
    QTest::newRow("interest") << NumericValue(5000000.0) * 12.0 / 100 << Type::Double
                              << u" 600000"_s;
    QTest::newRow("double overflows to infinity")
        << NumericValue(1e308) * 10.0 << Type::Double << u" Inf"_s;
    QTest::newRow("integer division is floating")
        << NumericValue(7) / 2 << Type::Double << u" 3.5"_s;
    QTest::newRow("single division")
        << NumericValue(1.0f) / 3.0f << Type::Single << u" 0.3333333"_s;
    QTest::newRow("texts join left first")
        << NumericValue(u"ab"_s) + NumericValue(u"cd"_s) << Type::Text << u"abcd"_s;
    QTest::newRow("empty joins a text")
        << NumericValue() + NumericValue(u"x"_s) << Type::Text << u"x"_s;
    QTest::newRow("empty plus empty")
        << NumericValue() + NumericValue() << Type::Integer << u" 0"_s;
    QTest::newRow("text read as number") << NumericValue(u"5"_s) + 1 << Type::Double << u" 6"_s;
    QTest::newRow("single reference")
        << NumericValue::reference(slot) * 2 << Type::Single << u" 5"_s;
    const auto compound = [](NumericValue value, auto op) {
        op(value);
        return value;
    };
    QTest::newRow("+= on a double")
        << compound(0.5, [](auto &v) { v += 1; }) << Type::Double << u" 1.5"_s;
    QTest::newRow("+= widens an integer")
        << compound(i16max, [](auto &v) { v += 1; }) << Type::Long << u" 32768"_s;
    QTest::newRow("+= joins texts")
        << compound(u"a"_s, [](auto &v) { v += NumericValue(u"b"_s); }) << Type::Text << u"ab"_s;
    QTest::newRow("*= then /=") << compound(5000000.0, [](auto &v) { v *= 12.0, v /= 100; })
                                << Type::Double << u" 600000"_s;
    QTest::newRow("-= on an integer")
        << compound(3, [](auto &v) { v -= 0.5; }) << Type::Double << u" 2.5"_s;
    QTest::newRow("truth values or")
        << (NumericValue(0).compareLess(1) | NumericValue(0)) << Type::Integer << u"-1"_s;
    QTest::newRow("false or false")
        << (NumericValue(1).compareLess(0) | NumericValue(1).compareGreater(5)) << Type::Integer
        << u" 0"_s;
}

void TestNumericValue::arithmetic()
{
    QFETCH(NumericValue, result);
    QFETCH(Type, type);
    QFETCH(QString, text);
    QCOMPARE(result.type(), type);
    QCOMPARE(result.toText(), text);
}

void TestNumericValue::comparisons_data()
{
    QTest::addColumn<NumericValue>("left");
    QTest::addColumn<NumericValue>("right");
    QTest::addColumn<int>("order");

    QTest::newRow("doubles beyond single precision")
        << NumericValue(1.00000001) << NumericValue(1.00000002) << -1;
    QTest::newRow("the same numbers as singles")
        << NumericValue(1.00000001f) << NumericValue(1.00000002f) << 0;
    QTest::newRow("integer and double") << NumericValue(5) << NumericValue(5.0) << 0;
    QTest::newRow("negative and empty") << NumericValue(-0.5) << NumericValue() << -1;
    QTest::newRow("double and single") << NumericValue(0.1) << NumericValue(0.1f) << -1;
    QTest::newRow("texts") << NumericValue(u"abd"_s) << NumericValue(u"abc"_s) << 1;
    QTest::newRow("text and number") << NumericValue(u"12"_s) << NumericValue(9) << 1;
}

void TestNumericValue::comparisons()
{
    QFETCH(NumericValue, left);
    QFETCH(NumericValue, right);
    QFETCH(int, order);
    QCOMPARE(left < right, order < 0);
    QCOMPARE(left > right, order > 0);
    QCOMPARE(left == right, order == 0);
    QCOMPARE(left >= right, order >= 0);
    QCOMPARE(left.compareLess(right).isTrue(), order < 0);
    QCOMPARE(left.compareGreater(right).isTrue(), order > 0);
}

void TestNumericValue::conversions_data()
{
    QTest::addColumn<NumericValue>("value");
    QTest::addColumn<float>("single");
    QTest::addColumn<int>("int32");

    QTest::newRow("largest single") << NumericValue(double(FLT_MAX)) << FLT_MAX << 0;
    QTest::newRow("nearest single") << NumericValue(3.14159265358979) << 3.1415927f << 3;
    QTest::newRow("half rounds to even down") << NumericValue(2.5) << 2.5f << 2;
    QTest::newRow("half rounds to even up") << NumericValue(3.5) << 3.5f << 4;
    QTest::newRow("negative") << NumericValue(-10.4) << -10.4f << -10;
    QTest::newRow("text") << NumericValue(u" 7,5"_s) << 7.5f << 8;
    QTest::newRow("empty") << NumericValue() << 0.0f << 0;
}

void TestNumericValue::conversions()
{
    QFETCH(NumericValue, value);
    QFETCH(float, single);
    QFETCH(int, int32);
    QCOMPARE(value.toSingle(), single);
    if (std::fabs(value.toDouble()) < 2147483647.0)
        QCOMPARE(value.toInt32(), int32);
}

void TestNumericValue::errors_data()
{
    QTest::addColumn<std::function<void()>>("operation");
    QTest::addColumn<RuntimeError::Kind>("kind");

    using Op = std::function<void()>;
    const auto overflow = RuntimeError::Kind::Overflow;
    QTest::newRow("single beyond range") << Op([] { NumericValue(1e39).toSingle(); }) << overflow;
    QTest::newRow("negative single beyond range")
        << Op([] { NumericValue(-1e39).toSingle(); }) << overflow;
    QTest::newRow("infinity to single")
        << Op([] { (NumericValue(1e308) * 10.0).toSingle(); }) << overflow;
    QTest::newRow("int32 beyond range")
        << Op([] { NumericValue(2147483647.5).toInt32(); }) << overflow;
    QTest::newRow("checked subtraction")
        << Op([] { checkedSubtract(-2147483647 - 1, 1); }) << overflow;
    QTest::newRow("division by zero")
        << Op([] { NumericValue(1) / 0; }) << RuntimeError::Kind::DivisionByZero;
    QTest::newRow("compound division by zero")
        << Op([] { NumericValue(1.5) /= 0; }) << RuntimeError::Kind::DivisionByZero;
    QTest::newRow("zero by zero") << Op([] { NumericValue(0.0) / NumericValue(); })
                                  << RuntimeError::Kind::DivisionByZero;
}

void TestNumericValue::errors()
{
    QFETCH(std::function<void()>, operation);
    QFETCH(RuntimeError::Kind, kind);
    try {
        operation();
        QFAIL("no runtime error raised");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.kind(), kind);
    }
}

void TestNumericValue::boundedArray()
{
    BoundedArray<float, 0, 10> array;
    array[10] = 1.5f;
    QCOMPARE(array[NumericValue(9.6)], 1.5f); // rounded index
    QCOMPARE(array[0], 0.0f);
    for (const NumericValue &index : {NumericValue(11), NumericValue(-1), NumericValue(10.5001)}) {
        try {
            array[index] = 0;
            QFAIL("index outside 0 to 10 accepted");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.kind(), RuntimeError::Kind::SubscriptOutOfRange);
        }
    }
}

QTEST_APPLESS_MAIN(TestNumericValue)
#include "tst_numericvalue.moc"
