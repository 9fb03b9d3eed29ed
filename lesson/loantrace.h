#pragma once

// Each year of the loan, as the loan window's own loop computes it.
//
// Changes to the first published contract:
// - LoanTrace::stop: the figures of the year the loop stopped in (stoppedInYear != 0), which is
//   not one of `years`.
// - LoanTrace::partial: true when the window shows a result (caption not empty), so that a view
//   marks the partial last year without parsing the caption.
// - LoanTrace::rate: the yearly rate in percent as the loop read it.

#include <string>
#include <string_view>
#include <vector>

namespace lesson {

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
    double rate = 0; // percent a year, once the input passed the checks
};
LoanTrace traceLoan(std::u16string_view amount, std::u16string_view rate,
                    std::u16string_view payment);

// Texts for a loan table cell, exactly as the window formats amounts ("###0.00").
std::u16string formatAmount(double);

} // namespace lesson
