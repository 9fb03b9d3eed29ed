#pragma once

#include "sortingform.h"

// Sorts by counting: each element goes to the slot of ResultArray given by how many elements are
// smaller. Equal elements share one slot, so the slots after it keep the 0 they were cleared to.
class TallyForm : public SortingForm {
public:
    TallyForm();

    BoundedArray<float, 0, 10> ResultArray;

protected:
    void sortAndShow() override;
};
