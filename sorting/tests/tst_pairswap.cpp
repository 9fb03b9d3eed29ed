#include "pairswapform.h"
#include "sortingtest.h"

using namespace SortingTest;

namespace {

std::u16string result(const std::u16string &swaps, const std::u16string &sorted)
{
    return u"Алгоритм сортировки парными перестановками: \r\nВыполнено перестановок: " + swaps +
           u"\r\n" + sorted;
}

} // namespace

TEST_CASE("pairswap sorts by neighbour swaps and counts them")
{
    struct Row {
        const char *name;
        std::u16string text;
        std::u16string caption;
    };
    const std::u16string OneToTen = u" 1  2  3  4  5  6  7  8  9  10 ";
    const Row rows[] = {
        {"ascending", u"1 2 3 4 5 6 7 8 9 10", result(u" 0", OneToTen)},
        {"descending", u"10 9 8 7 6 5 4 3 2 1", result(u" 45", OneToTen)},
        {"mixed", u"5 3 8 1 9 2 7 4 10 6", result(u" 18", OneToTen)},
        {"negatives and equal fives", u"3 -1 2 -7 0 5 5 1 9 -2",
         result(u" 19", u"-7 -2 -1  0  1  2  3  5  5  9 ")},
        {"all equal", u"4 4 4 4 4 4 4 4 4 4", result(u" 0", u" 4  4  4  4  4  4  4  4  4  4 ")},
        {"equal only as doubles", u"2 1.00000002 1.00000001",
         result(u" 9", u" 1  1  1  1  1  1  1  1  1  2 ")},
        {"tenth at single precision", u"0.3 0.1",
         result(u" 9", u" 0.1  0.1  0.1  0.1  0.1  0.1  0.1  0.1  0.1  0.3 ")},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        PairSwapForm form;
        sortText(form, row.text);
        CHECK(form.Label2.caption() == row.caption);
        // A second click starts afresh from the text.
        form.click(form.Command1);
        CHECK(form.Label2.caption() == row.caption);
        CHECK(form.ElementArray[0] == NumericValue(0));
    }
}

// A number a single cannot hold is refused as it is stored; nothing is sorted.
TEST_CASE("pairswap on a number beyond singles")
{
    PairSwapForm form;
    MessageCapture messages(form);
    sortText(form, u"1 2 1E+39");
    CHECK(messages.prompts == std::vector<std::u16string>{Overflow});
    CHECK(form.Label1.caption() == SourceHeader + u" 1  2 ");
    CHECK(form.Label2.caption() == Note);
}

// The count is the number of pairs that stand in the wrong order, and the slots end up holding
// the sorted singles.
TEST_CASE("pairswap counts the inversions of any ten numbers")
{
    NumberSource source;
    PairSwapForm form;
    for (int round = 0; round < 300; ++round) {
        // Small ranges give many equal numbers.
        const std::vector<double> doubles = source.next(round % 3 == 0 ? 4 : 1000);
        std::vector<float> numbers(doubles.begin(), doubles.end());
        int inversions = 0;
        for (int j = 0; j < 10; ++j) {
            for (int k = j + 1; k < 10; ++k)
                inversions += numbers[j] > numbers[k];
        }
        std::sort(numbers.begin(), numbers.end());

        sortText(form, joined(doubles));
        const std::string count = "Выполнено перестановок:  " + std::to_string(inversions) + "\r\n";
        CHECK(utf8(form.Label2.caption()).find(count) != std::string::npos);
        for (int i = 1; i <= 10; ++i)
            CHECK(form.ElementArray[i].toSingle() == numbers[i - 1]);
    }
}

// An error while the numbers are read leaves no result of an earlier click under the new input;
// an error during the sort keeps the title it has written.
TEST_CASE("a failed click shows no earlier result")
{
    PairSwapForm pairswap;
    MessageCapture messages(pairswap);
    sortText(pairswap, u"5 3 8 1 9 2 7 4 10 6");
    sortText(pairswap, u"1E+39 7 6 5");
    CHECK(messages.prompts == std::vector<std::u16string>{Overflow});
    CHECK(pairswap.Label1.caption() == SourceHeader);
    CHECK(pairswap.Label2.caption() == Note);
}
