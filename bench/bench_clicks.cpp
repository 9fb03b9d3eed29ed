// Times the click handlers on the forms alone, with no view: the median over batches of the time
// one click takes, in milliseconds.
#include "bankform.h"
#include "pairswapform.h"
#include "pickminform.h"
#include "tallyform.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMilliseconds(const std::function<void()> &click)
{
    using Clock = std::chrono::steady_clock;
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
    return 0;
}
