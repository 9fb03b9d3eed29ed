#include "loanlesson.h"

#include "controls.h"
#include "conversions.h"
#include "lessonchoices.h"
#include "lessontext.h"
#include "loancsv.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace lesson {

namespace {

// The loop counts at most this many full years, as the window says when it stops.
constexpr int LongestTerm = 32767;

std::u16string roubles(double amount)
{
    return formatAmount(amount) + u" руб.";
}

// A round step that cuts `span` into at most about five parts.
double roundStep(double span)
{
    const double raw = span / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double normal = raw / magnitude;
    return (normal <= 1 ? 1 : normal <= 2 ? 2 : normal <= 5 ? 5 : 10) * magnitude;
}

// An axis label: whole numbers in groups of three digits, others as the runtime writes them.
std::u16string tickLabel(double value)
{
    if (value != std::floor(value) || std::abs(value) >= 1e15)
        return trimmed(numberToText(value));
    std::u16string digits = count(static_cast<long>(value));
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, u'\u00A0');
    return digits;
}

LoanChart::Axis axis(std::u16string title, double high, bool wholeSteps)
{
    LoanChart::Axis axis;
    axis.title = std::move(title);
    if (!(high > 0) || !std::isfinite(high))
        high = 1;
    double step = roundStep(high);
    if (wholeSteps)
        step = std::max(1.0, std::round(step));
    axis.high = std::ceil(high / step) * step;
    for (int i = 0; i * step <= axis.high * (1 + 1e-12); ++i)
        axis.ticks.push_back({i * step, tickLabel(i * step)});
    return axis;
}

} // namespace

LoanLesson::LoanLesson()
    : LoanLesson(loanFields().at(0).start, loanFields().at(1).start, loanFields().at(2).start)
{
}

LoanLesson::LoanLesson(std::u16string_view amount, std::u16string_view rate,
                       std::u16string_view payment)
    : LoanLesson(traceLoan(amount, rate, payment))
{
}

LoanLesson::LoanLesson(LoanTrace trace)
    : m_trace(std::move(trace))
{
    for (const LoanYear &year : m_trace.years) {
        m_interestPaid += year.interest;
        m_paid += year.payment;
    }
    m_paid += m_trace.remainder;
}

std::u16string LoanLesson::summary() const
{
    if (!m_trace.message.empty())
        return m_trace.message;
    std::u16string text = m_trace.caption;
    for (auto at = text.find(Label::LineBreak); at != std::u16string::npos;
         at = text.find(Label::LineBreak, at + 1))
        text.replace(at, Label::LineBreak.size(), u"\n");
    return text;
}

const std::array<std::u16string_view, LoanColumn::Count> &LoanLesson::headers()
{
    static constexpr std::array<std::u16string_view, LoanColumn::Count> all{
        u"Год", u"Долг на начало года, руб.", u"Проценты, руб.", u"Выплата, руб.",
        u"Долг на конец года, руб."};
    return all;
}

std::u16string_view LoanLesson::noteHeader()
{
    return u"Примечание";
}

std::u16string_view LoanLesson::tableName()
{
    return u"Годы погашения";
}

int LoanLesson::rowCount() const
{
    return static_cast<int>(m_trace.years.size()) +
           (m_trace.partial || m_trace.stoppedInYear != 0 ? 1 : 0);
}

LoanRow LoanLesson::row(int index) const
{
    if (index < 0 || index >= rowCount())
        throw std::out_of_range("lesson: no such year");
    LoanRow row;
    const auto fullYear = [&](const LoanYear &year) {
        row.year = year.year;
        row.cells = {count(year.year), formatAmount(year.owedAtStart), formatAmount(year.interest),
                     formatAmount(year.payment), formatAmount(year.owedAtEnd)};
        row.sentence =
            concat({u"Год ", count(year.year), u": долг на начало года ", roubles(year.owedAtStart),
                    u", проценты ", trimmed(numberToText(m_trace.rate)), u"% — ",
                    roubles(year.interest), u", выплата ", roubles(year.payment)});
        // roubles() ends in a point, which ends the sentence too.
    };
    if (static_cast<std::size_t>(index) < m_trace.years.size()) {
        const LoanYear &year = m_trace.years[static_cast<std::size_t>(index)];
        fullYear(year);
        row.sentence += concat({u", на конец года остаётся ", roubles(year.owedAtEnd)});
        return row;
    }
    if (m_trace.partial) {
        row.kind = LoanRow::Kind::Partial;
        row.year = index + 1;
        row.label = u"неполный год";
        row.cells[LoanColumn::Year] = concat({count(row.year), u", ", row.label});
        row.cells[LoanColumn::OwedAtStart] = formatAmount(m_trace.remainder);
        row.note = partialYearNote(formatAmount(m_trace.share));
        row.sentence = concat(
            {u"Год ", count(row.year), u" — неполный: остаётся ", roubles(m_trace.remainder),
             u", это ", formatAmount(m_trace.share),
             u" годовой выплаты. В модели программы на этот остаток проценты не начисляются: его "
             u"выплачивают как есть, и долг погашен."});
        return row;
    }
    const LoanYear &stop = m_trace.stop;
    row.kind = LoanRow::Kind::Stopped;
    fullYear(stop);
    row.label = u"остановка";
    row.cells[LoanColumn::Year] = concat({count(stop.year), u", ", row.label});
    row.note = m_trace.message;
    if (stop.year > LongestTerm) {
        row.sentence += concat({u" Программа считает не больше ", count(LongestTerm),
                                u" полных лет, а долг не погашен и после них"});
    } else if (stop.interest >= stop.payment) {
        row.sentence += concat({u" Проценты не меньше выплаты, поэтому долг на конец года, ",
                                roubles(stop.owedAtEnd), u", не меньше суммы займа"});
    } else {
        row.sentence += concat({u" Рядом с таким долгом выплата теряется в точности чисел, "
                                u"поэтому долг на конец года, ",
                                roubles(stop.owedAtEnd), u", не меньше суммы займа"});
    }
    row.sentence += concat({u": программа останавливается с сообщением «", m_trace.message, u"»"});
    return row;
}

LoanTotals LoanLesson::totals() const
{
    if (!hasTotals())
        return {};
    LoanTotals totals{formatAmount(m_paid), formatAmount(m_interestPaid), {}};
    totals.sentence = concat({u"Всего выплачено ", totals.paid, u" руб., из них переплата — ",
                              totals.interest, u" руб.: проценты за полные годы."});
    return totals;
}

LoanChart LoanLesson::chart(int maxPoints) const
{
    LoanChart chart;
    chart.title = u"Долг на конец года, руб.";
    const std::vector<LoanYear> &years = m_trace.years;
    std::vector<LoanChart::Point> all;
    if (!years.empty())
        all.push_back({0, years.front().owedAtStart});
    else if (m_trace.partial)
        all.push_back({0, m_trace.remainder});
    else if (m_trace.stoppedInYear != 0)
        all.push_back({0, m_trace.stop.owedAtStart});
    // Every point counts for the scale; only some are drawn.
    double highest = all.empty() ? 0 : all.front().owed;
    for (const LoanYear &year : years) {
        highest = std::max(highest, year.owedAtEnd);
    }
    double lastYear = static_cast<double>(years.size());
    if (m_trace.partial) {
        lastYear += 1;
    } else if (m_trace.stoppedInYear != 0) {
        lastYear = m_trace.stoppedInYear;
        if (std::isfinite(m_trace.stop.owedAtEnd))
            highest = std::max(highest, m_trace.stop.owedAtEnd);
    }
    const std::size_t shown = years.size();
    const std::size_t limit = static_cast<std::size_t>(std::max(3, maxPoints));
    const std::size_t every = shown / (limit - 2) + 1;
    for (std::size_t i = 0; i < shown; ++i) {
        if (i % every == every - 1 || i + 1 == shown)
            all.push_back({static_cast<double>(years[i].year), years[i].owedAtEnd});
    }
    if (m_trace.partial)
        all.push_back({lastYear, 0});
    else if (m_trace.stoppedInYear != 0 && std::isfinite(m_trace.stop.owedAtEnd))
        all.push_back({lastYear, m_trace.stop.owedAtEnd});
    chart.points = std::move(all);
    chart.years = axis(u"Год", std::max(1.0, lastYear), true);
    chart.amounts = axis(u"Долг, руб.", highest, false);

    if (chart.points.empty()) {
        chart.description = u"Долга по годам нет: программа не приняла данные.";
    } else {
        chart.description =
            concat({u"Долг по годам: ", roubles(chart.points.front().owed), u" в начале"});
        if (!years.empty())
            chart.description += concat({u", ", roubles(years.back().owedAtEnd), u" на конец года ",
                                         count(years.back().year)});
        chart.description += m_trace.partial
                                 ? concat({u", остаток выплачен в неполном году ",
                                           count(static_cast<long>(lastYear)), u"."})
                                 : concat({u", в год ", count(static_cast<long>(lastYear)),
                                           u" программа останавливается."});
    }
    return chart;
}

std::string LoanLesson::csv() const
{
    return loanCsv(m_trace);
}

} // namespace lesson
