#include "sortingwindow.h"

#include "commandbutton.h"
#include "conversions.h"
#include "label.h"
#include "textbox.h"

using namespace Qt::StringLiterals;

namespace {

FormLayout sortingLayout(const QString &caption)
{
    using Kind = ControlLayout::Kind;
    return FormLayout{
        caption,
        5748,
        2760,
        {
            {Kind::Label, u"Label1"_s,
             u"Введите массив из 10 элементов в поле ввода и нажмите кнопку 'Сортировка'"_s, 120,
             120, 5412, 492, 0},
            {Kind::TextBox, u"Text1"_s, QString(), 120, 1680, 5412, 372, 1,
             u"Десять чисел через пробел"_s},
            {Kind::CommandButton, u"Command1"_s, u"Сортировка"_s, 2040, 2160, 1692, 372, 2},
            {Kind::Label, u"Label2"_s,
             u"В случае неправильного ввода массив будет дополнен числами автоматически!"_s, 120,
             720, 5412, 732, 3},
        },
        u"Command1"_s,
    };
}

} // namespace

SortingWindow::SortingWindow(const QString &caption, Precision precision, QWidget *parent)
    : Form(sortingLayout(caption), parent)
    , Label1(label(u"Label1"_s))
    , Text1(textBox(u"Text1"_s))
    , Command1(commandButton(u"Command1"_s))
    , Label2(label(u"Label2"_s))
    , m_precision(precision)
{
    if (precision == Precision::Single) {
        for (int i = 0; i <= 10; ++i)
            ElementArray[i] = 0.0f;
    }
    onClick(Command1, [this] { Command1_Click(); });
}

void SortingWindow::Command1_Click()
{
    enterElements();
    sortAndShow();
}

void SortingWindow::appendNumber(Label *label, const NumericValue &number)
{
    label->setCaption(label->caption() + numberToText(number) + u" "_s);
}

// Walks Text1's selection from blank to blank. Once no blank is left, the selection keeps the last
// token and the remaining slots repeat its number, so any text gives ten numbers.
void SortingWindow::enterElements()
{
    Text1->setSelStart(0);
    Text1->setSelLength(static_cast<int>(Text1->text().size()));
    Label1->setCaption(u"Исходный массив состоит из элементов:"_s + charFromCode(13) +
                       charFromCode(10));

    for (int i = 1; i <= 10; ++i) {
        const std::int32_t blank = findText(Text1->selText(), u" ");
        if (blank != 0) {
            Text1->setSelLength(blank - 1);
            store(i, textToNumber(Text1->selText()));
            Text1->setSelStart(Text1->selStart() + blank);
            Text1->setSelLength(checkedSubtract(static_cast<std::int32_t>(Text1->text().size()),
                                                Text1->selStart()));
        } else {
            store(i, textToNumber(Text1->selText()));
        }
        appendNumber(Label1, ElementArray[i]);
    }
}

// The slot's index is tested before the number is converted to a single.
void SortingWindow::store(int slot, double number)
{
    NumericValue &element = ElementArray[slot];
    if (m_precision == Precision::Single)
        element = NumericValue(number).toSingle();
    else
        element = number;
}
