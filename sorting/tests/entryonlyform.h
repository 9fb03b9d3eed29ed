#pragma once

#include "sortingform.h"

// The shared sorting form with a sort that does nothing, so that only the entry phase shows: for
// the entry phase's tests and its fuzz target.
class EntryOnlyForm : public SortingForm {
public:
    explicit EntryOnlyForm(Precision precision)
        : SortingForm(u"Проба", u"proba", precision)
    {
    }

protected:
    void sortAndShow() override {}
};
