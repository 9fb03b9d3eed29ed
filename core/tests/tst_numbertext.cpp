#include "conversions.h"
#include "testsupport.h"

#include <cfloat>
#include <clocale>
#include <cstdio>

TEST_CASE("textToNumber reads the number a text begins with")
{
    struct Row {
        const char *name;
        std::u16string text;
        double number;
    };
    const Row rows[] = {
        {"empty", u"", 0.0},
        {"blanks only", u"   ", 0.0},
        {"integer", u"5", 5.0},
        {"leading blanks and sign", u"  -4", -4.0},
        {"plus sign", u"+7", 7.0},
        {"grouped by blanks", u"5 000 000", 5000000.0},
        {"tab, CR and LF skipped", u"\t1\r\n2", 12.0},
        {"decimal point", u"1.5", 1.5},
        {"decimal comma", u"12,5", 12.5},
        {"no integer digits", u".5", 0.5},
        {"trailing point", u"5.", 5.0},
        {"second mark ends", u"1.2.3", 1.2},
        {"long fraction", u"3.14159265358979", 3.14159265358979},
        {"exponent", u"1E+39", 1e39},
        {"negative exponent", u"2.5e-3", 0.0025},
        {"D exponent", u"1d2", 100.0},
        {"exponent without digits", u"1e+", 1.0},
        {"stops at a letter", u"12abc", 12.0},
        {"letter first", u"abc 5", 0.0},
        {"lone sign", u"-", 0.0},
        {"double sign", u"--5", 0.0},
        {"inf", u"inf", 0.0},
        {"nan", u"nan", 0.0},
        {"hexadecimal prefix", u"&H1A", 0.0},
        {"C hexadecimal", u"0x1A", 0.0},
        {"Arabic-Indic digit", u"\u0663", 0.0},
        {"fullwidth digits", u"\uFF11\uFF12", 0.0},
        {"underflow", u"1e-400", 0.0},
        {"many leading zeros", u"0." + std::u16string(500, u'0') + u"1e500", 0.1},
        {"largest double", u"1.7976931348623157e308", DBL_MAX},
        {"smallest subnormal", u"4.9406564584124654e-324", 4.9406564584124654e-324},
        {"huge exponent of zero", u"0e99999999999", 0.0},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        // Exactly: a fuzzy comparison would hide a wrongly rounded last digit.
        CHECK(textToNumber(row.text) == row.number);
    }
}

TEST_CASE("textToNumber raises the overflow error beyond the double range")
{
    for (const std::u16string &text :
         {std::u16string(u"1.8e308"), std::u16string(u"1e309"), std::u16string(u"-1e400"),
          std::u16string(400, u'9'), std::u16string(u"1e99999999999")}) {
        CAPTURE(text);
        CHECK(raisedError([&] { textToNumber(text); }) == RuntimeError::Kind::Overflow);
    }
}

TEST_CASE("numberToText writes each type at its own precision")
{
    struct Row {
        const char *name;
        NumericValue value;
        std::u16string text;
    };
    const Row rows[] = {
        {"empty", NumericValue(), u" 0"},
        {"integer", 10, u" 10"},
        {"negative integer", std::int16_t(-32768), u"-32768"},
        {"long", 2147483647, u" 2147483647"},
        {"double zero", 0.0, u" 0"},
        {"minus zero", -0.0, u" 0"},
        {"double integer", 5.0, u" 5"},
        {"double negative", -4.0, u"-4"},
        {"half", 0.5, u" 0.5"},
        {"negative half", -0.5, u"-0.5"},
        {"pi, double", 3.14159265358979, u" 3.14159265358979"},
        {"fifteen digits", 0.1 + 0.2, u" 0.3"},
        {"beyond single precision", 1.00000001, u" 1.00000001"},
        {"fifteen integer digits", 123456789012345.0, u" 123456789012345"},
        {"sixteen integer digits", 1e15, u" 1E+15"},
        {"rounded into exponent form", 999999999999999.9, u" 1E+15"},
        {"smallest fixed", 0.0001, u" 0.0001"},
        {"two exponent digits", 0.00001, u" 1E-05"},
        {"small with fraction", 1.5e-10, u" 1.5E-10"},
        {"beyond singles", 1e39, u" 1E+39"},
        {"negative exponent form", -1e39, u"-1E+39"},
        {"three exponent digits", 1.25e-300, u" 1.25E-300"},
        {"largest double", DBL_MAX, u" 1.79769313486232E+308"},
        {"text read as a double", u"2,50", u" 2.5"},
        {"pi, single", 3.14159265f, u" 3.141593"},
        {"single of a long double", float(3.14159265358979), u" 3.141593"},
        {"tenth, single", 0.1f, u" 0.1"},
        {"equal as singles", 1.00000002f, u" 1"},
        {"seven integer digits", 1234567.0f, u" 1234567"},
        {"eight integer digits", 12345678.0f, u" 1.234568E+07"},
        {"nine integer digits", static_cast<float>(123456789), u" 1.234568E+08"},
        {"negative single", -7.0f, u"-7"},
        {"small single", 0.00001f, u" 1E-05"},
        {"largest single", FLT_MAX, u" 3.402823E+38"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        CHECK(numberToText(row.value) == row.text);
    }
}

TEST_CASE("formatWithPattern keeps two decimals, rounded half away from zero")
{
    struct Row {
        double number;
        std::u16string text;
    };
    const Row rows[] = {
        {173373.345755, u"173373.35"},
        {0.216716682, u"0.22"},
        {800000.0, u"800000.00"},
        {1.0, u"1.00"},
        {0.0, u"0.00"},
        {0.125, u"0.13"},
        {2.675, u"2.68"},
        {1.005, u"1.01"},
        {0.005, u"0.01"},
        {0.004999, u"0.00"},
        {9.995, u"10.00"},
        {999.999, u"1000.00"},
        {0.1 + 0.2, u"0.30"},
        {-1.5, u"-1.50"},
        {-0.001, u"0.00"},
        {1e20, u"100000000000000000000.00"},
        {1e-300, u"0.00"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.number);
        CHECK(formatWithPattern(row.number, u"###0.00") == row.text);
    }
    CHECK(formatWithPattern(5.0, u"000") == u"005");
    CHECK(raisedError([] { formatWithPattern(1e308 * 10, u"###0.00"); }) ==
          RuntimeError::Kind::Overflow);
}

TEST_CASE("findText gives the 1-based position of the first blank")
{
    struct Row {
        std::u16string searched;
        std::int32_t position;
    };
    const Row rows[] = {
        {u"12 3", 3},     {u"1  2", 2}, {u" 1", 1},
        {u"1,5", 0},      {u"", 0},     {u"1\t2", 0}, // a tab is no blank
        {u"1\u00A02", 0},                             // nor is a no-break space
    };
    for (const Row &row : rows) {
        CAPTURE(row.searched);
        CHECK(findText(row.searched, u" ") == row.position);
    }
    CHECK(findText(u"a b c", u" ", 3) == 4);
    CHECK(findText(u"abc", u" ", 9) == 0);
}

TEST_CASE("charFromCode")
{
    CHECK(charFromCode(13) + charFromCode(10) == u"\r\n");
}

// The desktop sets the C library's locale from the environment; numbers are written and read
// with a point all the same.
TEST_CASE("numbers ignore the C library's locale")
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    for (const char *name : {"ru_RU.UTF-8", "de_DE.UTF-8", "C"}) {
        if (!std::setlocale(LC_ALL, name))
            continue;
        CAPTURE(name);
        CHECK(numberToText(3.5) == u" 3.5");
        CHECK(numberToText(0.1f) == u" 0.1");
        CHECK(formatWithPattern(1234.5, u"###0.00") == u"1234.50");
        CHECK(textToNumber(u"2.25") == 2.25);
    }
    std::setlocale(LC_ALL, previous.c_str());
}
