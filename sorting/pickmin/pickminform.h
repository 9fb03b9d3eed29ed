#pragma once

#include "sortingform.h"

// Sorts by transfer of the smallest element: ten times the smallest number left in ElementArray
// moves to the next slot of ResultArray, and its slot is overwritten with the largest number.
class PickMinForm : public SortingForm {
public:
    PickMinForm();

    BoundedArray<float, 0, 10> ResultArray;

protected:
    void sortAndShow() override;
};
