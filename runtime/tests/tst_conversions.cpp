#include "conversions.h"
#include "runtimeerror.h"

#include <QTest>
#include <cfloat>

using namespace Qt::StringLiterals;

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    void textToNumber_data();
    void textToNumber();
    void textToNumberOverflow_data();
    void textToNumberOverflow();
    void numberToText_data();
    void numberToText();
    void formatWithPattern_data();
    void formatWithPattern();
    void findText_data();
    void findText();
};

void TestConversions::textToNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");

    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("blanks only") << u"   "_s << 0.0;
    QTest::newRow("integer") << u"5"_s << 5.0;
    QTest::newRow("leading blanks and sign") << u"  -4"_s << -4.0;
    QTest::newRow("plus sign") << u"+7"_s << 7.0;
    QTest::newRow("grouped by blanks") << u"5 000 000"_s << 5000000.0;
    QTest::newRow("tab, CR and LF skipped") << u"\t1\r\n2"_s << 12.0;
    QTest::newRow("decimal point") << u"1.5"_s << 1.5;
    QTest::newRow("decimal comma") << u"12,5"_s << 12.5;
    QTest::newRow("no integer digits") << u".5"_s << 0.5;
    QTest::newRow("trailing point") << u"5."_s << 5.0;
    QTest::newRow("second mark ends") << u"1.2.3"_s << 1.2;
    QTest::newRow("long fraction") << u"3.14159265358979"_s << 3.14159265358979;
    QTest::newRow("exponent") << u"1E+39"_s << 1e39;
    QTest::newRow("negative exponent") << u"2.5e-3"_s << 0.0025;
    QTest::newRow("D exponent") << u"1d2"_s << 100.0;
    QTest::newRow("exponent without digits") << u"1e+"_s << 1.0;
    QTest::newRow("stops at a letter") << u"12abc"_s << 12.0;
    QTest::newRow("letter first") << u"abc 5"_s << 0.0;
    QTest::newRow("lone sign") << u"-"_s << 0.0;
    QTest::newRow("double sign") << u"--5"_s << 0.0;
    QTest::newRow("inf") << u"inf"_s << 0.0;
    QTest::newRow("nan") << u"nan"_s << 0.0;
    QTest::newRow("hexadecimal prefix") << u"&H1A"_s << 0.0;
    QTest::newRow("C hexadecimal") << u"0x1A"_s << 0.0;
    QTest::newRow("Arabic-Indic digit") << u"\u0663"_s << 0.0;
    QTest::newRow("fullwidth digits") << u"\uFF11\uFF12"_s << 0.0;
    QTest::newRow("underflow") << u"1e-400"_s << 0.0;
    QTest::newRow("many leading zeros") << (u"0."_s + QString(500, u'0') + u"1e500"_s) << 0.1;
    QTest::newRow("largest double") << u"1.7976931348623157e308"_s << DBL_MAX;
    QTest::newRow("huge exponent of zero") << u"0e99999999999"_s << 0.0;
}

void TestConversions::textToNumber()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    const double actual = ::textToNumber(text);
    // Exactly: a fuzzy comparison would hide a wrongly rounded last digit.
    QVERIFY2(actual == number, qPrintable(QString::number(actual, 'g', 17)));
}

void TestConversions::textToNumberOverflow_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("just beyond") << u"1.8e308"_s;
    QTest::newRow("exponent") << u"1e309"_s;
    QTest::newRow("negative") << u"-1e400"_s;
    QTest::newRow("four hundred nines") << QString(400, u'9');
    QTest::newRow("huge exponent") << u"1e99999999999"_s;
}

void TestConversions::textToNumberOverflow()
{
    QFETCH(QString, text);
    try {
        ::textToNumber(text);
        QFAIL("no overflow raised");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.kind(), RuntimeError::Kind::Overflow);
    }
}

void TestConversions::numberToText_data()
{
    QTest::addColumn<NumericValue>("value");
    QTest::addColumn<QString>("text");

    const auto d = [](double v) { return NumericValue(v); };
    const auto s = [](float v) { return NumericValue(v); };
    QTest::newRow("empty") << NumericValue() << u" 0"_s;
    QTest::newRow("integer") << NumericValue(10) << u" 10"_s;
    QTest::newRow("negative integer") << NumericValue(std::int16_t(-32768)) << u"-32768"_s;
    QTest::newRow("long") << NumericValue(2147483647) << u" 2147483647"_s;
    QTest::newRow("double zero") << d(0) << u" 0"_s;
    QTest::newRow("minus zero") << d(-0.0) << u" 0"_s;
    QTest::newRow("double integer") << d(5) << u" 5"_s;
    QTest::newRow("double negative") << d(-4) << u"-4"_s;
    QTest::newRow("half") << d(0.5) << u" 0.5"_s;
    QTest::newRow("negative half") << d(-0.5) << u"-0.5"_s;
    QTest::newRow("pi, double") << d(3.14159265358979) << u" 3.14159265358979"_s;
    QTest::newRow("fifteen digits") << d(0.1 + 0.2) << u" 0.3"_s;
    QTest::newRow("beyond single precision") << d(1.00000001) << u" 1.00000001"_s;
    QTest::newRow("fifteen integer digits") << d(123456789012345) << u" 123456789012345"_s;
    QTest::newRow("sixteen integer digits") << d(1e15) << u" 1E+15"_s;
    QTest::newRow("rounded into exponent form") << d(999999999999999.9) << u" 1E+15"_s;
    QTest::newRow("smallest fixed") << d(0.0001) << u" 0.0001"_s;
    QTest::newRow("two exponent digits") << d(0.00001) << u" 1E-05"_s;
    QTest::newRow("small with fraction") << d(1.5e-10) << u" 1.5E-10"_s;
    QTest::newRow("beyond singles") << d(1e39) << u" 1E+39"_s;
    QTest::newRow("negative exponent form") << d(-1e39) << u"-1E+39"_s;
    QTest::newRow("three exponent digits") << d(1.25e-300) << u" 1.25E-300"_s;
    QTest::newRow("pi, single") << s(3.14159265f) << u" 3.141593"_s;
    QTest::newRow("single of a long double") << s(float(3.14159265358979)) << u" 3.141593"_s;
    QTest::newRow("tenth, single") << s(0.1f) << u" 0.1"_s;
    QTest::newRow("equal as singles") << s(1.00000002f) << u" 1"_s;
    QTest::newRow("seven integer digits") << s(1234567) << u" 1234567"_s;
    QTest::newRow("eight integer digits") << s(12345678) << u" 1.234568E+07"_s;
    QTest::newRow("nine integer digits") << s(static_cast<float>(123456789)) << u" 1.234568E+08"_s;
    QTest::newRow("negative single") << s(-7) << u"-7"_s;
    QTest::newRow("small single") << s(0.00001f) << u" 1E-05"_s;
    QTest::newRow("largest single") << s(FLT_MAX) << u" 3.402823E+38"_s;
}

void TestConversions::numberToText()
{
    QFETCH(NumericValue, value);
    QFETCH(QString, text);
    QCOMPARE(::numberToText(value), text);
}

void TestConversions::formatWithPattern_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");

    QTest::newRow("remainder") << 173373.345755 << u"173373.35"_s;
    QTest::newRow("share") << 0.216716682 << u"0.22"_s;
    QTest::newRow("whole") << 800000.0 << u"800000.00"_s;
    QTest::newRow("one") << 1.0 << u"1.00"_s;
    QTest::newRow("zero") << 0.0 << u"0.00"_s;
    QTest::newRow("half up, binary below") << 0.125 << u"0.13"_s;
    QTest::newRow("half up as shown") << 2.675 << u"2.68"_s;
    QTest::newRow("half up, 1.005") << 1.005 << u"1.01"_s;
    QTest::newRow("small half") << 0.005 << u"0.01"_s;
    QTest::newRow("just below half") << 0.004999 << u"0.00"_s;
    QTest::newRow("carry into integer") << 9.995 << u"10.00"_s;
    QTest::newRow("carry adds digit") << 999.999 << u"1000.00"_s;
    QTest::newRow("sum of tenths") << 0.1 + 0.2 << u"0.30"_s;
    QTest::newRow("negative") << -1.5 << u"-1.50"_s;
    QTest::newRow("negative rounds to zero") << -0.001 << u"0.00"_s;
    QTest::newRow("large") << 1e20 << u"100000000000000000000.00"_s;
    QTest::newRow("tiny") << 1e-300 << u"0.00"_s;
}

void TestConversions::formatWithPattern()
{
    QFETCH(double, number);
    QFETCH(QString, text);
    QCOMPARE(::formatWithPattern(number, u"###0.00"), text);
}

void TestConversions::findText_data()
{
    QTest::addColumn<QString>("searched");
    QTest::addColumn<int>("position");

    QTest::newRow("between tokens") << u"12 3"_s << 3;
    QTest::newRow("first of two") << u"1  2"_s << 2;
    QTest::newRow("at the start") << u" 1"_s << 1;
    QTest::newRow("none") << u"1,5"_s << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("tab is no blank") << u"1\t2"_s << 0;
    QTest::newRow("no-break space is no blank") << u"1\u00A02"_s << 0;
}

void TestConversions::findText()
{
    QFETCH(QString, searched);
    QFETCH(int, position);
    QCOMPARE(::findText(searched, u" "), position);
}

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_conversions.moc"
