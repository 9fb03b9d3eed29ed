#pragma once

// Everything a sort's step shows, as texts and states the views only draw: the heading and the
// sentence, the counters, the marked line, the method's variables and each slot of both arrays.
// A step is built on demand from the trace, in microseconds, so a view asks for the step it shows.

#include "sorttrace.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lesson {

// A counter or a variable: `id` is a stable ASCII name (a `data-name` on the web), `caption` what
// the view labels it with, `value` its text.
struct NamedValue {
    std::string_view id;
    std::u16string caption;
    std::u16string value;
};

// A counter's line as the views write it: «Сравнений: 109, перестановок: 23».
std::u16string countersText(const std::vector<NamedValue> &counters);

enum class SlotState {
    Written,   // holds a number the program put there (ElementArray: the input)
    Current,   // one of the slots this step works on
    Used,      // pickmin: holds the largest number as the mark of a slot already transferred
    Unwritten, // ResultArray: nothing written here yet; drawn and read as empty, never as 0
};
// "written", "current", "used", "unwritten": the web's data-state.
std::string_view slotStateName(SlotState);

struct SlotView {
    int slot = 0; // 1..10
    // As the window writes the number; empty for an unwritten slot, but at the last step, where
    // the window's 0 stands in a slot the sort never wrote (tally's places after equal numbers).
    std::u16string value;
    // Signed height from the zero baseline, -1..1, of the largest magnitude in the trace; 0 for an
    // unwritten slot.
    double bar = 0;
    SlotState state = SlotState::Written;
    bool used = false; // pickmin's mark, also when the slot is current
    // The slot read out, so no mark relies on colour: «ячейка 3: 5, сейчас сравнивается»,
    // «ячейка 4: пусто», «ячейка 1: использована (метка 10)».
    std::u16string spoken;
};

struct SortStepView {
    int step = 0, stepCount = 0;
    std::u16string heading;  // «Шаг 17 из 109»
    std::u16string sentence; // what the step does; step 0 and the last step say where they stand
    // "comparisons", and "swaps" for pairswap.
    std::vector<NamedValue> counters;
    int line = 0; // 1-based into lines(); 0 at step 0
    // pickmin: "largest", "k", "smallest"; pairswap: "pass", "pair"; tally: "number", "smaller".
    // "—" stands for a variable that holds nothing yet.
    std::vector<NamedValue> variables;
    std::array<SlotView, 10> elements;
    std::vector<SlotView> results; // empty when the method has no result array
};

// One method's sort, ready to show any of its steps.
class SortLesson {
public:
    explicit SortLesson(SortTrace);
    const SortTrace &trace() const { return m_trace; }
    Method method() const { return m_trace.method; }
    int stepCount() const { return static_cast<int>(m_trace.steps.size()); }

    // pairswap sorts in place: no ResultArray is drawn, and inPlaceNote() says why.
    bool hasResults() const { return !m_trace.startResults.empty(); }
    static std::u16string_view elementsCaption(); // «Массив ElementArray»
    static std::u16string_view resultsCaption();  // «Массив ResultArray»
    std::u16string inPlaceNote() const;           // empty when hasResults()
    const std::vector<std::u16string> &lines() const { return methodLines(m_trace.method); }
    // The window's message when the click failed, else empty.
    const std::u16string &message() const { return m_trace.error; }

    // Step 0 to stepCount(); std::out_of_range beyond (a view clamps with StepPlayer).
    SortStepView step(int index) const;

private:
    SortTrace m_trace;
    // Per step (0 = before the first): the slots marked used and the results written so far.
    std::vector<std::uint16_t> m_used, m_written;
    double m_largestMagnitude = 0;
};

} // namespace lesson
