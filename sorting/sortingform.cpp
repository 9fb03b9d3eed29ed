#include "sortingform.h"

#include "conversions.h"

namespace {

FormLayout sortingLayout(std::u16string caption)
{
    using Kind = ControlLayout::Kind;
    return FormLayout{
        std::move(caption),
        5748,
        2760,
        {
            {Kind::Label, u"Label1",
             u"Введите массив из 10 элементов в поле ввода и нажмите кнопку 'Сортировка'", 120, 120,
             5412, 492, 0},
            {Kind::TextBox, u"Text1", u"", 120, 1680, 5412, 372, 1, u"Десять чисел через пробел"},
            {Kind::CommandButton, u"Command1", u"Сортировка", 2040, 2160, 1692, 372, 2},
            {Kind::Label, u"Label2",
             u"В случае неправильного ввода массив будет дополнен числами автоматически!", 120, 720,
             5412, 732, 3},
        },
        u"Command1",
    };
}

} // namespace

SortingForm::SortingForm(std::u16string caption, std::u16string programName, Precision precision)
    : Form(sortingLayout(std::move(caption)), std::move(programName))
    , Label1(label(u"Label1"))
    , Text1(textBox(u"Text1"))
    , Command1(commandButton(u"Command1"))
    , Label2(label(u"Label2"))
    , m_precision(precision)
{
    if (precision == Precision::Single) {
        for (int i = 0; i <= 10; ++i)
            ElementArray[i] = 0.0f;
    }
    onClick(Command1, [this] { Command1_Click(); });
}

void SortingForm::Command1_Click()
{
    try {
        enterElements();
    } catch (...) {
        // The click fails on the numbers of this text: no result of an earlier text may stand
        // under them. The error itself goes on to the form's dispatch.
        Label2.setCaption(Label2.layout().caption);
        throw;
    }
    if (m_recorder)
        m_recorder->started();
    sortAndShow();
}

void SortingForm::appendNumber(Label &label, const NumericValue &number)
{
    label.setCaption(label.caption() + numberToText(number) + u" ");
}

std::u16string SortingForm::endLine(std::u16string caption)
{
    return caption.append(Label::LineBreak);
}

// Walks Text1's selection from blank to blank. Once no blank is left, the selection keeps the last
// token and the remaining slots repeat its number, so any text gives ten numbers.
void SortingForm::enterElements()
{
    Text1.setSelStart(0);
    Text1.setSelLength(static_cast<std::int32_t>(Text1.text().size()));
    Label1.setCaption(endLine(u"Исходный массив состоит из элементов:"));

    for (int i = 1; i <= 10; ++i) {
        const std::int32_t blank = findText(Text1.selText(), u" ");
        if (blank != 0) {
            Text1.setSelLength(blank - 1);
            store(i, textToNumber(Text1.selText()));
            Text1.setSelStart(Text1.selStart() + blank);
            Text1.setSelLength(
                checkedSubtract(static_cast<std::int32_t>(Text1.text().size()), Text1.selStart()));
        } else {
            store(i, textToNumber(Text1.selText()));
        }
        appendNumber(Label1, ElementArray[i]);
    }
}

// The slot's index is tested before the number is converted to a single.
void SortingForm::store(int slot, double number)
{
    NumericValue &element = ElementArray[slot];
    if (m_precision == Precision::Single)
        element = NumericValue(number).toSingle();
    else
        element = number;
}
