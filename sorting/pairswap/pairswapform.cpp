#include "pairswapform.h"

#include "conversions.h"

PairSwapForm::PairSwapForm()
    : SortingForm(u"Сортировка массива попарными перестановками", u"pairswap", Precision::Single)
{
}

void PairSwapForm::sortAndShow()
{
    Label2.setCaption(endLine(u"Алгоритм сортировки парными перестановками: "));

    NumericValue totalSwaps = 0;
    NumericValue passSwaps = 1;
    NumericValue heldValue;
    // Every pass looks at all nine pairs; the first pass that swaps nothing ends the sort.
    while (!(passSwaps == 0)) {
        passSwaps = 0;
        for (int i = 1; i <= 9; ++i) {
            // Strictly greater: equal neighbours keep their order.
            const bool greater = ElementArray[i] > ElementArray[i + 1];
            if (m_recorder)
                m_recorder->compared(i, i + 1, greater);
            if (greater) {
                heldValue = ElementArray[i].toSingle();
                ElementArray[i] = ElementArray[i + 1];
                ElementArray[i + 1] = heldValue.toSingle();
                passSwaps = passSwaps + 1;
                if (m_recorder)
                    m_recorder->swapped(i);
            }
        }
        totalSwaps = totalSwaps + passSwaps;
        if (m_recorder)
            m_recorder->passEnded(passSwaps.toInt32());
    }

    Label2.setCaption(
        endLine(Label2.caption() + u"Выполнено перестановок: " + numberToText(totalSwaps)));
    for (int i = 1; i <= 10; ++i)
        appendNumber(Label2, ElementArray[i]);
}
