#include "pickminform.h"
#include "sortingtest.h"

using namespace SortingTest;

namespace {

const std::u16string Title = u"Алгоритм сортировки переносом мин. элемента: \r\n";

} // namespace

TEST_CASE("pickmin sorts by transfer of the smallest element")
{
    checkSortedRows<PickMinForm>(
        Title,
        {
            {"mixed", u"5 3 8 1 9 2 7 4 10 6", OneToTen},
            {"reversed", u"10 9 8 7 6 5 4 3 2 1", OneToTen},
            {"ascending, largest last", u"1 2 3 4 5 6 7 8 9 10", OneToTen},
            {"one number twice", u"4 2 4 1 3 5 6 7 8 9", u" 1  2  3  4  4  5  6  7  8  9 "},
            {"largest five times", u"9 1 9 2 9 3 9 4 9 5", u" 1  2  3  4  5  9  9  9  9  9 "},
            {"all equal", u"7 7 7 7 7 7 7 7 7 7", u" 7  7  7  7  7  7  7  7  7  7 "},
            {"completed input", u"5 4 3", u" 3  3  3  3  3  3  3  3  4  5 "},
            {"empty", u"", u" 0  0  0  0  0  0  0  0  0  0 "},
            {"negatives", u"-2 5 -7 0 3 1 -1 4 2 6", u"-7 -2 -1  0  1  2  3  4  5  6 "},
            {"shown at single precision", u"3.14159265358979 2",
             u" 2  2  2  2  2  2  2  2  2  3.141593 "},
            {"equal only as singles", u"1.00000002 1.00000001 0.5",
             u" 0.5  0.5  0.5  0.5  0.5  0.5  0.5  0.5  1  1 "},
        });
}

TEST_CASE("pickmin's first example, character for character")
{
    PickMinForm form;
    CHECK(form.caption() == u"Сортировка массива переносом мин. элемента");
    sortText(form, u"5 3 8 1 9 2 7 4 10 6");
    CHECK(form.Label1.caption() == SourceHeader + u" 5  3  8  1  9  2  7  4  10  6 ");
    CHECK(form.Label2.caption() == Title + u" 1  2  3  4  5  6  7  8  9  10 ");
}

// The number cannot be stored as a single: the click ends with the error, the source array shown
// whole and only the title in Label2.
TEST_CASE("pickmin on a number beyond singles")
{
    struct Row {
        std::u16string text;
        std::u16string echo;
    };
    const Row rows[] = {
        {u"1 1E+39 2", u" 1  1E+39  2  2  2  2  2  2  2  2 "},
        {u"-1E+39 5", u"-1E+39  5  5  5  5  5  5  5  5  5 "},
    };
    for (const Row &row : rows) {
        CAPTURE(row.text);
        PickMinForm form;
        MessageCapture messages(form);
        sortText(form, row.text);
        CHECK(messages.prompts == std::vector<std::u16string>{Overflow});
        CHECK(messages.title == u"pickmin");
        CHECK(form.Label1.caption() == SourceHeader + row.echo);
        CHECK(form.Label2.caption() == Title);

        sortText(form, u"2 1");
        CHECK(form.Label2.caption() == Title + u" 1  1  1  1  1  1  1  1  1  2 ");
    }
}

TEST_CASE("pickmin gives the sorted singles of any ten numbers")
{
    NumberSource source;
    PickMinForm form;
    for (int round = 0; round < 300; ++round) {
        std::vector<double> numbers = source.next(round % 3 == 0 ? 4 : 4000);
        sortText(form, joined(numbers));
        std::sort(numbers.begin(), numbers.end());
        for (int i = 1; i <= 10; ++i)
            CHECK(form.ResultArray[i] == static_cast<float>(numbers[i - 1]));
    }
}

TEST_CASE("a click that fails on reading shows no earlier result")
{
    PickMinForm form;
    MessageCapture messages(form);
    sortText(form, u"5 3 8 1 9 2 7 4 10 6");
    sortText(form, u"1e400 1 2 3");
    CHECK(messages.prompts == std::vector<std::u16string>{Overflow});
    CHECK(form.Label1.caption() == SourceHeader);
    CHECK(form.Label2.caption() == Note);
    // An error in the sort itself leaves the title of the method.
    sortText(form, u"1 1E+39");
    CHECK(form.Label2.caption() == Title);
}
