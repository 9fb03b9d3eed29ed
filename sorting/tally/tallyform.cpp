#include "tallyform.h"

TallyForm::TallyForm()
    : SortingForm(u"Сортировка массива подсчетом", u"tally", Precision::Double)
{
}

void TallyForm::sortAndShow()
{
    Label2.setCaption(
        endLine(u"Алгоритм сортировки подсчетом (все элементы массива должны быть разными!):"));

    // No slot that this click leaves unwritten may show a number of an earlier click.
    for (int i = 1; i <= 10; ++i)
        ResultArray[i] = 0;

    for (int i = 1; i <= 10; ++i) {
        NumericValue smaller = 0;
        for (int j = 1; j <= 10; ++j) {
            const bool less = ElementArray[j] < ElementArray[i];
            if (m_recorder)
                m_recorder->compared(j, i, less);
            if (less)
                smaller = smaller + 1;
        }
        const NumericValue slot = (smaller + 1).toInt32();
        if (m_recorder)
            m_recorder->counted(i, smaller.toInt32());
        const NumericValue &element = ElementArray[i];
        float &result = ResultArray[slot];
        result = element.toSingle();
        if (m_recorder)
            m_recorder->transferred(i, slot.toInt32());
    }

    for (int i = 1; i <= 10; ++i)
        appendNumber(Label2, NumericValue::reference(ResultArray[i]));
}
