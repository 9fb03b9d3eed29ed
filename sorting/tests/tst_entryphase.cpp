#include "entryonlyform.h"
#include "sortingtest.h"

#include <random>

using namespace SortingTest;
using Precision = SortingForm::Precision;

TEST_CASE("the walk reads ten numbers from any text")
{
    struct Row {
        const char *name;
        std::u16string text;
        Precision precision;
        std::u16string echo;
        std::int32_t selStart;
        std::u16string selected;
    };
    const auto d = Precision::Double;
    const auto s = Precision::Single;
    const Row rows[] = {
        {"ten numbers", u"5 3 8 1 9 2 7 4 10 6", d, u" 5  3  8  1  9  2  7  4  10  6 ", 19, u"6"},
        {"three repeat the last", u"5 4 3", d, u" 5  4  3  3  3  3  3  3  3  3 ", 4, u"3"},
        {"one number", u"7", d, u" 7  7  7  7  7  7  7  7  7  7 ", 0, u"7"},
        {"trailing blank", u"1 2 3 ", d, u" 1  2  3  0  0  0  0  0  0  0 ", 6, u""},
        {"two blanks", u"1  2", d, u" 1  0  2  2  2  2  2  2  2  2 ", 3, u"2"},
        {"leading blank", u" 1 2", d, u" 0  1  2  2  2  2  2  2  2  2 ", 3, u"2"},
        {"empty", u"", d, u" 0  0  0  0  0  0  0  0  0  0 ", 0, u""},
        {"twelve numbers", u"1 2 3 4 5 6 7 8 9 10 11 12", d, u" 1  2  3  4  5  6  7  8  9  10 ", 21,
         u"11 12"},
        {"negative first", u"-4 2", d, u"-4  2  2  2  2  2  2  2  2  2 ", 3, u"2"},
        {"letters read as 0", u"abc 5", d, u" 0  5  5  5  5  5  5  5  5  5 ", 4, u"5"},
        {"comma in a token", u"1,5 2", d, u" 1.5  2  2  2  2  2  2  2  2  2 ", 4, u"2"},
        {"blank-grouped number splits", u"5 000", d, u" 5  0  0  0  0  0  0  0  0  0 ", 2, u"000"},
        {"double precision echo", u"3.14159265358979 0.1", d,
         u" 3.14159265358979  0.1  0.1  0.1  0.1  0.1  0.1  0.1  0.1  0.1 ", 17, u"0.1"},
        {"single precision echo", u"3.14159265358979 0.1", s,
         u" 3.141593  0.1  0.1  0.1  0.1  0.1  0.1  0.1  0.1  0.1 ", 17, u"0.1"},
        {"single precision, large", u"3.14159265358979 123456789", s,
         u" 3.141593  1.234568E+08  1.234568E+08  1.234568E+08  1.234568E+08  1.234568E+08 "
         u" 1.234568E+08  1.234568E+08  1.234568E+08  1.234568E+08 ",
         17, u"123456789"},
        {"beyond singles, as double", u"1E+39 -1e39", d,
         u" 1E+39 -1E+39 -1E+39 -1E+39 -1E+39 -1E+39 -1E+39 -1E+39 -1E+39 -1E+39 ", 6, u"-1e39"},
        {"surrogate pair", u"\U0001F600 5", d, u" 0  5  5  5  5  5  5  5  5  5 ", 3, u"5"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        EntryOnlyForm form(row.precision);
        sortText(form, row.text);
        CHECK(form.Label1.caption() == SourceHeader + row.echo);
        CHECK(form.Text1.text() == row.text);
        CHECK(form.Text1.selStart() == row.selStart);
        CHECK(form.Text1.selText() == row.selected);
        CHECK(form.Label2.caption() == Note);
        // Slot 0 keeps its start value: empty, or a single 0.
        const bool single = row.precision == Precision::Single;
        CHECK(form.ElementArray[0].type() ==
              (single ? NumericValue::Type::Single : NumericValue::Type::Empty));
        CHECK(form.ElementArray[0] == NumericValue(0));
        CHECK(form.ElementArray[10].type() ==
              (single ? NumericValue::Type::Single : NumericValue::Type::Double));
    }
}

// What a box shows as a blank is read as one: a column pasted from a spreadsheet sorts as the
// numbers it shows.
TEST_CASE("pasted lines, tabs and no-break spaces are read as blanks")
{
    struct Row {
        const char *name;
        std::u16string pasted;
        std::u16string held;
        std::u16string echo;
    };
    const Row rows[] = {
        {"a column", u"5\n3\n8\n1\n9\n2\n7\n4\n10\n6", u"5 3 8 1 9 2 7 4 10 6",
         u" 5  3  8  1  9  2  7  4  10  6 "},
        {"CR LF is one break", u"5 3 8\r\n1 9 2", u"5 3 8 1 9 2",
         u" 5  3  8  1  9  2  2  2  2  2 "},
        {"lone CR, line and paragraph separators", u"1\r2\u20283\u20294", u"1 2 3 4",
         u" 1  2  3  4  4  4  4  4  4  4 "},
        {"a blank line gives an empty number", u"1\n\n2", u"1  2",
         u" 1  0  2  2  2  2  2  2  2  2 "},
        {"tabs", u"1\t2\t3", u"1 2 3", u" 1  2  3  3  3  3  3  3  3  3 "},
        {"no-break spaces", u"7\u00A08\u202F9", u"7 8 9", u" 7  8  9  9  9  9  9  9  9  9 "},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        EntryOnlyForm form(Precision::Double);
        sortText(form, row.pasted);
        CHECK(form.Text1.text() == row.held);
        CHECK(form.Label1.caption() == SourceHeader + row.echo);
    }
}

TEST_CASE("the start state of the sorting form")
{
    EntryOnlyForm form(Precision::Double);
    CHECK(form.Label1.caption() ==
          u"Введите массив из 10 элементов в поле ввода и нажмите кнопку 'Сортировка'");
    CHECK(form.Label2.caption() == Note);
    CHECK(form.Command1.caption() == u"Сортировка");
    CHECK(form.Text1.text().empty());
    CHECK(form.tabOrder().front() == &form.Text1);
    CHECK(form.defaultButton() == &form.Command1);
}

TEST_CASE("a second click rebuilds the echo from the unchanged text")
{
    EntryOnlyForm form(Precision::Double);
    sortText(form, u"9 8");
    const std::u16string first = form.Label1.caption();
    form.click(form.Command1);
    CHECK(form.Label1.caption() == first);
    CHECK(form.Text1.text() == u"9 8");
}

// A number a single cannot hold is refused when it is stored, before it is echoed.
TEST_CASE("a number beyond singles stops the walk where it is stored")
{
    EntryOnlyForm form(Precision::Single);
    MessageCapture messages(form);
    sortText(form, u"2 1E+39 3");
    CHECK(messages.prompts == std::vector<std::u16string>{Overflow});
    CHECK(form.Label1.caption() == SourceHeader + u" 2 ");
    CHECK(form.Label2.caption() == Note);
}

TEST_CASE("the longest text is read like any other")
{
    EntryOnlyForm form(Precision::Double);
    std::u16string text;
    while (text.size() < TextBox::MaxLength)
        text += u"-12345.678 ";
    sortText(form, text);
    std::u16string echo;
    for (int i = 0; i < 10; ++i)
        echo += u"-12345.678 ";
    CHECK(form.Text1.text().size() == TextBox::MaxLength);
    CHECK(form.Label1.caption() == SourceHeader + echo);
    CHECK(form.Text1.selStart() == 110);
    CHECK(form.Text1.selLength() == TextBox::MaxLength - 110);
}

// Generated texts of blanks, tabs, signs, marks, digits, letters and surrogates: every one gives
// ten numbers, or the overflow error for a number singles cannot hold; the click never changes the
// text and the selection stays within it.
TEST_CASE("any text gives ten numbers")
{
    const std::u16string pieces[] = {u" ",
                                     u"  ",
                                     u"\t",
                                     u"-",
                                     u"+",
                                     u".",
                                     u",",
                                     u"E",
                                     u"d",
                                     u"7",
                                     u"0",
                                     u"123456789",
                                     u"x",
                                     u"\u00A0",
                                     u"\U0001F600",
                                     std::u16string(1, char16_t(0xD800)),
                                     std::u16string(400, u'9'),
                                     u"1e39"};
    std::mt19937 random(20261208);
    for (const auto precision : {Precision::Double, Precision::Single}) {
        EntryOnlyForm form(precision);
        MessageCapture messages(form);
        for (int round = 0; round < 400; ++round) {
            std::u16string text;
            for (auto n = random() % 30; n > 0; --n)
                text += pieces[random() % std::size(pieces)];
            CAPTURE(text);
            messages.prompts.clear();
            form.Text1.setText(text);
            const std::u16string held = form.Text1.text();
            form.click(form.Command1);

            REQUIRE(form.Text1.text() == held);
            CHECK(form.Text1.selStart() + form.Text1.selLength() <= std::int32_t(held.size()));
            if (!messages.prompts.empty()) {
                CHECK(messages.prompts == std::vector<std::u16string>{Overflow});
                continue;
            }
            const std::u16string &caption = form.Label1.caption();
            REQUIRE(caption.substr(0, SourceHeader.size()) == SourceHeader);
            int numbers = 0;
            bool inNumber = false;
            for (char16_t c : caption.substr(SourceHeader.size())) {
                numbers += !inNumber && c != u' ';
                inNumber = c != u' ';
            }
            CHECK(numbers == 10);
        }
    }
}
