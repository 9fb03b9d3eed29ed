#pragma once

#include "sortingwindow.h"

// Sorts by counting: each element goes to the slot of ResultArray given by how many elements are
// smaller. Equal elements share one slot, so the slots after it keep the 0 they were cleared to.
class TallyWindow : public SortingWindow {
    Q_OBJECT
public:
    explicit TallyWindow(QWidget *parent = nullptr);

    BoundedArray<float, 0, 10> ResultArray;

protected:
    void sortAndShow() override;
};
