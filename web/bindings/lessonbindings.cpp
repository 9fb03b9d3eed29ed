// The lesson page's side of the module: traces of the programs' own forms, handed to the page as
// JSON in UTF-16 (so that every code unit of an echoed text arrives as it was), and the loan's
// years one row at a time, so that a 32767-year table never crosses into JavaScript whole.
#include "lesson.h"
#include "pagemodule.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

class Json {
public:
    Json &raw(std::u16string_view text)
    {
        m_text += text;
        return *this;
    }
    Json &string(std::u16string_view text)
    {
        m_text += u'"';
        for (const char16_t unit : text) {
            // A lone surrogate too goes as an escape, which JSON.parse turns back into it.
            if (unit < 0x20 || unit == u'"' || unit == u'\\' ||
                (unit >= 0xD800 && unit <= 0xDFFF)) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(unit));
                m_text.append(escape, escape + 6);
            } else {
                m_text += unit;
            }
        }
        m_text += u'"';
        return *this;
    }
    Json &number(long value)
    {
        const std::string digits = std::to_string(value);
        m_text.append(digits.begin(), digits.end());
        return *this;
    }
    Json &boolean(bool value) { return raw(value ? u"true" : u"false"); }
    Json &key(std::u16string_view name)
    {
        if (m_text.back() != u'{')
            m_text += u',';
        return string(name).raw(u":");
    }
    template<class Strings>
    Json &strings(const Strings &list)
    {
        m_text += u'[';
        for (std::size_t i = 0; i < list.size(); ++i)
            (i ? raw(u",") : *this).string(list[i]);
        m_text += u']';
        return *this;
    }
    const std::u16string &text() const { return m_text; }
    std::u16string take() { return std::move(m_text); }

private:
    std::u16string m_text;
};

// The page's names of the steps, in the order of SortStep::Kind.
constexpr std::array<std::u16string_view, 6> KindNames{u"compare",  u"transfer", u"swap",
                                                       u"markUsed", u"count",    u"passEnd"};
static_assert(KindNames.size() == std::size_t(lesson::SortStep::Kind::PassEnd) + 1);

void writeTrace(Json &json, const lesson::SortTrace &trace)
{
    json.raw(u"{").key(u"program").string(lesson::methodProgram(trace.method));
    json.key(u"label1").string(trace.label1).key(u"label2").string(trace.label2);
    json.key(u"result").string(trace.resultLine()).key(u"error").string(trace.error);
    json.key(u"lines").strings(lesson::methodLines(trace.method));
    json.key(u"elements").strings(trace.startElements).key(u"results").strings(trace.startResults);
    json.key(u"steps").raw(u"[");
    for (std::size_t i = 0; i < trace.steps.size(); ++i) {
        const lesson::SortStep &step = trace.steps[i];
        json.raw(i ? u",{" : u"{").key(u"kind").string(KindNames.at(std::size_t(step.kind)));
        json.key(u"line").number(step.line).key(u"slots").raw(u"[");
        for (std::size_t s = 0; s < step.slots.size(); ++s)
            (s ? json.raw(u",") : json).number(step.slots[s]);
        json.raw(u"]").key(u"resultSlot").number(step.resultSlot);
        json.key(u"outcome").boolean(step.outcome).key(u"comparisons").number(step.comparisons);
        json.key(u"swaps").number(step.swaps).key(u"sentence").string(step.sentence);
        json.key(u"elements").strings(step.elements).key(u"results").strings(step.results);
        json.raw(u"}");
    }
    json.raw(u"]}");
}

// Each instance of this module serves one lesson page and keeps what that page sent and its last
// loan. The page fills the input buffer and keeps it in one of three inputs: a sort reads the
// first, the loan all three.
struct Kept {
    std::array<std::u16string, 3> inputs;
    std::u16string out;
    lesson::LoanTrace loan;
    std::vector<double> owed;
    std::string csv;
} kept;

std::array<std::u16string, 5> cells(const lesson::LoanYear &year)
{
    const std::string number = std::to_string(year.year);
    return {std::u16string(number.begin(), number.end()), lesson::formatAmount(year.owedAtStart),
            lesson::formatAmount(year.interest), lesson::formatAmount(year.payment),
            lesson::formatAmount(year.owedAtEnd)};
}

} // namespace

PAGE_EXPORT void keep(int input)
{
    kept.inputs.at(static_cast<std::size_t>(input)) = pageInput();
}

// The trace of the program named in the input buffer; null for a name that sorts by no method.
PAGE_EXPORT const PageView *sort()
{
    const auto method = lesson::methodFromProgram(pageInput());
    if (!method)
        return nullptr;
    Json json;
    writeTrace(json, lesson::traceSort(*method, kept.inputs[0]));
    kept.out = json.take();
    return pageText(kept.out);
}

PAGE_EXPORT const PageView *compare()
{
    using lesson::Method;
    const std::array traces{lesson::traceSort(Method::PickMin, kept.inputs[0]),
                            lesson::traceSort(Method::PairSwap, kept.inputs[0]),
                            lesson::traceSort(Method::Tally, kept.inputs[0])};
    Json json;
    json.raw(u"{").key(u"note").string(lesson::compareNote(traces[0], traces[1], traces[2]));
    json.key(u"methods").raw(u"[");
    for (std::size_t i = 0; i < traces.size(); ++i) {
        json.raw(i ? u"," : u"");
        writeTrace(json, traces[i]);
    }
    json.raw(u"]}");
    kept.out = json.take();
    return pageText(kept.out);
}

// The years' figures stay here; the page asks for the rows it shows.
PAGE_EXPORT const PageView *loan()
{
    const lesson::LoanTrace &trace = kept.loan =
        lesson::traceLoan(kept.inputs[0], kept.inputs[1], kept.inputs[2]);
    kept.owed.clear();
    if (!trace.years.empty())
        kept.owed.push_back(trace.years.front().owedAtStart);
    for (const lesson::LoanYear &year : trace.years)
        kept.owed.push_back(year.owedAtEnd);
    kept.csv.clear();
    Json json;
    json.raw(u"{").key(u"years").number(static_cast<long>(trace.years.size()));
    json.key(u"caption").string(trace.caption).key(u"message").string(trace.message);
    json.key(u"partial").boolean(trace.partial);
    json.key(u"remainder").string(lesson::formatAmount(trace.remainder));
    json.key(u"share").string(lesson::formatAmount(trace.share));
    json.key(u"stoppedInYear").number(trace.stoppedInYear);
    json.key(u"stop").strings(cells(trace.stop)).raw(u"}");
    kept.out = json.take();
    return pageText(kept.out);
}

// A full year's cells: year, owed at its start, interest, payment, owed at its end.
PAGE_EXPORT const PageView *loanRow(int index)
{
    kept.out = Json().strings(cells(kept.loan.years.at(static_cast<std::size_t>(index)))).take();
    return pageText(kept.out);
}

// What is owed before the first year and at the end of each.
PAGE_EXPORT const PageView *loanOwed()
{
    return pageView(kept.owed.data(), kept.owed.size());
}

// In bytes.
PAGE_EXPORT const PageView *loanCsv()
{
    if (kept.csv.empty())
        kept.csv = lesson::loanCsv(kept.loan);
    return pageView(kept.csv.data(), kept.csv.size());
}
