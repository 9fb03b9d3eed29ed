#include "tallyform.h"

TallyForm::TallyForm()
    : SortingForm(u"Сортировка массива подсчетом", u"tally", Precision::Double)
{
}

void TallyForm::sortAndShow()
{
    Label2.setCaption(
        u"Алгоритм сортировки подсчетом (все элементы массива должны быть разными!):" +
        lineBreak());

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
