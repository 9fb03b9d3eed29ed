#pragma once

// Each method's sort step by step, as the programs' own forms compute it. The lesson attaches a
// recorder to the form and clicks it; it never re-implements a sort.
//
// Changes to the first published contract:
// - SortStep::smaller: tally's count of smaller numbers for the element being placed.
// - SortStep::place and SortStep::found: what the method's variables hold after the step.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lesson {

enum class Method { PickMin, PairSwap, Tally };
// "pickmin" / "pairswap" / "tally" (the build's program names), and back (nullopt for anything
// else).
std::u16string methodProgram(Method);
std::optional<Method> methodFromProgram(std::u16string_view);

// The method as a few numbered Russian lines (index 0 is line 1) that steps point at. Each line
// begins with its number and a point; the lines of a loop's body are indented by two blanks.
const std::vector<std::u16string> &methodLines(Method);

struct SortStep {
    enum class Kind { Compare, Transfer, Swap, MarkUsed, Count, PassEnd };
    Kind kind;
    int line; // 1-based, into methodLines
    // ElementArray slots (1..10) this step involves; for a Compare the two numbers' slots, left
    // first as the code compares them (pickmin: against the largest or smallest found so far;
    // tally: element j against element i); none for a PassEnd.
    std::vector<int> slots;
    int resultSlot = 0;   // ResultArray slot written by this step, 0 for none
    bool outcome = false; // for Compare: the comparison's result
    long comparisons = 0; // counters so far, this step included
    long swaps = 0;       // pairswap only
    long smaller = 0;     // tally only: how many numbers are smaller than element i, so far
    // e.g. «Сравниваем 5 (ячейка 3) с наименьшим найденным 3 (ячейка 2): не меньше — наименьшим
    // остаётся 3.»
    std::u16string sentence;
    // The arrays as they stand after this step, each number as the window's captions write it,
    // without the blanks around it. `results` is empty for pairswap (it sorts in place).
    std::array<std::u16string, 10> elements;
    std::vector<std::u16string> results;
    // The loop's own counter after this step: pickmin's place k in the result (0 while it looks
    // for the largest), pairswap's pass (from 1), tally's element i.
    int place = 0;
    // pickmin only: the slot of the largest (while place is 0) or smallest found so far.
    int found = 0;
};

struct SortTrace {
    Method method;
    std::u16string label1; // the window's Label1 caption after the click (the echo)
    std::u16string label2; // the window's Label2 caption after the click
    std::u16string error;  // the runtime error's message when the click failed, else empty
    // Step 0: the arrays as the entry phase left them (before the first step of the sort).
    std::array<std::u16string, 10> startElements;
    std::vector<std::u16string> startResults; // empty for pairswap
    std::vector<SortStep> steps;
    // The last line of label2 (what the comparison view shows).
    std::u16string resultLine() const;
};
// Runs the program's own form on `input` (Text1's text) with a recorder attached.
SortTrace traceSort(Method, std::u16string_view input);

} // namespace lesson
