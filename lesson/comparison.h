#pragma once

// The three methods on the same numbers: each with the result line its window shows and its
// counters, and why the results differ when they do.

#include "sortstepview.h"
#include "sorttrace.h"

#include <string>
#include <string_view>
#include <vector>

namespace lesson {

// A sentence on why the three methods' results differ on this input (empty when they agree),
// e.g. tally's zeros for repeated numbers, pairswap's single precision.
std::u16string compareNote(const SortTrace &pickmin, const SortTrace &pairswap,
                           const SortTrace &tally);

struct ComparisonSection {
    Method method;
    std::u16string title;  // the program's name, as the note names it
    std::u16string result; // the window's result line, or its message when the click failed
    // "comparisons", then "swaps" for pairswap (it sorts in place) or "transfers" for the others.
    std::vector<NamedValue> counters;
    // What a screen reader reads for the section: title, result and counters in one text.
    std::u16string spoken;
};

struct Comparison {
    std::u16string title;                    // «Три метода на одних числах»
    std::vector<ComparisonSection> sections; // in the build's program order
    // Never empty: why the results differ, or «Результаты трёх методов совпадают.»
    std::u16string note;
};
Comparison compareMethods(std::u16string_view input);

} // namespace lesson
