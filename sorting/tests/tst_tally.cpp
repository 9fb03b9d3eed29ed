#include "sortingtest.h"
#include "tallyform.h"

using namespace SortingTest;

namespace {

const std::u16string Title =
    u"Алгоритм сортировки подсчетом (все элементы массива должны быть разными!):\r\n";

} // namespace

TEST_CASE("tally sorts by counting the smaller elements")
{
    CHECK(TallyForm().caption() == u"Сортировка массива подсчетом");
    checkSortedRows<TallyForm>(
        Title, {
                   {"mixed", u"5 3 9 1 7 2 8 4 6 10", OneToTen},
                   {"reversed", u"10 9 8 7 6 5 4 3 2 1", OneToTen},
                   {"ascending", u"1 2 3 4 5 6 7 8 9 10", OneToTen},
                   {"negatives", u"-2 5 -7 0 3 1 -1 4 2 6", u"-7 -2 -1  0  1  2  3  4  5  6 "},
                   {"one value twice", u"4 2 4 1 3 5 6 7 8 9", u" 1  2  3  4  0  5  6  7  8  9 "},
                   {"all equal", u"7 7 7 7 7 7 7 7 7 7", u" 7  0  0  0  0  0  0  0  0  0 "},
                   {"completed input", u"5 4 3", u" 3  0  0  0  0  0  0  0  4  5 "},
                   {"empty", u"", u" 0  0  0  0  0  0  0  0  0  0 "},
                   {"different only as doubles", u"1.00000002 1.00000001 0",
                    u" 0  0  0  0  0  0  0  0  1  1 "},
                   {"shown at single precision", u"3.14159265 2",
                    u" 2  0  0  0  0  0  0  0  0  3.141593 "},
               });
}

// The zeros a repeated value leaves are zeros, not numbers of the click before: every slot that
// no element reaches is cleared, slot 10 included.
TEST_CASE("tally clears every slot before counting")
{
    struct Row {
        const char *name;
        std::u16string second;
        std::u16string sorted;
    };
    const Row rows[] = {
        {"one value twice", u"4 2 4 1 3 5 6 7 8 9", u" 1  2  3  4  0  5  6  7  8  9 "},
        {"largest twice", u"1 2 3 4 5 6 7 8 9 9", u" 1  2  3  4  5  6  7  8  9  0 "},
        {"all equal", u"3", u" 3  0  0  0  0  0  0  0  0  0 "},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        TallyForm form;
        sortText(form, u"11 12 13 14 15 16 17 18 19 20");
        sortText(form, row.second);
        CHECK(form.Label2.caption() == Title + row.sorted);
    }
}

TEST_CASE("tally on a number beyond singles")
{
    TallyForm form;
    MessageCapture messages(form);
    sortText(form, u"1 1E+39 2");
    CHECK(messages.prompts == std::vector<std::u16string>{Overflow});
    CHECK(form.Label1.caption() == SourceHeader + u" 1  1E+39  2  2  2  2  2  2  2  2 ");
    CHECK(form.Label2.caption() == Title);
}

// Over many generated inputs of ten different numbers: the slots hold them in ascending order.
TEST_CASE("tally sorts any ten different numbers")
{
    NumberSource source;
    TallyForm form;
    for (int round = 0; round < 300; ++round) {
        std::vector<double> numbers = source.next(4000);
        std::sort(numbers.begin(), numbers.end());
        if (std::adjacent_find(numbers.begin(), numbers.end()) != numbers.end())
            continue;
        std::shuffle(numbers.begin(), numbers.end(), source.random);
        sortText(form, joined(numbers));
        std::sort(numbers.begin(), numbers.end());
        for (int i = 1; i <= 10; ++i)
            CHECK(form.ResultArray[i] == static_cast<float>(numbers[i - 1]));
    }
}

TEST_CASE("a click that fails on reading shows no earlier result")
{
    TallyForm form;
    MessageCapture messages(form);
    sortText(form, u"5 3 9 1 7 2 8 4 6 10");
    sortText(form, u"2 -1e400");
    CHECK(messages.prompts == std::vector<std::u16string>{Overflow});
    CHECK(form.Label1.caption() == SourceHeader + u" 2 ");
    CHECK(form.Label2.caption() == Note);
}
