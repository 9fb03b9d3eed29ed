#include "comparison.h"

#include "conversions.h"
#include "lessonchoices.h"
#include "lessontext.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace lesson {

namespace {

using Kind = SortStep::Kind;

// Where the sort of `trace` stopped with an error while reading, the first number of its source
// that a single cannot hold.
std::u16string beyondSingles(const SortTrace &trace)
{
    for (const std::u16string &text : trace.startElements) {
        if (std::abs(textToNumber(text)) > std::numeric_limits<float>::max())
            return text;
    }
    return {};
}

// tally's groups of equal numbers, from the counts its own code made: equal numbers have equal
// counts of smaller ones, different numbers different counts.
std::u16string repeatedNumbers(const SortTrace &tally)
{
    std::map<long, std::pair<int, int>> groups; // count of smaller -> first slot, how many
    for (const SortStep &step : tally.steps) {
        if (step.kind == Kind::Count)
            ++groups.try_emplace(step.smaller, step.slots.front(), 0).first->second.second;
    }
    std::u16string list;
    for (const auto &[smaller, group] : groups) {
        if (group.second < 2)
            continue;
        list += concat({list.empty() ? u"" : u", ", tally.startElements[group.first - 1],
                        u" встречается ", count(group.second), u" ",
                        plural(group.second, u"раз", u"раза", u"раз")});
    }
    return list;
}

} // namespace

std::u16string compareNote(const SortTrace &pickmin, const SortTrace &pairswap,
                           const SortTrace &tally)
{
    if (pickmin.resultLine() == pairswap.resultLine() &&
        pairswap.resultLine() == tally.resultLine())
        return {};
    // pairswap stores singles as it reads; the others store doubles and make singles only of
    // the results.
    if (!pairswap.error.empty() && pairswap.steps.empty() && !pickmin.steps.empty()) {
        return concat({u"pairswap хранит числа с одинарной точностью уже при вводе, и ",
                       beyondSingles(pickmin),
                       u" в неё не помещается: он останавливается с ошибкой, не начав "
                       u"сортировку, а pickmin и tally читают число с двойной точностью и "
                       u"останавливаются, только когда переносят его в результат одинарной "
                       u"точности."});
    }
    if (const std::u16string repeated = repeatedNumbers(tally); !repeated.empty()) {
        return concat({u"tally ставит равные числа на одно место, и места после них остаются "
                       u"нулями (",
                       repeated, u"), а pickmin и pairswap переносят каждое число."});
    }
    return u"Результаты различаются, хотя числа на входе одни и те же.";
}

Comparison compareMethods(std::u16string_view input)
{
    Comparison comparison{u"Три метода на одних числах", {}, {}};
    std::array<SortTrace, 3> byMethod;
    for (const LessonChoice &choice : choices()) {
        if (!choice.method)
            continue;
        SortTrace trace = traceSort(*choice.method, input);
        const SortStep *last = trace.steps.empty() ? nullptr : &trace.steps.back();
        ComparisonSection section{*choice.method,
                                  choice.program,
                                  trace.error.empty() ? singleBlanks(trace.resultLine())
                                                      : trace.error,
                                  {},
                                  {}};
        section.counters.push_back(
            {"comparisons", u"Сравнений", count(last ? last->comparisons : 0)});
        // pairswap moves numbers within its array; the others transfer them into a result.
        if (trace.startResults.empty()) {
            section.counters.push_back({"swaps", u"Перестановок", count(last ? last->swaps : 0)});
        } else {
            const long transfers =
                std::count_if(trace.steps.begin(), trace.steps.end(),
                              [](const SortStep &step) { return step.kind == Kind::Transfer; });
            section.counters.push_back({"transfers", u"Переносов", count(transfers)});
        }
        section.spoken = concat(
            {section.title, u": ", section.result, u". ", countersText(section.counters), u"."});
        comparison.sections.push_back(std::move(section));
        byMethod[static_cast<std::size_t>(*choice.method)] = std::move(trace);
    }
    comparison.note = compareNote(byMethod[0], byMethod[1], byMethod[2]);
    if (comparison.note.empty())
        comparison.note = u"Результаты трёх методов совпадают.";
    return comparison;
}

} // namespace lesson
