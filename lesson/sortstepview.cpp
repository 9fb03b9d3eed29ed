#include "sortstepview.h"

#include "conversions.h"
#include "lessontext.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace lesson {

namespace {

using Kind = SortStep::Kind;

constexpr std::u16string_view Nothing = u"—";

bool has(std::uint16_t mask, int slot)
{
    return (mask >> slot & 1u) != 0;
}

std::u16string atSlot(std::u16string_view value, int slot)
{
    return concat({value, u" (ячейка ", count(slot), u")"});
}

// What a current slot is doing at this step, read out after its value.
std::u16string_view doing(Kind kind, bool result)
{
    switch (kind) {
    case Kind::Compare:
        return u"сейчас сравнивается";
    case Kind::Transfer:
        return result ? u"сейчас записывается" : u"сейчас переносится";
    case Kind::Swap:
        return u"сейчас меняется местами";
    case Kind::MarkUsed:
        return u"сейчас помечается использованной";
    case Kind::Count:
        return u"для него подсчитаны меньшие";
    case Kind::PassEnd:
        break;
    }
    return {};
}

std::u16string joined(const std::array<std::u16string, 10> &numbers)
{
    std::u16string text;
    for (const std::u16string &number : numbers)
        text += (text.empty() ? u"" : u" ") + number;
    return text;
}

} // namespace

std::u16string countersText(const std::vector<NamedValue> &counters)
{
    std::u16string text;
    for (const NamedValue &counter : counters) {
        std::u16string caption = counter.caption;
        // Later captions continue the line in lower case.
        if (!text.empty() && !caption.empty() && caption[0] >= u'А' && caption[0] <= u'Я')
            caption[0] = static_cast<char16_t>(caption[0] + (u'а' - u'А'));
        text += concat({text.empty() ? u"" : u", ", caption, u": ", counter.value});
    }
    return text;
}

std::string_view slotStateName(SlotState state)
{
    switch (state) {
    case SlotState::Current:
        return "current";
    case SlotState::Used:
        return "used";
    case SlotState::Unwritten:
        return "unwritten";
    case SlotState::Written:
        break;
    }
    return "written";
}

SortLesson::SortLesson(SortTrace trace)
    : m_trace(std::move(trace))
{
    std::uint16_t used = 0, written = 0;
    m_used.reserve(m_trace.steps.size() + 1);
    m_written.reserve(m_trace.steps.size() + 1);
    m_used.push_back(used);
    m_written.push_back(written);
    for (const SortStep &step : m_trace.steps) {
        if (step.kind == Kind::MarkUsed)
            used |= static_cast<std::uint16_t>(1u << step.slots.front());
        if (step.resultSlot != 0)
            written |= static_cast<std::uint16_t>(1u << step.resultSlot);
        m_used.push_back(used);
        m_written.push_back(written);
    }
    // The numbers shown are the input's, their singles and copies of the largest.
    const auto measure = [this](const std::u16string &text) {
        const double number = textToNumber(text);
        if (std::isfinite(number))
            m_largestMagnitude = std::max(m_largestMagnitude, std::abs(number));
    };
    std::for_each(m_trace.startElements.begin(), m_trace.startElements.end(), measure);
    if (!m_trace.steps.empty())
        std::for_each(m_trace.steps.back().results.begin(), m_trace.steps.back().results.end(),
                      measure);
}

std::u16string_view SortLesson::elementsCaption()
{
    return u"Массив ElementArray";
}

std::u16string_view SortLesson::resultsCaption()
{
    return u"Массив ResultArray";
}

std::u16string SortLesson::inPlaceNote() const
{
    if (hasResults())
        return {};
    return methodProgram(m_trace.method) +
           u" сортирует на месте: результат — тот же массив ElementArray.";
}

SortStepView SortLesson::step(int index) const
{
    if (index < 0 || index > stepCount())
        throw std::out_of_range("lesson: no such step");
    const SortStep *step = index == 0 ? nullptr : &m_trace.steps[std::size_t(index - 1)];
    const bool last = index == stepCount();
    const Method method = m_trace.method;

    SortStepView view;
    view.step = index;
    view.stepCount = stepCount();
    view.heading = concat({u"Шаг ", count(index), u" из ", count(stepCount())});
    view.line = step ? step->line : 0;

    view.counters.push_back({"comparisons", u"Сравнений", count(step ? step->comparisons : 0)});
    if (!hasResults())
        view.counters.push_back({"swaps", u"Перестановок", count(step ? step->swaps : 0)});

    const auto &elements = step ? step->elements : m_trace.startElements;
    const auto &results = step ? step->results : m_trace.startResults;
    const auto valueAt = [&](int slot) -> const std::u16string & { return elements[slot - 1]; };
    switch (method) {
    case Method::PickMin: {
        const bool searching = step && step->place > 0;
        // The largest, as the first nine comparisons found it.
        std::u16string largest(Nothing);
        if (step && !searching)
            largest = atSlot(valueAt(step->found), step->found);
        else if (step)
            largest = m_trace.steps[8].elements[m_trace.steps[8].found - 1];
        std::u16string smallest(Nothing);
        if (searching && step->kind == Kind::MarkUsed)
            smallest = atSlot(m_trace.steps[std::size_t(index - 2)].elements[step->found - 1],
                              step->found);
        else if (searching)
            smallest = atSlot(valueAt(step->found), step->found);
        view.variables = {
            {"largest", u"Наибольшее число", std::move(largest)},
            {"k", u"Место результата k", searching ? count(step->place) : std::u16string(Nothing)},
            {"smallest", u"Наименьшее найденное", std::move(smallest)}};
        break;
    }
    case Method::PairSwap: {
        const bool pair = step && step->kind != Kind::PassEnd;
        view.variables = {{"pass", u"Проход", step ? count(step->place) : std::u16string(Nothing)},
                          {"pair", u"Пара ячеек",
                           pair ? concat({count(step->slots[0]), u" и ", count(step->slots[1])})
                                : std::u16string(Nothing)}};
        break;
    }
    case Method::Tally:
        view.variables = {
            {"number", u"Число i",
             step ? atSlot(valueAt(step->place), step->place) : std::u16string(Nothing)},
            {"smaller", u"Меньших найдено", step ? count(step->smaller) : std::u16string(Nothing)}};
        break;
    }

    const std::uint16_t used = m_used[std::size_t(index)];
    const std::uint16_t written = m_written[std::size_t(index)];
    const auto bar = [this](const std::u16string &text) {
        if (m_largestMagnitude == 0)
            return 0.0;
        const double number = textToNumber(text);
        return std::clamp(number / m_largestMagnitude, -1.0, 1.0);
    };
    for (int slot = 1; slot <= 10; ++slot) {
        SlotView &element = view.elements[std::size_t(slot - 1)];
        element.slot = slot;
        element.value = elements[std::size_t(slot - 1)];
        element.bar = bar(element.value);
        element.used = has(used, slot);
        const bool current =
            step && std::find(step->slots.begin(), step->slots.end(), slot) != step->slots.end();
        element.state = current        ? SlotState::Current
                        : element.used ? SlotState::Used
                                       : SlotState::Written;
        element.spoken = concat({u"ячейка ", count(slot), u": "});
        element.spoken +=
            element.used ? concat({u"использована (метка ", element.value, u")"}) : element.value;
        if (current)
            element.spoken += concat({u", ", doing(step->kind, false)});
    }
    std::vector<int> leftovers;
    for (std::size_t i = 0; i < results.size(); ++i) {
        const int slot = static_cast<int>(i) + 1;
        SlotView slotView;
        slotView.slot = slot;
        const bool isWritten = has(written, slot);
        const bool current = step && step->resultSlot == slot;
        slotView.state = current     ? SlotState::Current
                         : isWritten ? SlotState::Written
                                     : SlotState::Unwritten;
        slotView.spoken = concat({u"ячейка ", count(slot), u": "});
        if (isWritten) {
            slotView.value = results[i];
            slotView.bar = bar(slotView.value);
            slotView.spoken += slotView.value;
            if (current)
                slotView.spoken += concat({u", ", doing(step->kind, true)});
        } else if (last && m_trace.error.empty()) {
            // Done: the window's 0 stands where nothing was written.
            slotView.value = results[i];
            slotView.spoken += concat({slotView.value, u", сюда ничего не записано"});
            leftovers.push_back(slot);
        } else {
            slotView.spoken += u"пусто";
        }
        view.results.push_back(std::move(slotView));
    }

    if (!step) {
        view.sentence =
            concat({u"Числа, как их прочитала программа: ", joined(m_trace.startElements), u"."});
        view.sentence += stepCount() > 0
                             ? concat({u" Шагов сортировки: ", count(stepCount()), u"."})
                             : std::u16string(u" Сортировка не началась.");
    } else {
        view.sentence = step->sentence;
    }
    if (last) {
        if (!m_trace.error.empty()) {
            view.sentence += concat({u" Программа останавливается с сообщением «", m_trace.error,
                                     u"», и окно показывает то, что успело."});
        } else {
            view.sentence += concat({u" Сортировка окончена: окно программы показывает ",
                                     singleBlanks(m_trace.resultLine()), u"."});
            if (!leftovers.empty()) {
                std::u16string places;
                for (std::size_t i = 0; i < leftovers.size(); ++i)
                    places += concat({i == 0                      ? u""
                                      : i + 1 == leftovers.size() ? u" и "
                                                                  : u", ",
                                      count(leftovers[i])});
                view.sentence += concat(
                    {leftovers.size() == 1 ? u" Место " : u" Места ", places, u" результата ",
                     leftovers.size() == 1 ? u"осталось нулём" : u"остались нулями",
                     u": туда ничего не записано."});
            }
        }
    }
    return view;
}

} // namespace lesson
