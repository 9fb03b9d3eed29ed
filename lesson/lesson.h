#pragma once

// The lesson: each method's sort and each year of the loan, step by step, as the programs' own
// forms compute them. It attaches a recorder to the form and clicks it; it never re-implements a
// sort or the loan loop.
//
// Changes to the first published contract:
// - LoanTrace::stop: the figures of the year the loop stopped in (stoppedInYear != 0), which is
//   not one of `years`.
// - LoanTrace::partial: true when the window shows a result (caption not empty), so that a view
//   marks the partial last year without parsing the caption.
// - SortStep::smaller: tally's count of smaller numbers for the element being placed.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lesson {

enum class Method { PickMin, PairSwap, Tally };
// "pickmin" / "pairswap" / "tally", and back (nullopt for anything else).
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

// A sentence on why the three methods' results differ on this input (empty when they agree),
// e.g. tally's zeros for repeated numbers, pairswap's single precision.
std::u16string compareNote(const SortTrace &pickmin, const SortTrace &pairswap,
                           const SortTrace &tally);

struct LoanYear {
    int year = 0; // 1-based
    double owedAtStart = 0, interest = 0, payment = 0, owedAtEnd = 0;
};
struct LoanTrace {
    std::vector<LoanYear> years; // the full years, as the program's loop counts them
    std::u16string caption;      // Label4's caption when the window shows a result, else empty
    std::u16string message;      // the window's message box text when it stops with one, else empty
    int stoppedInYear = 0;       // for a message from the loop: the year it stopped in
    LoanYear stop;               // that year's figures, when stoppedInYear != 0
    bool partial = false;        // the window shows a result: remainder and share below
    double remainder = 0;        // the final partial year: what is left, and its share of a payment
    double share = 0;
};
LoanTrace traceLoan(std::u16string_view amount, std::u16string_view rate,
                    std::u16string_view payment);

// Texts for a loan table cell, exactly as the window formats amounts ("###0.00").
std::u16string formatAmount(double);

// The loan table as CSV for spreadsheets in a Russian locale: ';' separator, ',' as the decimal
// mark, UTF-8 with a byte order mark, CR LF line ends, a header row; the partial last year marked.
std::string loanCsv(const LoanTrace &);

} // namespace lesson
