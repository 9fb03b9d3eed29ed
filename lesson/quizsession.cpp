#include "quizsession.h"

#include "lessonchoices.h"

#include <algorithm>
#include <stdexcept>

namespace lesson {

namespace {

std::u16string decimal(long number)
{
    const std::string text = std::to_string(number);
    return {text.begin(), text.end()};
}

// FNV-1a over the task's numbers: a round for typed numbers that every platform chooses alike.
std::uint32_t stableHash(const std::vector<std::u16string> &numbers)
{
    std::uint32_t hash = 2166136261u;
    const auto add = [&](char16_t unit) {
        hash = (hash ^ static_cast<std::uint32_t>(unit)) * 16777619u;
    };
    for (const std::u16string &number : numbers) {
        for (const char16_t unit : number)
            add(unit);
        add(0xFFFF);
    }
    return hash;
}

// The round in the order its answers are shown, so that the lesson never goes back to ask; for
// one step, as the core asks them.
std::vector<Question> inShowingOrder(std::vector<Question> questions)
{
    std::stable_sort(questions.begin(), questions.end(),
                     [](const Question &a, const Question &b) { return a.step < b.step; });
    return questions;
}

// An answer as the round keeps it ("yes", "3", "1234.56"), worded as the verdict words keys.
std::u16string answerText(const Question &question, std::u16string_view normalised)
{
    if (question.form == AnswerForm::YesNo)
        return normalised == u"yes" ? u"да" : u"нет";
    return std::u16string(normalised);
}

const LessonChoice &loanChoice()
{
    for (const LessonChoice &choice : choices()) {
        if (choice.kind == LessonChoice::Kind::Loan)
            return choice;
    }
    throw std::logic_error("the lesson offers no loan");
}

bool isPredictKey(std::u16string_view key)
{
    PredictSettings scratch;
    return readPredictKey(scratch, key, {});
}

} // namespace

const QuizTexts &quizTexts()
{
    static constexpr QuizTexts texts{
        .mode = u"Проверь себя",
        .watchMode = u"Смотреть",
        .newTask = u"Новые числа",
        .yes = u"Да",
        .no = u"Нет",
        .answerLabel = u"Ваш ответ",
        .submit = u"Ответить",
        .next = u"Дальше",
        .toEnd = u"К итогам",
        .keysYesNo = u"Клавиши: Y или 1 — да, N или 2 — нет.",
        .keysSlot = u"Наберите номер ячейки (1–10) и нажмите Enter или выберите кнопку.",
        .keysNumber = u"Наберите число и нажмите Enter.",
        .keysAmount = u"Наберите сумму и нажмите Enter; копейки — после запятой или точки.",
        .answerFirst = u"Дальше — после ответа на вопрос.",
        .questionsHeading = u"Вопрос",
        .endHeading = u"Итоги",
        .scoreLabel = u"Верно с первой попытки:",
        .mistakesHeading = u"Ошибки",
        .noMistakes = u"Ошибок нет.",
        .mistakeStep = u"Шаг",
        .mistakeQuestion = u"Вопрос",
        .mistakeAnswer = u"Ваш ответ",
        .mistakeKey = u"Правильный ответ",
        .showStep = u"Показать шаг",
        .nameLabel = u"Ваше имя (необязательно)",
        .checkCode = u"Код для учителя",
        .checkCodeHint = u"Передайте этот код учителю: в нём задание, результат и ошибки.",
        .noCheckCode = u"Для этих чисел код не составить: их запись слишком длинная.",
        .copy = u"Копировать",
        .again = u"Пройти ещё раз",
        .noQuestions = u"Здесь не о чем спрашивать:",
        .checkTitle = u"Проверка кодов «Проверь себя»",
        .checkIntro = u"Таблица покажет имя, задание, результат и ошибки каждого кода и верен ли "
                      u"он. Код ловит опечатки, но не подделку.",
        .codesLabel = u"Коды, по одному в строке",
        .verify = u"Проверить",
        .resultsCaption = u"Результаты",
        .noCodes = u"Кодов пока нет.",
    };
    return texts;
}

std::optional<std::string_view> yesNoForKey(char16_t key)
{
    // The letters the grading reads as a whole answer: Latin, and the first of «да» and «нет».
    switch (key) {
    case u'y':
    case u'Y':
    case u'д':
    case u'Д':
    case u'1':
        return "yes";
    case u'n':
    case u'N':
    case u'н':
    case u'Н':
    case u'2':
        return "no";
    default:
        return std::nullopt;
    }
}

QuizSession::QuizSession(Method method, std::u16string_view input, const PredictSettings &settings)
    : m_input(settings.seed ? taskInput(*settings.seed) : std::u16string(input))
    , m_settings(settings)
{
    m_sort.emplace(traceSort(method, m_input));
    m_stepCount = m_sort->stepCount();
    std::vector<Question> all = sortQuestions(m_sort->trace());
    const std::uint32_t seed = settings.seed ? *settings.seed : stableHash(task().numbers);
    m_round = Round(inShowingOrder(settings.askAll ? std::move(all) : chooseRound(all, seed)));
    start();
}

QuizSession::QuizSession(const LoanInput &input, const PredictSettings &settings)
    : m_loanInput(settings.seed ? loanTaskInput(*settings.seed) : input)
    , m_settings(settings)
{
    m_loan.emplace(traceLoan(m_loanInput.amount, m_loanInput.rate, m_loanInput.payment));
    m_stepCount = m_loan->rowCount();
    const LoanTrace &trace = m_loan->trace();
    // Only ask=all lists every year's questions: a loan may run 32767 years.
    const std::uint32_t seed = settings.seed ? *settings.seed : stableHash(task().numbers);
    m_round =
        Round(inShowingOrder(settings.askAll ? loanQuestions(trace) : loanRound(trace, seed)));
    start();
}

const SortLesson *QuizSession::sort() const
{
    return m_sort ? &*m_sort : nullptr;
}

const LoanLesson *QuizSession::loan() const
{
    return m_loan ? &*m_loan : nullptr;
}

std::u16string QuizSession::message() const
{
    if (!m_round.questions().empty())
        return {};
    return m_sort ? m_sort->message() : m_loan->trace().message;
}

void QuizSession::start()
{
    const std::vector<Question> &questions = m_round.questions();
    m_askAt.assign(questions.size(), 0);
    m_shownAfter.assign(questions.size(), 0);
    int shown = 0;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        m_askAt[i] = std::max(questions[i].askedAt, shown);
        // The next question answered by the same step would be given away by showing it.
        const bool sameStepNext =
            i + 1 < questions.size() && questions[i + 1].step == questions[i].step;
        m_shownAfter[i] = sameStepNext ? m_askAt[i] : questions[i].step;
        shown = m_shownAfter[i];
    }
    if (questions.empty()) {
        m_phase = Phase::Finished;
        m_step = m_stepCount;
    } else {
        enter(0);
    }
}

void QuizSession::enter(std::size_t question)
{
    m_current = question;
    m_phase = Phase::Asking;
    m_step = m_askAt[question];
    m_verdict = {Verdict::Result::Unreadable, {}};
    m_given.clear();
}

void QuizSession::restart()
{
    m_round = Round(m_round.questions());
    start();
}

int QuizSession::askAt(std::size_t question) const
{
    return m_askAt.at(question);
}

int QuizSession::shownAfter(std::size_t question) const
{
    return m_shownAfter.at(question);
}

StepRange QuizSession::range() const
{
    switch (m_phase) {
    case Phase::Asking:
        return {0, m_askAt[m_current]};
    case Phase::Answered:
        return {0, m_shownAfter[m_current]};
    case Phase::Finished:
        break;
    }
    return {0, m_stepCount};
}

bool QuizSession::setStep(int step)
{
    const StepRange allowed = range();
    const int before = m_step;
    m_step = std::clamp(step, allowed.first, allowed.last);
    return m_step != before;
}

bool QuizSession::apply(Move move)
{
    switch (move) {
    case Move::First:
        return setStep(range().first);
    case Move::Back:
        return setStep(m_step - 1);
    case Move::Forward:
        return setStep(m_step + 1);
    case Move::Last:
        return setStep(range().last);
    case Move::PlayPause:
        break;
    }
    return false;
}

Verdict QuizSession::answer(std::u16string_view text)
{
    if (m_phase != Phase::Asking)
        throw std::logic_error("no question is asked");
    Verdict verdict = m_round.answer(m_current, text);
    if (verdict.result != Verdict::Result::Unreadable) {
        const Question &question = m_round.questions()[m_current];
        if (verdict.result == Verdict::Result::Right) {
            m_given = keyText(question);
        } else {
            // A round of this one question keeps the answer as the whole round does.
            Round alone({question});
            alone.answer(0, text);
            m_given = answerText(question, alone.mistakes().front().answer);
        }
        m_phase = Phase::Answered;
        m_step = m_shownAfter[m_current];
    }
    m_verdict = verdict;
    return verdict;
}

bool QuizSession::next()
{
    if (m_phase != Phase::Answered)
        return false;
    if (m_current + 1 < m_round.questions().size()) {
        enter(m_current + 1);
    } else {
        m_phase = Phase::Finished;
        m_step = m_stepCount;
    }
    return true;
}

QuestionView QuizSession::question() const
{
    if (m_phase == Phase::Finished)
        throw std::logic_error("the run is finished");
    const QuizTexts &texts = quizTexts();
    const std::vector<Question> &questions = m_round.questions();
    const Question &question = questions[m_current];
    QuestionView view;
    view.index = m_current;
    view.heading = u"Вопрос " + decimal(static_cast<long>(m_current) + 1) + u" из " +
                   decimal(static_cast<long>(questions.size()));
    view.kind = kindId(question.kind);
    view.data = question.data;
    view.text = question.text;
    view.form = question.form;
    switch (question.form) {
    case AnswerForm::YesNo:
        view.choices = {{"yes", std::u16string(texts.yes)}, {"no", std::u16string(texts.no)}};
        view.keys = texts.keysYesNo;
        break;
    case AnswerForm::Slot:
        for (long slot = 1; slot <= 10; ++slot)
            view.choices.push_back({std::to_string(slot), decimal(slot)});
        view.keys = texts.keysSlot;
        break;
    case AnswerForm::Whole:
        view.keys = texts.keysNumber;
        break;
    case AnswerForm::Amount:
        view.keys = texts.keysAmount;
        break;
    }
    view.box = question.form != AnswerForm::YesNo;
    if (m_phase == Phase::Answered)
        view.result = m_verdict.result == Verdict::Result::Right ? "right" : "wrong";
    view.verdict = m_verdict.text;
    view.given = m_given;
    view.nextCaption = m_current + 1 < questions.size() ? texts.next : texts.toEnd;
    return view;
}

QuizEndView QuizSession::end() const
{
    QuizEndView view;
    view.right = m_round.right();
    view.asked = m_round.asked();
    view.score = decimal(view.right) + u" из " + decimal(view.asked);
    LessonLink watching = withPredictSettings(link(), {});
    for (const Mistake &mistake : m_round.mistakes()) {
        const Question &question = m_round.questions()[mistake.question];
        watching.step = m_sort ? mistake.step : 0;
        view.mistakes.push_back({mistake.step, (m_sort ? u"Шаг " : u"Год ") + decimal(mistake.step),
                                 question.text, answerText(question, mistake.answer),
                                 keyText(question), formatLink(watching)});
    }
    return view;
}

Task QuizSession::task() const
{
    const std::optional<Method> method = m_sort ? std::optional(m_sort->method()) : std::nullopt;
    if (m_settings.seed)
        return {method, m_settings.seed, {}};
    if (m_sort)
        return sortTask(*method, m_sort->trace());
    return loanTask(m_loanInput.amount, m_loanInput.rate, m_loanInput.payment);
}

std::u16string QuizSession::checkCode(std::u16string_view name) const
{
    try {
        return encodeCheckCode(checkRecord(m_round, task(), m_settings.askAll, name));
    } catch (const std::invalid_argument &) {
        return {};
    }
}

LessonLink QuizSession::link() const
{
    LessonLink link = defaultLink();
    if (m_sort) {
        link.program = methodProgram(m_sort->method());
        link.input = m_input;
    } else {
        link.program = loanChoice().program;
        link.amount = m_loanInput.amount;
        link.rate = m_loanInput.rate;
        link.payment = m_loanInput.payment;
    }
    PredictSettings settings = m_settings;
    settings.predict = true;
    link.other = predictKeys(settings);
    return link;
}

PredictSettings predictSettings(const LessonLink &link)
{
    PredictSettings settings;
    for (const auto &[key, value] : link.other)
        readPredictKey(settings, key, value);
    return settings;
}

LessonLink withPredictSettings(LessonLink link, const PredictSettings &settings)
{
    std::erase_if(link.other, [](const auto &pair) { return isPredictKey(pair.first); });
    for (auto &pair : predictKeys(settings))
        link.other.push_back(std::move(pair));
    return link;
}

std::optional<QuizSession> quizSessionFor(const LessonLink &link)
{
    const PredictSettings settings = predictSettings(link);
    const LessonChoice *choice = findChoice(link.program);
    if (!settings.predict || !choice)
        return std::nullopt;
    switch (choice->kind) {
    case LessonChoice::Kind::Sort:
        return QuizSession(*choice->method, link.input, settings);
    case LessonChoice::Kind::Loan:
        return QuizSession(LoanInput{link.amount, link.rate, link.payment}, settings);
    case LessonChoice::Kind::Compare:
        break;
    }
    return std::nullopt;
}

LessonLink newTaskLink(const LessonLink &link, std::uint64_t entropy)
{
    PredictSettings settings = predictSettings(link);
    settings.predict = true;
    settings.seed = drawSeed(entropy);
    LessonLink drawn = withPredictSettings(link, settings);
    drawn.step = 0;
    const LessonChoice *choice = findChoice(link.program);
    if (choice && choice->kind == LessonChoice::Kind::Loan) {
        LoanInput loan = loanTaskInput(*settings.seed);
        drawn.amount = std::move(loan.amount);
        drawn.rate = std::move(loan.rate);
        drawn.payment = std::move(loan.payment);
    } else {
        drawn.input = taskInput(*settings.seed);
    }
    return drawn;
}

} // namespace lesson
