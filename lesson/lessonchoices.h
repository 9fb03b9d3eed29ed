#pragma once

// What the lesson offers: its choices in the build's program order (each sorting program, the
// comparison after them, the loan) and the boxes each choice reads, named as the programs' own
// windows name them. Adding a program to the build adds it here.

#include "sorttrace.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lesson {

struct LessonChoice {
    enum class Kind { Sort, Compare, Loan };
    Kind kind;
    std::u16string program; // the link's value: "pickmin", "compare", "Bank"
    std::u16string label; // «pickmin: Сортировка массива переносом мин. элемента»
    std::optional<Method> method; // for a sort
};
const std::vector<LessonChoice> &choices();
// nullptr for a name that is no choice.
const LessonChoice *findChoice(std::u16string_view program);

struct InputField {
    std::string_view id; // "input"; "amount", "rate", "payment" (the link's keys)
    std::u16string caption; // the window's name for its box, e.g. «Десять чисел через пробел»
    std::u16string start; // the text the box starts with
    int maxLength;        // as the window's box
    std::u16string box;   // the window's own box, e.g. "Text1"
};
const InputField &numbersField();
const std::vector<InputField> &loanFields(); // amount, rate, payment

// The captions around the choices, one wording for both editions.
struct LessonTexts {
    std::u16string_view title;  // «Разбор»
    std::u16string_view choice; // «Что разобрать»
    std::u16string_view run;    // «Разобрать»
    std::u16string_view lines;  // «Строки метода», the list of the method's lines
    // Saving the loan's table: the button, the file's suggested name, the dialog's filter, and
    // what is said, before the system's reason, when the file cannot be written.
    std::u16string_view saveCsv, csvFileName, csvFilter, saveFailed;
    // The web edition's: the link under a program's window to the lesson of its last press, what
    // the page says when its module did not load, the loan's year box, and the CSV's download
    // with what the file is like.
    std::u16string_view runLink, loadFailed, goToYear, downloadCsv, csvFormat;
};
const LessonTexts &lessonTexts();

} // namespace lesson
