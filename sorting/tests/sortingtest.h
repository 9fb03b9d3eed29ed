#pragma once

#include "sortingform.h"
#include "testsupport.h"
#include "texts.h"

#include <random>
#include <string>

// What the sorting programs' tests share: texts of the form, a click as a user makes it, and
// generated numbers.
namespace SortingTest {

inline const std::u16string SourceHeader = u"Исходный массив состоит из элементов:\r\n";
inline const std::u16string Note =
    u"В случае неправильного ввода массив будет дополнен числами автоматически!";
// The core's tests pin its words.
inline const std::u16string Overflow{Texts::OverflowError};

// Puts the text into Text1 and clicks Сортировка.
inline void sortText(SortingForm &form, const std::u16string &text)
{
    form.Text1.setText(text);
    form.click(form.Command1);
}

// Ten numbers in quarters from -range/4 to range/4, the same sequence on every platform.
struct NumberSource {
    std::mt19937 random{20261208};

    std::vector<double> next(int range)
    {
        std::vector<double> numbers;
        for (int i = 0; i < 10; ++i)
            numbers.push_back((static_cast<int>(random() % (2 * range + 1)) - range) / 4.0);
        return numbers;
    }
};

// A row of a result table: the text typed, and the numbers the result line then shows.
struct SortedRow {
    const char *name;
    std::u16string text;
    std::u16string sorted;
};

inline const std::u16string OneToTen = u" 1  2  3  4  5  6  7  8  9  10 ";

// For a program that sorts into ResultArray: each row's text clicked in a fresh window shows the
// title and the row's numbers, again at a second click, and slot 0 is never touched.
template<class Program>
void checkSortedRows(const std::u16string &title, const std::vector<SortedRow> &rows)
{
    for (const SortedRow &row : rows) {
        INFO(row.name);
        Program form;
        sortText(form, row.text);
        CHECK(form.Label2.caption() == title + row.sorted);
        CHECK(form.ResultArray[0] == 0.0f);
        CHECK(form.ElementArray[0].type() == NumericValue::Type::Empty);
        const std::u16string echo = form.Label1.caption();
        form.click(form.Command1);
        CHECK(form.Label1.caption() == echo);
        CHECK(form.Label2.caption() == title + row.sorted);
    }
}

inline std::u16string joined(const std::vector<double> &numbers)
{
    std::string text;
    for (const double number : numbers)
        text += std::to_string(number) + ' ';
    return std::u16string(text.begin(), text.end());
}

} // namespace SortingTest
