// Times «Проверь себя» in the core: a run's questions (with and without tracing the run first)
// and the grading of one answer, against budgets of 1 ms and 0.1 ms. Processor time, the median
// over batches, as bench_clicks measures.
#include "checkcode.h"
#include "quiz.h"
#include "task.h"
#include "utf8.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

namespace {

std::chrono::nanoseconds processorTime()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

double medianMilliseconds(const std::function<void()> &work)
{
    work();
    int perBatch = 1;
    // Batches of at least 20 ms, so that the clock's resolution does not count.
    for (;;) {
        const auto start = processorTime();
        for (int i = 0; i < perBatch; ++i)
            work();
        if (processorTime() - start > std::chrono::milliseconds(20))
            break;
        perBatch *= 2;
    }
    std::vector<double> batches;
    for (int batch = 0; batch < 15; ++batch) {
        const auto start = processorTime();
        for (int i = 0; i < perBatch; ++i)
            work();
        const std::chrono::duration<double, std::milli> took = processorTime() - start;
        batches.push_back(took.count() / perBatch);
    }
    std::nth_element(batches.begin(), batches.begin() + 7, batches.end());
    return batches[7];
}

bool over = false;

void report(const std::string &what, double milliseconds, double budget)
{
    const bool within = budget == 0 || milliseconds <= budget;
    over = over || !within;
    std::printf("%-52s %9.5f ms%s\n", what.c_str(), milliseconds, within ? "" : "  OVER BUDGET");
}

} // namespace

int main()
{
    const std::u16string input = lesson::taskInput(12345);
    for (const auto method :
         {lesson::Method::PickMin, lesson::Method::PairSwap, lesson::Method::Tally}) {
        const std::string name = toUtf8(lesson::methodProgram(method));
        const lesson::SortTrace trace = lesson::traceSort(method, input);
        report(name + ": every question and a round", medianMilliseconds([&] {
                   if (lesson::chooseRound(lesson::sortQuestions(trace), 12345).empty())
                       std::abort();
               }),
               1);
        report(name + ": traced, then every question and a round", medianMilliseconds([&] {
                   const auto questions = lesson::sortQuestions(lesson::traceSort(method, input));
                   if (lesson::chooseRound(questions, 12345).empty())
                       std::abort();
               }),
               1);
    }
    const lesson::LoanInput loan = lesson::loanTaskInput(7);
    const lesson::LoanTrace loanTrace = lesson::traceLoan(loan.amount, loan.rate, loan.payment);
    report("Bank: a round", medianMilliseconds([&] {
               if (lesson::loanRound(loanTrace, 7).empty())
                   std::abort();
           }),
           1);
    const lesson::LoanTrace longest = lesson::traceLoan(u"32767.5", u"0", u"1");
    report("Bank, 32767 years: a round", medianMilliseconds([&] {
               if (lesson::loanRound(longest, 7).empty())
                   std::abort();
           }),
           1);
    report("Bank, 32767 years: every question (ask=all)", medianMilliseconds([&] {
               if (lesson::loanQuestions(longest).size() != 2 * 32767 + 1)
                   std::abort();
           }),
           0);

    const auto questions = lesson::sortQuestions(lesson::traceSort(lesson::Method::PickMin, input));
    const auto loanQuestions = lesson::loanQuestions(loanTrace);
    const lesson::Question *yesNo = &questions.front(), *slot = nullptr;
    for (const lesson::Question &question : questions) {
        if (question.form == lesson::AnswerForm::Slot)
            slot = &question;
    }
    struct Answer {
        const char *what;
        const lesson::Question *question;
        std::u16string answer;
    };
    for (const Answer &row :
         {Answer{"grade: yes/no", yesNo, u"нет"}, Answer{"grade: a slot", slot, u" 10 "},
          Answer{"grade: an amount", &loanQuestions.front(), u"1 234 567,8"}}) {
        report(row.what, medianMilliseconds([&] {
                   if (lesson::grade(*row.question, row.answer).text.empty())
                       std::abort();
               }),
               0.1);
    }

    lesson::Round round(lesson::chooseRound(questions, 1));
    for (std::size_t i = 0; i < round.questions().size(); ++i)
        round.answer(i, i % 3 ? round.questions()[i].key : u"1");
    const std::u16string code = lesson::encodeCheckCode(
        lesson::checkRecord(round, {lesson::Method::PickMin, 12345, {}}, false, u"Петров Иван"));
    std::printf("check code: %s\n", toUtf8(code).c_str());
    report("check code: encoded and decoded", medianMilliseconds([&] {
               if (!lesson::decodeCheckCode(lesson::encodeCheckCode(lesson::checkRecord(
                       round, {lesson::Method::PickMin, 12345, {}}, false, u"Петров Иван"))))
                   std::abort();
           }),
           0);
    return over ? 1 : 0;
}
