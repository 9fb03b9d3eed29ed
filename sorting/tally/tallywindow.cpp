#include "tallywindow.h"

#include "conversions.h"
#include "label.h"

using namespace Qt::StringLiterals;

TallyWindow::TallyWindow(QWidget *parent)
    : SortingWindow(u"Сортировка массива подсчетом"_s, Precision::Double, parent)
{
}

void TallyWindow::sortAndShow()
{
    Label2->setCaption(
        u"Алгоритм сортировки подсчетом (все элементы массива должны быть разными!):"_s +
        charFromCode(13) + charFromCode(10));

    // No slot that this click leaves unwritten may show a number of an earlier click.
    for (int i = 1; i <= 10; ++i)
        ResultArray[i] = 0;

    for (int i = 1; i <= 10; ++i) {
        NumericValue smaller = 0;
        for (int j = 1; j <= 10; ++j) {
            if (ElementArray[j] < ElementArray[i])
                smaller = smaller + 1;
        }
        const NumericValue slot = (smaller + 1).toInt32();
        const NumericValue &element = ElementArray[i];
        float &result = ResultArray[slot];
        result = element.toSingle();
    }

    for (int i = 1; i <= 10; ++i)
        appendNumber(Label2, NumericValue::reference(ResultArray[i]));
}
