#include "sorttrace.h"

#include "conversions.h"
#include "lessontext.h"
#include "pairswapform.h"
#include "pickminform.h"
#include "programs.h"
#include "runtimeerror.h"
#include "tallyform.h"

#include <algorithm>
#include <stdexcept>

namespace lesson {

namespace {

using Kind = SortStep::Kind;

// A number as the window's captions write it, without the blanks around it.
std::u16string shown(const NumericValue &number)
{
    return trimmed(numberToText(number));
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
            m_place = m_passes + 1;
            add(Kind::Compare, Line::SwapCompare, {slot, other}, outcome,
                say(u"Сравниваем соседей ", Slot{slot}, u" и ", Slot{other},
                    outcome ? u": левое больше — меняем их местами."
                            : u": левое не больше — оставляем их как есть."));
            return;
        case Method::Tally:
            m_smaller += outcome;
            m_place = other;
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
        if (m_trace.method == Method::PickMin)
            m_transfers = resultSlot;
        m_place = m_trace.method == Method::PickMin ? resultSlot : slot;
        m_found = slot;
        if (m_trace.method == Method::PickMin) {
            sentence = say(u"Наименьшее — ", Slot{slot}, u": переносим его на место ", resultSlot,
                           u" результата.");
            // Once every slot holds the largest number, the lowest slot goes first, and that is
            // a mark: the largest number's own slot is never taken.
            if (m_used[slot - 1])
                sentence += say(u" В ячейке ", slot,
                                u" не исходное число, а метка использованной ячейки — копия "
                                u"наибольшего. Теперь во всех ячейках наибольшее число ",
                                element,
                                u" (метки и само число), а из равных берётся ячейка с меньшим "
                                u"номером: переносится метка, и в результат попадает то же "
                                u"число.");
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
        m_place = m_passes + 1;
        std::swap(m_elementTexts[slot - 1], m_elementTexts[slot]);
        add(Kind::Swap, Line::SwapSwap, {slot, slot + 1}, false,
            say(u"Меняем местами: в ячейке ", slot, u" теперь ", m_elementTexts[slot - 1],
                u", в ячейке ", slot + 1, u" — ", m_elementTexts[slot], u"."));
    }

    void markedUsed(int slot) override
    {
        m_elementTexts[slot - 1] = elementText(slot);
        m_used[slot - 1] = true;
        m_found = slot;
        add(Kind::MarkUsed, Line::PickMark, {slot}, false,
            say(u"Записываем в ячейку ", slot, u" наибольшее число ", m_elementTexts[slot - 1],
                u": ячейка помечена как использованная."));
    }

    void counted(int slot, int smaller) override
    {
        m_smaller = smaller;
        m_place = slot;
        add(Kind::Count, Line::TallyCount, {slot}, false,
            say(u"Меньших, чем ", Slot{slot}, u", — ", smaller, u": его место в результате ",
                smaller + 1, u"."));
    }

    void passEnded(int passSwaps) override
    {
        ++m_passes;
        m_place = static_cast<int>(m_passes);
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
        m_found = m_largestSlot;
        add(Kind::Compare, Line::PickLargest, {slot, largest}, larger,
            say(u"Сравниваем ", Slot{slot}, u" с наибольшим найденным ", Slot{largest},
                larger ? u": больше — наибольшим становится "
                       : u": не больше — наибольшим "
                         u"остаётся ",
                m_elementTexts[m_largestSlot - 1], u"."));
    }

    void compareSmallest(int slot, int smallest, bool smaller)
    {
        m_place = m_transfers + 1;
        m_found = smaller ? slot : smallest;
        // The search starts from slot 1 as the smallest found, so slot 1 meets itself first.
        if (slot == smallest) {
            add(Kind::Compare, Line::PickSmallest, {slot, smallest}, smaller,
                say(u"Поиск наименьшего для места ", long{m_place},
                    u" начинается с ячейки 1 как с наименьшего найденного, поэтому сначала она "
                    u"сравнивается сама с собой: ",
                    Slot{slot}, u" не меньше самого себя — наименьшим остаётся ",
                    m_elementTexts[slot - 1], u"."));
            return;
        }
        add(Kind::Compare, Line::PickSmallest, {slot, smallest}, smaller,
            say(u"Сравниваем ", Slot{slot}, u" с наименьшим найденным ", Slot{smallest},
                smaller ? u": меньше — наименьшим становится "
                        : u": не меньше — наименьшим "
                          u"остаётся ",
                m_elementTexts[m_found - 1], u"."));
    }

    void add(Kind kind, int line, std::vector<int> slots, bool outcome, std::u16string sentence,
             int resultSlot = 0)
    {
        m_trace.steps.push_back(SortStep{kind, line, std::move(slots), resultSlot, outcome,
                                         m_comparisons, m_swaps, m_smaller, std::move(sentence),
                                         m_elementTexts, m_resultTexts, m_place, m_found});
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
    int m_transfers = 0; // pickmin's places filled
    int m_place = 0;
    int m_found = 0;
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

} // namespace lesson
