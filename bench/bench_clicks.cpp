// Times the click handlers on the forms alone, with no view: the median over batches of the
// processor time one click takes, in milliseconds. Processor time, not the wall clock: on a machine
// shared with other work the wall clock mostly measures the other work.
#include "bankform.h"
#include "lesson.h"
#include "pairswapform.h"
#include "pickminform.h"
#include "tallyform.h"
#include "utf8.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

namespace {

struct ProcessorClock {
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<ProcessorClock>;
    static time_point now()
    {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return time_point(std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec));
    }
};

double medianMilliseconds(const std::function<void()> &click)
{
    using Clock = ProcessorClock;
    click();
    int perBatch = 1;
    // Batches of at least 20 ms, so that the clock's resolution does not count.
    for (;;) {
        const auto start = Clock::now();
        for (int i = 0; i < perBatch; ++i)
            click();
        if (Clock::now() - start > std::chrono::milliseconds(20))
            break;
        perBatch *= 2;
    }
    std::vector<double> batches;
    for (int batch = 0; batch < 15; ++batch) {
        const auto start = Clock::now();
        for (int i = 0; i < perBatch; ++i)
            click();
        const std::chrono::duration<double, std::milli> took = Clock::now() - start;
        batches.push_back(took.count() / perBatch);
    }
    std::nth_element(batches.begin(), batches.begin() + 7, batches.end());
    return batches[7];
}

std::u16string longestText()
{
    std::u16string text;
    while (text.size() < TextBox::MaxLength)
        text += u"-12345.678 ";
    text.resize(TextBox::MaxLength);
    return text;
}

template<class SortingProgram>
void benchSorting(const char *name)
{
    SortingProgram form;
    for (const auto &[label, text] :
         {std::pair<const char *, std::u16string>{"ten numbers", u"5 3 8 1 9 2 7 4 10 6"},
          {"32767 characters", longestText()}}) {
        form.Text1.setText(text);
        std::printf("%-9s %-18s %8.4f ms\n", name, label,
                    medianMilliseconds([&] { form.click(form.Command1); }));
    }
}

} // namespace

int main()
{
    benchSorting<PickMinForm>("pickmin");
    benchSorting<PairSwapForm>("pairswap");
    benchSorting<TallyForm>("tally");

    // The lesson: a fresh form clicked with a recorder, every step with its texts.
    for (const auto method :
         {lesson::Method::PickMin, lesson::Method::PairSwap, lesson::Method::Tally}) {
        const std::string name = "lesson " + toUtf8(lesson::methodProgram(method));
        std::printf("%-15s %-12s %8.4f ms\n", name.c_str(), "ten numbers", medianMilliseconds([&] {
                        if (lesson::traceSort(method, u"10 9 8 7 6 5 4 3 2 1").steps.empty())
                            std::abort();
                    }));
    }

    BankForm bank;
    std::printf("%-9s %-18s %8.4f ms\n", "Bank", "start values",
                medianMilliseconds([&] { bank.click(bank.Command2); }));
    bank.Text1.setText(u"32767.5");
    bank.Text2.setText(u"0");
    bank.Text3.setText(u"1");
    bank.click(bank.Command2);
    if (bank.Label4.caption().find(u"32767") == std::u16string::npos)
        return 1;
    std::printf("%-9s %-18s %8.4f ms\n", "Bank", "32767 years",
                medianMilliseconds([&] { bank.click(bank.Command2); }));
    std::printf("%-9s %-18s %8.4f ms\n", "lesson", "Bank, 32767 years", medianMilliseconds([] {
                    if (lesson::traceLoan(u"32767.5", u"0", u"1").years.size() != 32767)
                        std::abort();
                }));
    return 0;
}
