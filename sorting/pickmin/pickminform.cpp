#include "pickminform.h"

PickMinForm::PickMinForm()
    : SortingForm(u"Сортировка массива переносом мин. элемента", u"pickmin", Precision::Double)
{
}

void PickMinForm::sortAndShow()
{
    Label2.setCaption(u"Алгоритм сортировки переносом мин. элемента: " + lineBreak());

    NumericValue largestValue = ElementArray[1];
    for (int i = 2; i <= 10; ++i) {
        if (ElementArray[i] > largestValue)
            largestValue = ElementArray[i];
    }

    for (int k = 1; k <= 10; ++k) {
        NumericValue smallestValue = ElementArray[1];
        NumericValue smallestSlot = 1;
        for (int i = 1; i <= 10; ++i) {
            // Strictly less: of equal numbers the lowest slot is taken first.
            if (ElementArray[i] < smallestValue) {
                smallestValue = ElementArray[i];
                smallestSlot = i;
            }
        }
        float &result = ResultArray[k];
        result = smallestValue.toSingle();
        // The largest number is taken last, so it marks the slot as used.
        ElementArray[smallestSlot] = largestValue;
    }

    for (int i = 1; i <= 10; ++i)
        appendNumber(Label2, NumericValue::reference(ResultArray[i]));
}
