// The lesson page's side of the module: the core's view model, handed to the page as JSON in
// UTF-16 (so that every code unit of an echoed text arrives as it was). The module keeps the sort,
// its player and the loan; the page asks for the step it shows and the loan's rows by index, so
// that a 32767-year table never crosses into JavaScript whole.
#include "lesson.h"
#include "pagejson.h"
#include "pagemodule.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

void writeNamed(Json &json, const lesson::NamedValue &value)
{
    json.raw(u"{").key(u"id").string(value.id).key(u"caption").string(value.caption);
    json.key(u"value").string(value.value).raw(u"}");
}

void writeSlot(Json &json, const lesson::SlotView &slot)
{
    json.raw(u"{").key(u"slot").number(slot.slot).key(u"value").string(slot.value);
    json.key(u"bar").number(slot.bar).key(u"state").string(lesson::slotStateName(slot.state));
    json.key(u"used").boolean(slot.used).key(u"spoken").string(slot.spoken).raw(u"}");
}

// The page's keys by the DOM's names, in the order of lesson::Key.
constexpr std::array<std::u16string_view, 7> KeyNames{
    u"ArrowLeft", u"ArrowRight", u"PageUp", u"PageDown", u"Home", u"End", u" "};
static_assert(KeyNames.size() == std::size_t(lesson::Key::Space) + 1);
// The player's buttons by their ids on the page, in the order of lesson::Move.
constexpr std::array<std::u16string_view, 5> MoveNames{u"first", u"back", u"forward", u"last",
                                                       u"play"};
static_assert(MoveNames.size() == std::size_t(lesson::Move::PlayPause) + 1);

template<std::size_t N>
std::optional<std::size_t> indexOf(const std::array<std::u16string_view, N> &names,
                                   std::u16string_view name)
{
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name)
            return i;
    return std::nullopt;
}

// Each instance of this module serves one lesson page and keeps what that page sent: the boxes'
// texts (the numbers, then the loan's three, as fieldTexts() orders them), the program, the
// sort with its player, the loan and the last link read, whose unknown keys it writes back.
struct Kept {
    std::array<std::u16string, 4> fields;
    std::u16string program;
    std::u16string out;
    std::optional<lesson::SortLesson> sort;
    lesson::StepPlayer player;
    lesson::LoanLesson loan;
    std::string csv;
    lesson::LessonLink link = lesson::defaultLink();
} kept;

std::array<std::u16string *, 4> linkFields(lesson::LessonLink &link)
{
    return {&link.input, &link.amount, &link.rate, &link.payment};
}

const PageView *give(Json &json)
{
    kept.out = json.take();
    return pageText(kept.out);
}

void writeLink(Json &json, lesson::LessonLink &link)
{
    json.raw(u"{").key(u"program").string(link.program).key(u"fields").raw(u"[");
    for (std::u16string *field : linkFields(link))
        (field == &link.input ? json : json.raw(u",")).string(*field);
    json.raw(u"]").key(u"step").number(link.step).raw(u"}");
}

} // namespace

// Keeps the input buffer as the text of box `index` (0 the numbers, 1 to 3 the loan's boxes).
PAGE_EXPORT void keep(int index)
{
    kept.fields.at(static_cast<std::size_t>(index)) = pageInput();
}

PAGE_EXPORT void keepProgram()
{
    kept.program = pageInput();
}

// The address in the input buffer, read: program, the four boxes and the step.
PAGE_EXPORT const PageView *readLink()
{
    kept.link = lesson::parseLink(pageInput());
    Json json;
    writeLink(json, kept.link);
    return give(json);
}

// The fragment of what the page shows: the kept program and boxes, the player's step.
PAGE_EXPORT const PageView *writeLink()
{
    lesson::LessonLink link = kept.link;
    link.program = kept.program;
    const auto fields = linkFields(link);
    for (std::size_t i = 0; i < fields.size(); ++i)
        *fields[i] = kept.fields[i];
    link.step = kept.sort ? kept.player.step() : 0;
    Json json;
    json.string(lesson::formatLink(link));
    return give(json);
}

// The kept program's sort of the kept numbers, at step 0: what stays the same over its steps,
// and the span of its bars (lowest and highest, 0 among them), so the baseline stays put.
// Null for a program that is no sort.
PAGE_EXPORT const PageView *openSort()
{
    const lesson::LessonChoice *choice = lesson::findChoice(kept.program);
    if (!choice || !choice->method) {
        kept.sort.reset();
        return nullptr;
    }
    const lesson::SortLesson &sort =
        kept.sort.emplace(lesson::traceSort(*choice->method, kept.fields[0]));
    kept.player.reset(sort.stepCount());
    // Every later step holds numbers of step 0 (moved, copied or as a marker) or nothing, so its
    // bars span the sort's.
    double low = 0, high = 0;
    const lesson::SortStepView start = sort.step(0);
    for (const lesson::SlotView &slot : start.elements) {
        low = std::min(low, slot.bar);
        high = std::max(high, slot.bar);
    }
    Json json;
    json.raw(u"{").key(u"program").string(kept.program).key(u"stepCount").number(sort.stepCount());
    json.key(u"lines").strings(sort.lines()).key(u"hasResults").boolean(sort.hasResults());
    json.key(u"inPlaceNote").string(sort.inPlaceNote()).key(u"message").string(sort.message());
    json.key(u"low").number(low).key(u"high").number(high).raw(u"}");
    return give(json);
}

// The player's step as shown, and whether it plays.
PAGE_EXPORT const PageView *shownStep()
{
    const lesson::SortStepView step = kept.sort.value().step(kept.player.step());
    Json json;
    json.raw(u"{").key(u"step").number(step.step).key(u"stepCount").number(step.stepCount);
    json.key(u"heading").string(step.heading).key(u"sentence").string(step.sentence);
    json.key(u"counters").list(step.counters, writeNamed);
    json.key(u"countersText").string(lesson::countersText(step.counters));
    json.key(u"line").number(step.line).key(u"variables").list(step.variables, writeNamed);
    json.key(u"elements").list(step.elements, writeSlot);
    json.key(u"results").list(step.results, writeSlot);
    json.key(u"playing").boolean(kept.player.playing());
    json.key(u"atFirst").boolean(kept.player.atFirst());
    json.key(u"atLast").boolean(kept.player.atLast()).raw(u"}");
    return give(json);
}

// The key named in the input buffer as the DOM names it: -1 when the lesson does not take it,
// else whether the step changed.
PAGE_EXPORT int press()
{
    const auto key = indexOf(KeyNames, pageInput());
    if (!key)
        return -1;
    return kept.player.press(static_cast<lesson::Key>(*key));
}

// The player's button whose id is in the input buffer; whether the step changed.
PAGE_EXPORT int move()
{
    const auto move = indexOf(MoveNames, pageInput());
    return move && kept.player.apply(static_cast<lesson::Move>(*move));
}

PAGE_EXPORT int jump(int step)
{
    return kept.player.jump(step);
}

PAGE_EXPORT int tick()
{
    return kept.player.tick();
}

PAGE_EXPORT int playing()
{
    return kept.player.playing();
}

PAGE_EXPORT void pause()
{
    kept.player.pause();
}

// Milliseconds between ticks at the speed of that index.
PAGE_EXPORT int setSpeed(int index)
{
    kept.player.setSpeed(index);
    return kept.player.interval();
}

PAGE_EXPORT const PageView *compare()
{
    const lesson::Comparison comparison = lesson::compareMethods(kept.fields[0]);
    Json json;
    json.raw(u"{").key(u"title").string(comparison.title).key(u"note").string(comparison.note);
    json.key(u"sections").list(comparison.sections, [](Json &json, const auto &section) {
        json.raw(u"{").key(u"program").string(lesson::methodProgram(section.method));
        json.key(u"title").string(section.title).key(u"result").string(section.result);
        json.key(u"counters").list(section.counters, writeNamed);
        json.key(u"countersText").string(lesson::countersText(section.counters));
        json.key(u"spoken").string(section.spoken).raw(u"}");
    });
    json.raw(u"}");
    return give(json);
}

// The loan of the kept boxes: its summary, table's shape, totals and chart of at most
// `chartPoints` points. The rows stay here until asked for.
PAGE_EXPORT const PageView *openLoan(int chartPoints)
{
    lesson::LoanLesson &loan = kept.loan =
        lesson::LoanLesson(kept.fields[1], kept.fields[2], kept.fields[3]);
    kept.csv.clear();
    const lesson::LoanChart chart = loan.chart(chartPoints);
    const auto axis = [](Json &json, const lesson::LoanChart::Axis &axis) {
        json.raw(u"{").key(u"title").string(axis.title).key(u"low").number(axis.low);
        json.key(u"high").number(axis.high).key(u"ticks").list(axis.ticks, [](Json &json,
                                                                              auto &tick) {
            json.raw(u"{").key(u"at").number(tick.at).key(u"label").string(tick.label).raw(u"}");
        });
        json.raw(u"}");
    };
    Json json;
    json.raw(u"{").key(u"summary").string(loan.summary()).key(u"hasTable").boolean(loan.hasTable());
    json.key(u"rowCount").number(loan.rowCount());
    json.key(u"hasTotals").boolean(loan.hasTotals());
    const lesson::LoanTotals totals = loan.totals();
    json.key(u"totals").raw(u"{").key(u"paid").string(totals.paid);
    json.key(u"interest").string(totals.interest).key(u"sentence").string(totals.sentence);
    json.raw(u"}").key(u"chart").raw(u"{").key(u"title").string(chart.title);
    json.key(u"description").string(chart.description);
    axis(json.key(u"years"), chart.years);
    axis(json.key(u"amounts"), chart.amounts);
    json.key(u"points").list(chart.points, [](Json &json, const auto &point) {
        json.raw(u"[").number(point.year).raw(u",").number(point.owed).raw(u"]");
    });
    json.raw(u"}}");
    return give(json);
}

PAGE_EXPORT const PageView *loanRow(int index)
{
    static constexpr std::array<std::u16string_view, 3> Kinds{u"full", u"partial", u"stopped"};
    const lesson::LoanRow row = kept.loan.row(index);
    Json json;
    json.raw(u"{")
        .key(u"kind")
        .string(Kinds.at(std::size_t(row.kind)))
        .key(u"year")
        .number(row.year);
    json.key(u"cells").strings(row.cells).key(u"label").string(row.label);
    json.key(u"note").string(row.note).key(u"sentence").string(row.sentence).raw(u"}");
    return give(json);
}

// In bytes; empty for a loan the window refused.
PAGE_EXPORT const PageView *loanCsv()
{
    if (!kept.loan.hasTable())
        kept.csv.clear();
    else if (kept.csv.empty())
        kept.csv = kept.loan.csv();
    return pageView(kept.csv.data(), kept.csv.size());
}
