#pragma once

#include "boundedarray.h"
#include "form.h"
#include "numericvalue.h"

// The form shared by the sorting programs. A click reads ten numbers from Text1 into
// ElementArray, completing a short or malformed input, echoes them in Label1, and then hands
// over to the program's own sort, which shows its result in Label2.
class SortingForm : public Form {
public:
    // How ElementArray holds the numbers read: as doubles, or as the nearest singles.
    enum class Precision { Double, Single };

    SortingForm(std::u16string caption, std::u16string programName, Precision precision);

    Label &Label1;
    TextBox &Text1;
    CommandButton &Command1;
    Label &Label2;

    // Slots 1 to 10 hold the numbers read; slot 0 is never used.
    BoundedArray<NumericValue, 0, 10> ElementArray;

    void Command1_Click();

protected:
    // Sorts slots 1 to 10 of ElementArray and writes the method's title and result into Label2.
    virtual void sortAndShow() = 0;

    // Appends a number, followed by one blank, to the label's caption.
    static void appendNumber(Label &label, const NumericValue &number);
    // The line break that ends a line of a caption.
    static std::u16string lineBreak();

private:
    void enterElements();
    void store(int slot, double number);

    Precision m_precision;
};
