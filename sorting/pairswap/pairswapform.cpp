#include "pairswapform.h"

#include "conversions.h"

PairSwapForm::PairSwapForm()
    : SortingForm(u"Сортировка массива попарными перестановками", u"pairswap", Precision::Single)
{
}

void PairSwapForm::sortAndShow()
{
    Label2.setCaption(u"Алгоритм сортировки парными перестановками: " + lineBreak());

    NumericValue totalSwaps = 0;
    NumericValue passSwaps = 1;
    NumericValue heldValue;
    // Every pass looks at all nine pairs; the first pass that swaps nothing ends the sort.
    while (!(passSwaps == 0)) {
        passSwaps = 0;
        for (int i = 1; i <= 9; ++i) {
            // Strictly greater: equal neighbours keep their order.
            if (ElementArray[i] > ElementArray[i + 1]) {
                heldValue = ElementArray[i].toSingle();
                ElementArray[i] = ElementArray[i + 1];
                ElementArray[i + 1] = heldValue.toSingle();
                passSwaps = passSwaps + 1;
            }
        }
        totalSwaps = totalSwaps + passSwaps;
    }

    Label2.setCaption(Label2.caption() + u"Выполнено перестановок: " + numberToText(totalSwaps) +
                      lineBreak());
    for (int i = 1; i <= 10; ++i)
        appendNumber(Label2, ElementArray[i]);
}
