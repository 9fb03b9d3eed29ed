#pragma once

#include "sortingwindow.h"

// Sorts ElementArray's singles in place by passes of neighbour swaps, until a pass swaps nothing,
// and shows how many swaps it made.
class PairSwapWindow : public SortingWindow {
    Q_OBJECT
public:
    explicit PairSwapWindow(QWidget *parent = nullptr);

protected:
    void sortAndShow() override;
};
