#pragma once

#include "boundedarray.h"
#include "form.h"
#include "numericvalue.h"

// What a sort reports of each step it takes, to a recorder that the lesson attaches. Slots are
// ElementArray's; the recorder reads the numbers from the form, which holds them as compared.
class SortRecorder {
public:
    virtual ~SortRecorder() = default;

    // The entry phase has filled ElementArray; the sort begins.
    virtual void started() = 0;
    // The number in `slot` was compared with the one in `other`, left to right as the code
    // writes it; `other` is 0 for a number the sort holds apart from the array (pickmin's
    // largest, whose slot the recorder follows from the outcomes).
    virtual void compared(int slot, int other, bool outcome) = 0;
    virtual void transferred(int slot, int resultSlot) = 0;
    // Slots `slot` and `slot` + 1 exchanged their numbers.
    virtual void swapped(int slot) = 0;
    // The slot now holds the largest number, so that it is not taken again.
    virtual void markedUsed(int slot) = 0;
    virtual void counted(int slot, int smaller) = 0;
    virtual void passEnded(int passSwaps) = 0;
};

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

    // Null (the default) for none: then a sort's step costs only the test of this pointer.
    void setRecorder(SortRecorder *recorder) { m_recorder = recorder; }

protected:
    // Sorts slots 1 to 10 of ElementArray and writes the method's title and result into Label2.
    virtual void sortAndShow() = 0;

    // Appends a number, followed by one blank, to the label's caption.
    static void appendNumber(Label &label, const NumericValue &number);
    // The caption with a line break appended.
    static std::u16string endLine(std::u16string caption);

    SortRecorder *m_recorder = nullptr;

private:
    void enterElements();
    void store(int slot, double number);

    Precision m_precision;
};
