#include "pairswapwindow.h"

#include "conversions.h"
#include "label.h"

using namespace Qt::StringLiterals;

PairSwapWindow::PairSwapWindow(QWidget *parent)
    : SortingWindow(u"Сортировка массива попарными перестановками"_s, Precision::Single, parent)
{
}

void PairSwapWindow::sortAndShow()
{
    const QString lineBreak = charFromCode(13) + charFromCode(10);
    Label2->setCaption(u"Алгоритм сортировки парными перестановками: "_s + lineBreak);

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

    Label2->setCaption(Label2->caption() + u"Выполнено перестановок: "_s +
                       numberToText(totalSwaps) + lineBreak);
    for (int i = 1; i <= 10; ++i)
        appendNumber(Label2, ElementArray[i]);
}
