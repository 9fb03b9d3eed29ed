#include "quiz.h"

#include "controls.h"
#include "task.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <initializer_list>

namespace lesson {

namespace {

using StepKind = SortStep::Kind;

struct KindNames {
    QuestionKind kind;
    std::string_view id;
    std::u16string_view title;
};
constexpr std::array<KindNames, 9> Kinds{{
    {QuestionKind::MinChanges, "min-changes", u"новое наименьшее"},
    {QuestionKind::WhichMin, "which-min", u"какая ячейка"},
    {QuestionKind::Swap, "swap", u"обмен"},
    {QuestionKind::PassSwaps, "pass-swaps", u"обменов за проход"},
    {QuestionKind::Smaller, "smaller", u"меньших чисел"},
    {QuestionKind::Place, "place", u"место"},
    {QuestionKind::Interest, "interest", u"проценты"},
    {QuestionKind::Owed, "owed", u"долг"},
    {QuestionKind::Years, "years", u"полных лет"},
}};

// Where the lesson stands on one step, the question over the longer stretch comes first: which
// slot before its first comparison, the pass's swaps before its first pair.
int askingOrder(QuestionKind kind)
{
    static constexpr QuestionKind order[] = {
        QuestionKind::WhichMin, QuestionKind::MinChanges, QuestionKind::PassSwaps,
        QuestionKind::Swap,     QuestionKind::Smaller,    QuestionKind::Place,
        QuestionKind::Years,    QuestionKind::Interest,   QuestionKind::Owed,
    };
    return static_cast<int>(std::find(std::begin(order), std::end(order), kind) -
                            std::begin(order));
}

std::u16string digits(long number)
{
    const bool negative = number < 0;
    unsigned long magnitude = negative ? 0 - static_cast<unsigned long>(number) : number;
    std::u16string text;
    do {
        text.insert(text.begin(), char16_t(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    return negative ? u'-' + text : text;
}

std::u16string concat(std::initializer_list<std::u16string_view> pieces)
{
    std::u16string text;
    text.reserve(160);
    for (const auto piece : pieces)
        text.append(piece);
    return text;
}

// The arrays as the lesson shows them at step `shown`.
const std::array<std::u16string, 10> &elementsAt(const SortTrace &trace, int shown)
{
    return shown == 0 ? trace.startElements : trace.steps[shown - 1].elements;
}

// «5 (ячейка 3)», as the lesson's sentences name a number, a used cell of pickmin as such.
std::u16string slotText(const std::array<std::u16string, 10> &elements, int slot, bool used)
{
    return concat(
        {elements[slot - 1], u" (ячейка ", digits(slot), used ? u", использована)" : u")"});
}

std::u16string yesNo(bool yes)
{
    return yes ? u"yes" : u"no";
}

void sortByAsking(std::vector<Question> &questions)
{
    std::stable_sort(questions.begin(), questions.end(), [](const Question &a, const Question &b) {
        if (a.askedAt != b.askedAt)
            return a.askedAt < b.askedAt;
        return askingOrder(a.kind) < askingOrder(b.kind);
    });
}

void pickMinQuestions(const SortTrace &trace, std::vector<Question> &questions)
{
    std::array<bool, 10> used{};
    int place = 0;       // 0 while the largest is sought
    int searchStart = 1; // the step of the current search's first comparison
    int transfers = 0;
    for (int n = 1; n <= static_cast<int>(trace.steps.size()); ++n) {
        const SortStep &step = trace.steps[n - 1];
        if (step.kind == StepKind::Compare) {
            // A search for the smallest starts at slot 1; the search for the largest at slot 2.
            if (step.slots[0] == 1) {
                place = transfers + 1;
                searchStart = n;
            }
            const auto &elements = elementsAt(trace, n - 1);
            const int slot = step.slots[0], found = step.slots[1];
            const std::u16string number = slotText(elements, slot, used[slot - 1]);
            const std::u16string other = slotText(elements, found, used[found - 1]);
            questions.push_back(
                {QuestionKind::MinChanges,
                 {{"k", place}, {"slot", slot}, {"min-slot", found}},
                 place == 0 ? concat({u"Ищем наибольшее число. Сравниваем ", number,
                                      u" с наибольшим найденным ", other, u". Станет ли ",
                                      elements[slot - 1], u" новым наибольшим?"})
                            : concat({u"Место ", digits(place), u" результата. Сравниваем ", number,
                                      u" с наименьшим найденным ", other, u". Станет ли ",
                                      elements[slot - 1], u" новым наименьшим?"}),
                 AnswerForm::YesNo,
                 n - 1,
                 n,
                 yesNo(step.outcome)});
        } else if (step.kind == StepKind::Transfer) {
            ++transfers;
            questions.push_back({QuestionKind::WhichMin,
                                 {{"k", step.resultSlot}},
                                 concat({u"Место ", digits(step.resultSlot),
                                         u" результата: из какой ячейки (1–10) будет перенесено "
                                         u"наименьшее число?"}),
                                 AnswerForm::Slot,
                                 searchStart - 1,
                                 n,
                                 digits(step.slots[0])});
        } else if (step.kind == StepKind::MarkUsed) {
            used[step.slots[0] - 1] = true;
        }
    }
}

void pairSwapQuestions(const SortTrace &trace, std::vector<Question> &questions)
{
    int pass = 1, passStart = 0;
    long swapsBefore = 0; // the swaps of the passes before this one
    for (int n = 1; n <= static_cast<int>(trace.steps.size()); ++n) {
        const SortStep &step = trace.steps[n - 1];
        if (step.kind == StepKind::Compare) {
            if (passStart == 0)
                passStart = n;
            const auto &elements = elementsAt(trace, n - 1);
            const int slot = step.slots[0];
            questions.push_back(
                {QuestionKind::Swap,
                 {{"pass", pass}, {"slot", slot}},
                 concat({u"Проход ", digits(pass), u". Соседи ", slotText(elements, slot, false),
                         u" и ", slotText(elements, slot + 1, false),
                         u": поменяются ли они местами?"}),
                 AnswerForm::YesNo,
                 n - 1,
                 n,
                 yesNo(step.outcome)});
        } else if (step.kind == StepKind::PassEnd) {
            questions.push_back(
                {QuestionKind::PassSwaps,
                 {{"pass", pass}},
                 concat({u"Сколько перестановок сделает проход ", digits(pass), u"?"}),
                 AnswerForm::Whole,
                 passStart - 1,
                 n,
                 digits(step.swaps - swapsBefore)});
            swapsBefore = step.swaps;
            ++pass;
            passStart = 0;
        }
    }
}

void tallyQuestions(const SortTrace &trace, std::vector<Question> &questions)
{
    int elementStart = 1; // the step of the first comparison for the current number
    for (int n = 1; n <= static_cast<int>(trace.steps.size()); ++n) {
        const SortStep &step = trace.steps[n - 1];
        // Each number is compared with every number, from slot 1 on.
        if (step.kind == StepKind::Compare && step.slots[0] == 1)
            elementStart = n;
        if (step.kind != StepKind::Count && step.kind != StepKind::Transfer)
            continue;
        const int slot = step.slots[0];
        const std::u16string number = slotText(elementsAt(trace, elementStart - 1), slot, false);
        if (step.kind == StepKind::Count) {
            questions.push_back({QuestionKind::Smaller,
                                 {{"slot", slot}},
                                 concat({u"Сколько чисел массива меньше, чем ", number, u"?"}),
                                 AnswerForm::Whole,
                                 elementStart - 1,
                                 n,
                                 digits(step.smaller)});
        } else {
            questions.push_back(
                {QuestionKind::Place,
                 {{"slot", slot}},
                 concat({u"На какое место результата (1–10) будет записано ", number, u"?"}),
                 AnswerForm::Slot,
                 elementStart - 1,
                 n,
                 digits(step.resultSlot)});
        }
    }
}

// Blanks of any kind are ignored, as an entry box makes them blanks.
std::u16string withoutBlanks(std::u16string_view text)
{
    std::u16string kept = asOneLine(text);
    std::erase(kept, u' ');
    return kept;
}

char16_t lowered(char16_t c)
{
    if ((c >= u'A' && c <= u'Z') || (c >= u'А' && c <= u'Я'))
        return c + 0x20;
    return c;
}

bool isDigits(std::u16string_view text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

std::u16string withoutLeadingZeros(std::u16string_view text)
{
    const auto first = text.find_first_not_of(u'0');
    return first == std::u16string_view::npos ? u"0" : std::u16string(text.substr(first));
}

// Answers as the key writes them, or nothing for a text that is not of the form. Numbers are
// compared as texts of digits, so no size of number is too large.
std::optional<std::u16string> normalised(AnswerForm form, std::u16string_view answer)
{
    std::u16string text = withoutBlanks(answer);
    switch (form) {
    case AnswerForm::YesNo: {
        std::transform(text.begin(), text.end(), text.begin(), lowered);
        if (text == u"yes" || text == u"y" || text == u"да" || text == u"д" || text == u"1")
            return u"yes";
        if (text == u"no" || text == u"n" || text == u"нет" || text == u"н" || text == u"2")
            return u"no";
        return std::nullopt;
    }
    case AnswerForm::Slot: {
        if (!isDigits(text))
            return std::nullopt;
        const std::u16string slot = withoutLeadingZeros(text);
        if (slot == u"0" || slot.size() > 2 || (slot.size() == 2 && slot != u"10"))
            return std::nullopt;
        return slot;
    }
    case AnswerForm::Whole: {
        const bool negative = !text.empty() && text.front() == u'-';
        if (!isDigits(std::u16string_view(text).substr(negative)))
            return std::nullopt;
        const std::u16string magnitude = withoutLeadingZeros(text.substr(negative));
        return negative && magnitude != u"0" ? u'-' + magnitude : magnitude;
    }
    case AnswerForm::Amount:
        break;
    }
    const bool negative = !text.empty() && text.front() == u'-';
    const std::u16string_view number = std::u16string_view(text).substr(negative);
    const auto mark = number.find_first_of(u".,");
    const std::u16string_view whole = number.substr(0, mark);
    std::u16string_view fraction =
        mark == std::u16string_view::npos ? std::u16string_view() : number.substr(mark + 1);
    if ((whole.empty() && fraction.empty()) || (!whole.empty() && !isDigits(whole)) ||
        (!fraction.empty() && !isDigits(fraction)) ||
        (mark != std::u16string_view::npos && fraction.empty() && whole.empty()))
        return std::nullopt;
    while (fraction.size() > 2 && fraction.back() == u'0')
        fraction.remove_suffix(1);
    std::u16string amount = withoutLeadingZeros(whole) + u'.' + std::u16string(fraction);
    amount.resize(std::max(amount.size(), amount.find(u'.') + 3), u'0');
    const bool zero = amount.find_first_not_of(u"0.") == std::u16string::npos;
    return negative && !zero ? u'-' + amount : amount;
}

std::u16string_view unreadableText(AnswerForm form)
{
    switch (form) {
    case AnswerForm::YesNo:
        return u"Ответьте «да» или «нет».";
    case AnswerForm::Slot:
        return u"Введите номер ячейки от 1 до 10.";
    case AnswerForm::Whole:
        return u"Введите целое число.";
    case AnswerForm::Amount:
        break;
    }
    return u"Введите сумму, как в таблице, например 1234.56.";
}

std::string ascii(std::u16string_view text)
{
    return std::string(text.begin(), text.end());
}

// SCORM 1.2's forms of a response: t/f, a choice as one letter, a number as it is.
std::string scormResponse(AnswerForm form, const std::u16string &answer)
{
    if (form == AnswerForm::YesNo)
        return answer == u"yes" ? "t" : "f";
    if (form == AnswerForm::Slot)
        return std::string(1, static_cast<char>('a' + std::stoi(ascii(answer)) - 1));
    return ascii(answer);
}

// A decimal with up to two decimals in hundredths; nothing for anything else.
std::optional<long> hundredths(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto digitsOnly = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.empty() || whole.size() > 3 || fraction.size() > 2 || !digitsOnly(whole) ||
        !digitsOnly(fraction) || (point != std::string_view::npos && fraction.empty()))
        return std::nullopt;
    long value = 0;
    for (const char c : whole)
        value = value * 10 + (c - '0');
    value *= 100;
    if (!fraction.empty())
        value += (fraction[0] - '0') * 10 + (fraction.size() > 1 ? fraction[1] - '0' : 0);
    return value;
}

// A question as the round chooses it: its kind, the step that answers it, and where it is.
struct Decision {
    QuestionKind kind;
    int step;
    std::size_t index;
};

// One decision from each of up to ten stretches of the run, of the kind asked least so far, in
// the order given.
std::vector<Decision> chooseDecisions(const std::vector<Decision> &decisions, std::uint32_t seed)
{
    constexpr std::size_t RoundSize = 10;
    // The decisions by step, in linear time: a loan has up to 65535 of them.
    int lastStep = 0;
    for (const Decision &decision : decisions)
        lastStep = std::max(lastStep, decision.step);
    std::vector<std::size_t> byStep(static_cast<std::size_t>(lastStep) + 2);
    for (const Decision &decision : decisions)
        ++byStep[static_cast<std::size_t>(decision.step) + 1];
    std::vector<int> steps;
    for (int step = 0; step <= lastStep; ++step) {
        if (byStep[static_cast<std::size_t>(step) + 1] != 0)
            steps.push_back(step);
        byStep[static_cast<std::size_t>(step) + 1] += byStep[static_cast<std::size_t>(step)];
    }
    std::vector<std::size_t> order(decisions.size());
    {
        std::vector<std::size_t> next(byStep.begin(), byStep.end() - 1);
        for (std::size_t i = 0; i < decisions.size(); ++i)
            order[next[static_cast<std::size_t>(decisions[i].step)]++] = i;
    }

    TaskRandom random(seed);
    const std::size_t stretches = std::min(RoundSize, steps.size());
    std::array<int, Kinds.size()> asked{};
    std::vector<std::size_t> chosen;
    for (std::size_t stretch = 0; stretch < stretches; ++stretch) {
        const auto first = static_cast<std::size_t>(steps[stretch * steps.size() / stretches]);
        const auto last =
            static_cast<std::size_t>(steps[(stretch + 1) * steps.size() / stretches - 1]);
        std::vector<std::size_t> inStretch;
        int fewest = 0;
        for (std::size_t at = byStep[first]; at < byStep[last + 1]; ++at) {
            const std::size_t i = order[at];
            const int times = asked[static_cast<std::size_t>(decisions[i].kind)];
            if (inStretch.empty() || times < fewest) {
                inStretch.clear();
                fewest = times;
            }
            if (times == fewest)
                inStretch.push_back(i);
        }
        // Each kind as likely as the others, whatever the number of its questions.
        std::vector<QuestionKind> kinds;
        for (const std::size_t i : inStretch) {
            if (std::find(kinds.begin(), kinds.end(), decisions[i].kind) == kinds.end())
                kinds.push_back(decisions[i].kind);
        }
        const QuestionKind kind = kinds[random.below(kinds.size())];
        std::erase_if(inStretch, [&](std::size_t i) { return decisions[i].kind != kind; });
        chosen.push_back(inStretch[random.below(inStretch.size())]);
        ++asked[static_cast<std::size_t>(kind)];
    }
    std::sort(chosen.begin(), chosen.end());
    std::vector<Decision> round;
    for (const std::size_t i : chosen)
        round.push_back(decisions[i]);
    return round;
}

// The loan's question of `kind` on `year` (any year for Years).
Question loanQuestion(const LoanTrace &trace, QuestionKind kind, int year)
{
    if (kind == QuestionKind::Years) {
        const int years = static_cast<int>(trace.years.size());
        return {kind,
                {},
                u"Сколько полных лет выплаты насчитает программа?",
                AnswerForm::Whole,
                0,
                years + 1,
                digits(years)};
    }
    const LoanYear &row = trace.years[year - 1];
    const std::u16string start =
        concat({u"Год ", digits(year), u": долг в начале года ", formatAmount(row.owedAtStart)});
    const std::u16string interest = formatAmount(row.interest);
    if (kind == QuestionKind::Interest)
        return {kind,
                {{"year", year}},
                concat({start, u". Сколько составят проценты за год?"}),
                AnswerForm::Amount,
                year - 1,
                year,
                interest};
    return {kind,
            {{"year", year}},
            concat({start, u", проценты ", interest, u", выплата ", formatAmount(row.payment),
                    u". Каким будет долг в конце года?"}),
            AnswerForm::Amount,
            year - 1,
            year,
            formatAmount(row.owedAtEnd)};
}

} // namespace

std::string_view kindId(QuestionKind kind)
{
    return Kinds[static_cast<std::size_t>(kind)].id;
}

std::optional<QuestionKind> kindFromId(std::string_view id)
{
    for (const KindNames &names : Kinds) {
        if (names.id == id)
            return names.kind;
    }
    return std::nullopt;
}

std::u16string_view kindTitle(QuestionKind kind)
{
    return Kinds[static_cast<std::size_t>(kind)].title;
}

std::vector<Question> sortQuestions(const SortTrace &trace)
{
    std::vector<Question> questions;
    questions.reserve(trace.steps.size());
    switch (trace.method) {
    case Method::PickMin:
        pickMinQuestions(trace, questions);
        break;
    case Method::PairSwap:
        pairSwapQuestions(trace, questions);
        break;
    case Method::Tally:
        tallyQuestions(trace, questions);
        break;
    }
    sortByAsking(questions);
    return questions;
}

std::vector<Question> loanQuestions(const LoanTrace &trace)
{
    std::vector<Question> questions;
    questions.reserve(2 * trace.years.size() + 1);
    for (const LoanYear &year : trace.years) {
        questions.push_back(loanQuestion(trace, QuestionKind::Interest, year.year));
        questions.push_back(loanQuestion(trace, QuestionKind::Owed, year.year));
    }
    if (trace.partial)
        questions.push_back(loanQuestion(trace, QuestionKind::Years, 0));
    sortByAsking(questions);
    return questions;
}

std::vector<Question> chooseRound(const std::vector<Question> &all, std::uint32_t seed)
{
    std::vector<Decision> decisions;
    decisions.reserve(all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Question &question = all[i];
        // Compared with itself, a number never becomes the new smallest: nothing to predict.
        if (question.kind != QuestionKind::MinChanges ||
            question.data[1].value != question.data[2].value)
            decisions.push_back({question.kind, question.step, i});
    }
    std::vector<Question> round;
    for (const Decision &decision : chooseDecisions(decisions, seed))
        round.push_back(all[decision.index]);
    return round;
}

std::vector<Question> loanRound(const LoanTrace &trace, std::uint32_t seed)
{
    // chooseDecisions' choice, worked out from the years alone: a loan may run 32767 years, and
    // the list of its decisions alone would take longer than the budget of a round.
    const int years = static_cast<int>(trace.years.size());
    const int steps = trace.partial ? years + 1 : years;
    const int stretches = std::min(10, steps);
    TaskRandom random(seed);
    std::array<int, Kinds.size()> asked{};
    std::vector<Question> round;
    for (int stretch = 0; stretch < stretches; ++stretch) {
        const int first = 1 + stretch * steps / stretches;
        const int last = (stretch + 1) * steps / stretches;
        std::vector<QuestionKind> kinds;
        if (first <= years)
            kinds = {QuestionKind::Interest, QuestionKind::Owed};
        if (last > years)
            kinds.push_back(QuestionKind::Years);
        const auto times = [&](QuestionKind kind) { return asked[static_cast<std::size_t>(kind)]; };
        const int fewest = times(
            *std::min_element(kinds.begin(), kinds.end(),
                              [&](QuestionKind a, QuestionKind b) { return times(a) < times(b); }));
        std::erase_if(kinds, [&](QuestionKind kind) { return times(kind) != fewest; });
        const QuestionKind kind = kinds[random.below(kinds.size())];
        const int year =
            first + static_cast<int>(random.below(
                        kind == QuestionKind::Years ? 1 : std::min(last, years) - first + 1));
        round.push_back(loanQuestion(trace, kind, year));
        ++asked[static_cast<std::size_t>(kind)];
    }
    sortByAsking(round);
    return round;
}

std::u16string keyText(const Question &question)
{
    if (question.form == AnswerForm::YesNo)
        return question.key == u"yes" ? u"да" : u"нет";
    return question.key;
}

Verdict grade(const Question &question, std::u16string_view answer)
{
    const std::optional<std::u16string> given = normalised(question.form, answer);
    if (!given)
        return {Verdict::Result::Unreadable, std::u16string(unreadableText(question.form))};
    if (*given == normalised(question.form, question.key))
        return {Verdict::Result::Right, u"Верно."};
    return {Verdict::Result::Wrong,
            concat({u"Неверно: правильный ответ — ", keyText(question), u"."})};
}

Round::Round(std::vector<Question> questions)
    : m_questions(std::move(questions))
    , m_first(m_questions.size())
{
}

Verdict Round::answer(std::size_t question, std::u16string_view text)
{
    Verdict verdict = grade(m_questions.at(question), text);
    if (verdict.result != Verdict::Result::Unreadable && !m_first[question]) {
        m_first[question] = FirstAnswer{*normalised(m_questions[question].form, text),
                                        verdict.result == Verdict::Result::Right};
    }
    return verdict;
}

int Round::asked() const
{
    return static_cast<int>(std::count_if(m_first.begin(), m_first.end(),
                                          [](const auto &first) { return first.has_value(); }));
}

int Round::right() const
{
    return static_cast<int>(std::count_if(m_first.begin(), m_first.end(), [](const auto &first) {
        return first.has_value() && first->right;
    }));
}

int Round::score() const
{
    const int of = asked();
    return of == 0 ? 0 : (200 * right() + of) / (2 * of);
}

std::vector<Mistake> Round::mistakes() const
{
    std::vector<Mistake> found;
    for (std::size_t i = 0; i < m_questions.size(); ++i) {
        if (m_first[i] && !m_first[i]->right) {
            const Question &question = m_questions[i];
            found.push_back({i, question.kind, question.step, m_first[i]->answer, question.key});
        }
    }
    return found;
}

ScormReport scormReport(const Round &round, std::string_view masteryScore)
{
    ScormReport report;
    report.raw = round.score();
    const long mastery = hundredths(masteryScore).value_or(8000);
    report.lessonStatus = report.raw * 100L >= mastery ? "passed" : "failed";
    const std::vector<Question> &questions = round.questions();
    const std::vector<Mistake> mistakes = round.mistakes();
    for (std::size_t i = 0; i < questions.size(); ++i) {
        if (!round.isAnswered(i))
            continue;
        const Question &question = questions[i];
        const auto mistake = std::find_if(mistakes.begin(), mistakes.end(),
                                          [i](const Mistake &m) { return m.question == i; });
        const std::u16string key = *normalised(question.form, question.key);
        const std::u16string &given = mistake == mistakes.end() ? key : mistake->answer;
        report.interactions.push_back(
            {"q" + std::to_string(i + 1) + '-' + std::string(kindId(question.kind)) + "-step" +
                 std::to_string(question.step),
             question.form == AnswerForm::YesNo  ? "true-false"
             : question.form == AnswerForm::Slot ? "choice"
                                                 : "numeric",
             scormResponse(question.form, given), scormResponse(question.form, key),
             mistake == mistakes.end() ? "correct" : "wrong"});
    }
    return report;
}

std::string scormSessionTime(std::int64_t milliseconds)
{
    constexpr std::int64_t Longest = ((9999LL * 60 + 59) * 60 + 59) * 1000 + 990;
    const std::int64_t time = std::clamp<std::int64_t>(milliseconds, 0, Longest);
    const std::int64_t centiseconds = time / 10;
    char text[16];
    std::snprintf(text, sizeof text, "%04lld:%02lld:%02lld.%02lld",
                  static_cast<long long>(centiseconds / 360000),
                  static_cast<long long>(centiseconds / 6000 % 60),
                  static_cast<long long>(centiseconds / 100 % 60),
                  static_cast<long long>(centiseconds % 100));
    return text;
}

} // namespace lesson
