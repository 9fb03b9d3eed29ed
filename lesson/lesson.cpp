#include "lesson.h"

#include "bankform.h"
#include "conversions.h"
#include "pairswapform.h"
#include "pickminform.h"
#include "programs.h"
#include "runtimeerror.h"
#include "tallyform.h"
#include "utf8.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <stdexcept>

namespace lesson {

namespace {

using Kind = SortStep::Kind;

std::u16string trimmed(std::u16string_view text)
{
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return {};
    return std::u16string(text.substr(first, text.find_last_not_of(u' ') - first + 1));
}

// A number as the window's captions write it, without the blanks around it.
std::u16string shown(const NumericValue &number)
{
    return trimmed(numberToText(number));
}

std::u16string count(long number)
{
    if (number < 0 || number > 999)
        return trimmed(integerText(static_cast<std::int32_t>(number)));
    // The counts and slots of a sort, without a round through the runtime's conversion.
    std::u16string digits;
    do {
        digits.insert(digits.begin(), char16_t(u'0' + number % 10));
        number /= 10;
    } while (number != 0);
    return digits;
}

// The Russian word for `number` things: one, a few (2 to 4) or many.
std::u16string_view plural(long number, std::u16string_view one, std::u16string_view few,
                           std::u16string_view many)
{
    const long tens = number % 100, units = number % 10;
    if (tens >= 11 && tens <= 14)
        return many;
    if (units == 1)
        return one;
    return units >= 2 && units <= 4 ? few : many;
}

std::u16string concat(std::initializer_list<std::u16string_view> pieces)
{
    std::size_t size = 0;
    for (const auto piece : pieces)
        size += piece.size();
    std::u16string text;
    text.reserve(size);
    for (const auto piece : pieces)
        text.append(piece);
    return text;
}

// The lines steps point at; the numbers are 1-based positions in methodLines.
namespace Line {
constexpr int PickLargest = 1, PickSmallest = 3, PickTransfer = 4, PickMark = 5;
constexpr int SwapCompare = 2, SwapSwap = 3, SwapPassEnd = 4;
constexpr int TallyCompare = 2, TallyCount = 3, TallyTransfer = 4;
} // namespace Line

// Turns what a sort reports into steps, reading the numbers from the form as they stand. Only the
// slots a step changes are written anew.
class StepRecorder final : public SortRecorder {
public:
    StepRecorder(SortTrace &trace, BoundedArray<NumericValue, 0, 10> &elements,
                 BoundedArray<float, 0, 10> *results)
        : m_trace(trace)
        , m_elements(elements)
        , m_results(results)
    {
    }

    bool hasStarted() const { return m_started; }

    void started() override
    {
        m_started = true;
        // The most steps a sort takes: pairswap's ten passes of nine comparisons and 45 swaps.
        m_trace.steps.reserve(145);
        for (int slot = 1; slot <= 10; ++slot)
            m_elementTexts[slot - 1] = elementText(slot);
        if (m_results) {
            m_resultTexts.resize(10);
            for (int slot = 1; slot <= 10; ++slot)
                m_resultTexts[slot - 1] = resultText(slot);
        }
        m_trace.startElements = m_elementTexts;
        m_trace.startResults = m_resultTexts;
    }

    void compared(int slot, int other, bool outcome) override
    {
        ++m_comparisons;
        switch (m_trace.method) {
        case Method::PickMin:
            if (other == 0)
                compareLargest(slot, outcome);
            else
                compareSmallest(slot, other, outcome);
            return;
        case Method::PairSwap:
            add(Kind::Compare, Line::SwapCompare, {slot, other}, outcome,
                say(u"Сравниваем соседей ", Slot{slot}, u" и ", Slot{other},
                    outcome ? u": левое больше — меняем их местами."
                            : u": левое не больше — оставляем их как есть."));
            return;
        case Method::Tally:
            m_smaller += outcome;
            add(Kind::Compare, Line::TallyCompare, {slot, other}, outcome,
                say(u"Сравниваем ", Slot{slot}, u" с ", Slot{other},
                    outcome ? u": меньше — меньших, чем " : u": не меньше — меньших, чем ",
                    m_elementTexts[other - 1], outcome ? u", теперь " : u", по-прежнему ",
                    m_smaller, u"."));
            return;
        }
    }

    void transferred(int slot, int resultSlot) override
    {
        m_resultTexts[resultSlot - 1] = resultText(resultSlot);
        const std::u16string &element = m_elementTexts[slot - 1];
        const std::u16string &stored = m_resultTexts[resultSlot - 1];
        std::u16string sentence;
        if (m_trace.method == Method::PickMin) {
            sentence = say(u"Наименьшее — ", Slot{slot}, u": переносим его на место ", resultSlot,
                           u" результата.");
        } else {
            sentence = say(u"Записываем ", element, u" на место ", resultSlot, u" результата.");
            if (m_written[resultSlot - 1])
                sentence += u" Там уже стоит равное ему число, поэтому одно из следующих мест "
                            u"останется нулём.";
            m_written[resultSlot - 1] = true;
        }
        if (stored != element)
            sentence += say(u" С одинарной точностью оно записано как ", stored, u".");
        add(Kind::Transfer,
            m_trace.method == Method::PickMin ? Line::PickTransfer : Line::TallyTransfer, {slot},
            false, std::move(sentence), resultSlot);
        m_smaller = 0;
    }

    void swapped(int slot) override
    {
        ++m_swaps;
        std::swap(m_elementTexts[slot - 1], m_elementTexts[slot]);
        add(Kind::Swap, Line::SwapSwap, {slot, slot + 1}, false,
            say(u"Меняем местами: в ячейке ", slot, u" теперь ", m_elementTexts[slot - 1],
                u", в ячейке ", slot + 1, u" — ", m_elementTexts[slot], u"."));
    }

    void markedUsed(int slot) override
    {
        m_elementTexts[slot - 1] = elementText(slot);
        m_used[slot - 1] = true;
        add(Kind::MarkUsed, Line::PickMark, {slot}, false,
            say(u"Записываем в ячейку ", slot, u" наибольшее число ", m_elementTexts[slot - 1],
                u": ячейка помечена как использованная."));
    }

    void counted(int slot, int smaller) override
    {
        m_smaller = smaller;
        add(Kind::Count, Line::TallyCount, {slot}, false,
            say(u"Меньших, чем ", Slot{slot}, u", — ", smaller, u": его место в результате ",
                smaller + 1, u"."));
    }

    void passEnded(int passSwaps) override
    {
        ++m_passes;
        std::u16string sentence =
            passSwaps == 0
                ? say(u"Проход ", m_passes,
                      u" окончен без перестановок: массив упорядочен, всего перестановок ", m_swaps,
                      u".")
                : say(u"Проход ", m_passes, u" окончен: в нём ", passSwaps, u" ",
                      plural(passSwaps, u"перестановка", u"перестановки", u"перестановок"),
                      u", нужен ещё проход.");
        add(Kind::PassEnd, Line::SwapPassEnd, {}, false, std::move(sentence));
    }

private:
    std::u16string elementText(int slot) const { return shown(m_elements[slot]); }
    std::u16string resultText(int slot) const
    {
        return shown(NumericValue::reference((*m_results)[slot]));
    }

    struct Slot {
        int slot;
    };

    // A sentence of texts, counts and slots, the last as «5 (ячейка 3)», with a note when the slot
    // holds the largest as a mark. One string per sentence: a step is built in microseconds.
    template<class... Pieces>
    std::u16string say(const Pieces &...pieces) const
    {
        std::u16string text;
        text.reserve(160);
        (append(text, pieces), ...);
        return text;
    }
    void append(std::u16string &text, std::u16string_view piece) const { text.append(piece); }
    void append(std::u16string &text, long number) const { text.append(count(number)); }
    void append(std::u16string &text, Slot slot) const
    {
        append(text, m_elementTexts[slot.slot - 1]);
        append(text, u" (ячейка ");
        append(text, long{slot.slot});
        append(text, m_used[slot.slot - 1] ? u", использована)" : u")");
    }

    void compareLargest(int slot, bool larger)
    {
        const int largest = m_largestSlot;
        if (larger)
            m_largestSlot = slot;
        add(Kind::Compare, Line::PickLargest, {slot, largest}, larger,
            say(u"Сравниваем ", Slot{slot}, u" с наибольшим найденным ", Slot{largest},
                larger ? u": больше — наибольшим становится "
                       : u": не больше — наибольшим "
                         u"остаётся ",
                m_elementTexts[m_largestSlot - 1], u"."));
    }

    void compareSmallest(int slot, int smallest, bool smaller)
    {
        add(Kind::Compare, Line::PickSmallest, {slot, smallest}, smaller,
            say(u"Сравниваем ", Slot{slot}, u" с наименьшим найденным ", Slot{smallest},
                smaller ? u": меньше — наименьшим становится "
                        : u": не меньше — наименьшим "
                          u"остаётся ",
                m_elementTexts[(smaller ? slot : smallest) - 1], u"."));
    }

    void add(Kind kind, int line, std::vector<int> slots, bool outcome, std::u16string sentence,
             int resultSlot = 0)
    {
        m_trace.steps.push_back(SortStep{kind, line, std::move(slots), resultSlot, outcome,
                                         m_comparisons, m_swaps, m_smaller, std::move(sentence),
                                         m_elementTexts, m_resultTexts});
    }

    SortTrace &m_trace;
    BoundedArray<NumericValue, 0, 10> &m_elements;
    BoundedArray<float, 0, 10> *m_results;
    std::array<std::u16string, 10> m_elementTexts;
    std::vector<std::u16string> m_resultTexts;
    std::array<bool, 10> m_used{};
    std::array<bool, 10> m_written{};
    bool m_started = false;
    long m_comparisons = 0;
    long m_swaps = 0;
    long m_smaller = 0;
    long m_passes = 0;
    int m_largestSlot = 1;
};

template<class Program>
SortTrace traceWith(Method method, std::u16string_view input)
{
    Program form;
    SortTrace trace{method, {}, {}, {}, {}, {}, {}};
    BoundedArray<float, 0, 10> *results = nullptr;
    if constexpr (requires { form.ResultArray; })
        results = &form.ResultArray;
    StepRecorder recorder(trace, form.ElementArray, results);
    form.setRecorder(&recorder);
    form.setPresenter(
        [&trace](const std::u16string &prompt, const std::u16string &) { trace.error = prompt; });
    form.Text1.setText(input);
    form.click(form.Command1);
    // A click that failed while reading: step 0 is the arrays as the reading left them.
    if (!recorder.hasStarted())
        recorder.started();
    trace.label1 = form.Label1.caption();
    trace.label2 = form.Label2.caption();
    return trace;
}

// What the year loop reports, as rows of plain numbers: a long loan keeps no texts.
class YearRecorder final : public LoanRecorder {
public:
    explicit YearRecorder(LoanTrace &trace)
        : m_trace(trace)
    {
    }

    bool hasFinished() const { return m_finished; }

    void started(const NumericValue &amount, const NumericValue &,
                 const NumericValue &payment) override
    {
        m_owed = amount.toDouble();
        m_payment = payment.toDouble();
    }

    void yearComputed(const NumericValue &interest, const NumericValue &owed) override
    {
        const double owedAtEnd = owed.toDouble();
        m_trace.years.push_back(LoanYear{static_cast<int>(m_trace.years.size()) + 1, m_owed,
                                         interest.toDouble(), m_payment, owedAtEnd});
        m_owed = owedAtEnd;
    }

    void finished(const NumericValue &remainder, const NumericValue &share) override
    {
        m_finished = true;
        m_trace.remainder = remainder.toDouble();
        m_trace.share = share.toDouble();
    }

private:
    LoanTrace &m_trace;
    double m_owed = 0;
    double m_payment = 0;
    bool m_finished = false;
};

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

// The programs are known by their forms' classes; their names are the build's.
std::optional<Method> methodOf(const Form &form)
{
    if (dynamic_cast<const PickMinForm *>(&form))
        return Method::PickMin;
    if (dynamic_cast<const PairSwapForm *>(&form))
        return Method::PairSwap;
    if (dynamic_cast<const TallyForm *>(&form))
        return Method::Tally;
    return std::nullopt;
}

} // namespace

std::u16string methodProgram(Method method)
{
    for (const ProgramForm &program : Programs) {
        if (methodOf(*program.make()) == method)
            return std::u16string(program.name.begin(), program.name.end());
    }
    throw std::logic_error("lesson: no program sorts by this method");
}

std::optional<Method> methodFromProgram(std::u16string_view name)
{
    for (const ProgramForm &program : Programs) {
        if (std::equal(program.name.begin(), program.name.end(), name.begin(), name.end()))
            return methodOf(*program.make());
    }
    return std::nullopt;
}

const std::vector<std::u16string> &methodLines(Method method)
{
    static const std::vector<std::u16string> pickmin{
        u"1. Находим наибольшее число: сравниваем ячейки 2–10 с наибольшим найденным.",
        u"2. Для каждого места результата k от 1 до 10:",
        u"3.   ищем наименьшее число, сравнивая ячейки 1–10 с наименьшим найденным;",
        u"4.   переносим наименьшее на место k результата;",
        u"5.   записываем в его ячейку наибольшее число, помечая её использованной.",
    };
    static const std::vector<std::u16string> pairswap{
        u"1. Повторяем проходы, пока проход делает хоть одну перестановку:",
        u"2.   сравниваем соседей в ячейках i и i + 1 для i от 1 до 9;",
        u"3.   если левое больше, меняем их местами и считаем перестановку;",
        u"4.   проход окончен: если перестановок не было, массив упорядочен.",
    };
    static const std::vector<std::u16string> tally{
        u"1. Для каждой ячейки i от 1 до 10:",
        u"2.   сравниваем с её числом числа всех ячеек j от 1 до 10 и считаем меньшие;",
        u"3.   место числа в результате — количество меньших плюс 1;",
        u"4.   записываем число на это место (равные числа попадают на одно место).",
    };
    switch (method) {
    case Method::PickMin:
        return pickmin;
    case Method::PairSwap:
        return pairswap;
    case Method::Tally:
        break;
    }
    return tally;
}

std::u16string SortTrace::resultLine() const
{
    const auto lineStart = label2.rfind(Label::LineBreak);
    return lineStart == std::u16string::npos ? label2
                                             : label2.substr(lineStart + Label::LineBreak.size());
}

SortTrace traceSort(Method method, std::u16string_view input)
{
    switch (method) {
    case Method::PickMin:
        return traceWith<PickMinForm>(method, input);
    case Method::PairSwap:
        return traceWith<PairSwapForm>(method, input);
    case Method::Tally:
        break;
    }
    return traceWith<TallyForm>(method, input);
}

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

LoanTrace traceLoan(std::u16string_view amount, std::u16string_view rate,
                    std::u16string_view payment)
{
    BankForm bank;
    LoanTrace trace;
    YearRecorder recorder(trace);
    bank.setRecorder(&recorder);
    bank.setPresenter(
        [&trace](const std::u16string &prompt, const std::u16string &) { trace.message = prompt; });
    bank.Text1.setText(amount);
    bank.Text2.setText(rate);
    bank.Text3.setText(payment);
    bank.click(bank.Command2);
    if (recorder.hasFinished() && trace.message.empty()) {
        trace.partial = true;
        trace.caption = bank.Label4.caption();
    } else if (!trace.message.empty() && !trace.years.empty()) {
        // The year the loop stopped in was computed but not counted.
        trace.stop = trace.years.back();
        trace.years.pop_back();
        trace.stoppedInYear = trace.stop.year;
    }
    return trace;
}

std::u16string formatAmount(double amount)
{
    // Only the year a loan stops in can leave the range of doubles; the window shows no such year.
    if (!std::isfinite(amount))
        return amount < 0 ? u"-∞" : u"∞";
    return formatWithPattern(amount, u"###0.00");
}

// Spreadsheets set to Russian read a comma as the decimal mark, so they expect ';' between
// fields; a byte order mark is what makes them take the file as UTF-8 rather than a Cyrillic code
// page; CR LF is the line end CSV files are written with. Amounts keep the window's two decimals
// and no grouping, so every cell reads as a number.
std::string loanCsv(const LoanTrace &trace)
{
    const auto amount = [](double value) {
        std::string text = toUtf8(formatAmount(value));
        for (char &c : text) {
            if (c == '.')
                c = ',';
        }
        return text;
    };
    const auto field = [](const std::u16string &text) {
        std::string cell = toUtf8(text);
        if (cell.find_first_of(";\"\r\n") == std::string::npos)
            return cell;
        std::string quoted = "\"";
        for (const char c : cell)
            quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        return quoted + '"';
    };
    const auto row = [&](const LoanYear &year, const std::u16string &note) {
        return std::to_string(year.year) + ';' + amount(year.owedAtStart) + ';' +
               amount(year.interest) + ';' + amount(year.payment) + ';' + amount(year.owedAtEnd) +
               ';' + field(note) + "\r\n";
    };

    std::string csv = "\xEF\xBB\xBF";
    csv += toUtf8(u"Год;Долг на начало года, руб.;Проценты, руб.;Выплата, руб.;Долг на конец "
                  u"года, руб.;Примечание\r\n");
    csv.reserve(csv.size() + trace.years.size() * 64);
    for (const LoanYear &year : trace.years)
        csv += row(year, {});
    if (trace.partial) {
        csv += std::to_string(trace.years.size() + 1) + ';' + amount(trace.remainder) + ";;;;" +
               toUtf8(u"неполный год: остаток ") + amount(trace.share) +
               toUtf8(u" годовой выплаты") + "\r\n";
    } else if (trace.stoppedInYear != 0) {
        csv += row(trace.stop, trace.message);
    } else if (!trace.message.empty()) {
        csv += ";;;;;" + field(trace.message) + "\r\n";
    }
    return csv;
}

} // namespace lesson
