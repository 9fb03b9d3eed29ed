#include "pickminform.h"

PickMinForm::PickMinForm()
    : SortingForm(u"Сортировка массива переносом мин. элемента", u"pickmin", Precision::Double)
{
}

void PickMinForm::sortAndShow()
{
    Label2.setCaption(endLine(u"Алгоритм сортировки переносом мин. элемента: "));

    NumericValue largestValue = ElementArray[1];
    for (int i = 2; i <= 10; ++i) {
        const bool larger = ElementArray[i] > largestValue;
        if (m_recorder)
            m_recorder->compared(i, 0, larger);
        if (larger)
            largestValue = ElementArray[i];
    }

    for (int k = 1; k <= 10; ++k) {
        NumericValue smallestValue = ElementArray[1];
        NumericValue smallestSlot = 1;
        for (int i = 1; i <= 10; ++i) {
            // Strictly less: of equal numbers the lowest slot is taken first.
            const bool smaller = ElementArray[i] < smallestValue;
            if (m_recorder)
                m_recorder->compared(i, smallestSlot.toInt32(), smaller);
            if (smaller) {
                smallestValue = ElementArray[i];
                smallestSlot = i;
            }
        }
        float &result = ResultArray[k];
        result = smallestValue.toSingle();
        if (m_recorder)
            m_recorder->transferred(smallestSlot.toInt32(), k);
        // The largest number is taken last, so it marks the slot as used.
        ElementArray[smallestSlot] = largestValue;
        if (m_recorder)
            m_recorder->markedUsed(smallestSlot.toInt32());
    }

    for (int i = 1; i <= 10; ++i)
        appendNumber(Label2, NumericValue::reference(ResultArray[i]));
}
