#pragma once

#include "sortingform.h"

// Sorts ElementArray's singles in place by passes of neighbour swaps, until a pass swaps nothing,
// and shows how many swaps it made.
class PairSwapForm : public SortingForm {
public:
    PairSwapForm();

protected:
    void sortAndShow() override;
};
