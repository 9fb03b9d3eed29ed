#include "banktest.h"
#include "conversions.h"
#include "lesson.h"
#include "pairswapform.h"
#include "pickminform.h"
#include "tallyform.h"
#include "testsupport.h"
#include "texts.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>
#include <random>

using namespace lesson;
using Kind = SortStep::Kind;

namespace {

const Method Methods[] = {Method::PickMin, Method::PairSwap, Method::Tally};

std::vector<std::u16string> tokens(std::u16string_view line)
{
    std::vector<std::u16string> found;
    std::size_t start = 0;
    while ((start = line.find_first_not_of(u' ', start)) != std::u16string_view::npos) {
        const std::size_t end = std::min(line.find(u' ', start), line.size());
        found.emplace_back(line.substr(start, end - start));
        start = end;
    }
    return found;
}

std::u16string windowText(const NumericValue &number)
{
    const std::vector<std::u16string> text = tokens(numberToText(number));
    return text.empty() ? std::u16string() : text.front();
}

// The window's own captions for the input, clicked with no recorder.
template<class Program>
std::pair<std::u16string, std::u16string> plainCaptions(std::u16string_view input)
{
    Program form;
    form.Text1.setText(input);
    form.click(form.Command1);
    return {form.Label1.caption(), form.Label2.caption()};
}

std::pair<std::u16string, std::u16string> plainCaptions(Method method, std::u16string_view input)
{
    switch (method) {
    case Method::PickMin:
        return plainCaptions<PickMinForm>(input);
    case Method::PairSwap:
        return plainCaptions<PairSwapForm>(input);
    case Method::Tally:
        break;
    }
    return plainCaptions<TallyForm>(input);
}

// Replays the steps on the numbers of the echo, by what each kind of step means, and compares
// every step's arrays, outcome and counters with the replay, then the result with the window's.
// Returns the first disagreement, empty when there is none.
std::string replay(const SortTrace &trace)
{
    const bool singles = trace.method == Method::PairSwap;
    const std::vector<std::u16string> echo =
        tokens(trace.label1.substr(trace.label1.find(u'\n') + 1));
    if (trace.steps.empty()) {
        // Only a number that the entry phase cannot store stops a click before the sort.
        if (echo.size() >= 10 || trace.error != Texts::OverflowError)
            return "no steps, yet the entry phase did not fail";
        return {};
    }
    if (echo.size() != 10)
        return "the echo holds " + std::to_string(echo.size()) + " numbers";
    if (!std::equal(echo.begin(), echo.end(), trace.startElements.begin()))
        return "step 0 is not the echo";

    std::array<double, 10> elements;
    for (int i = 0; i < 10; ++i) {
        elements[i] = textToNumber(echo[i]);
        if (singles)
            elements[i] = static_cast<float>(elements[i]);
    }
    const double largest = *std::max_element(elements.begin(), elements.end());
    std::array<float, 10> results{};
    const auto elementText = [&](int i) {
        return singles ? windowText(static_cast<float>(elements[i])) : windowText(elements[i]);
    };
    std::array<std::u16string, 10> elementTexts;
    for (int i = 0; i < 10; ++i)
        elementTexts[i] = elementText(i);
    std::vector<std::u16string> resultTexts(singles ? 0 : 10, windowText(0.0f));
    if (trace.startResults != resultTexts)
        return "step 0's results are not all 0";
    const auto smallerThan = [&](double number) {
        return std::count_if(elements.begin(), elements.end(),
                             [&](double e) { return e < number; });
    };
    long comparisons = 0, swaps = 0, smaller = 0, passes = 0, passSwaps = 0;

    for (std::size_t n = 0; n < trace.steps.size(); ++n) {
        const SortStep &step = trace.steps[n];
        const auto where = [n] { return "step " + std::to_string(n + 1) + ": "; };
        if (step.line < 1 || step.line > static_cast<int>(methodLines(trace.method).size()))
            return where() + "no such line";
        if (step.slots.empty() != (step.kind == Kind::PassEnd))
            return where() + "slots";
        for (const int slot : step.slots) {
            if (slot < 1 || slot > 10)
                return where() + "slot " + std::to_string(slot);
        }
        const auto number = [&](std::size_t i) { return elements[step.slots.at(i) - 1]; };
        bool agrees = true;
        switch (step.kind) {
        case Kind::Compare:
            ++comparisons;
            if (trace.method == Method::Tally) {
                agrees = step.outcome == (number(0) < number(1));
                smaller += step.outcome;
            } else if (trace.method == Method::PickMin && comparisons > 9) {
                agrees = step.outcome == (number(0) < number(1));
            } else {
                agrees = step.outcome == (number(0) > number(1));
            }
            break;
        case Kind::Transfer:
            if (step.resultSlot < 1 || step.resultSlot > 10)
                return where() + "result slot";
            if (trace.method == Method::PickMin) {
                // The lowest slot of the smallest number, into the next place.
                agrees = step.slots[0] - 1 == std::min_element(elements.begin(), elements.end()) -
                                                  elements.begin() &&
                         step.resultSlot == ++passes;
            } else {
                agrees = step.resultSlot == smallerThan(number(0)) + 1;
            }
            results[step.resultSlot - 1] = static_cast<float>(number(0));
            resultTexts[step.resultSlot - 1] =
                windowText(NumericValue::reference(results[step.resultSlot - 1]));
            break;
        case Kind::Swap:
            agrees = step.slots.size() == 2 && step.slots[1] == step.slots[0] + 1 &&
                     number(0) > number(1);
            std::swap(elements[step.slots[0] - 1], elements[step.slots[0]]);
            std::swap(elementTexts[step.slots[0] - 1], elementTexts[step.slots[0]]);
            ++swaps;
            ++passSwaps;
            break;
        case Kind::MarkUsed:
            elements[step.slots[0] - 1] = largest;
            elementTexts[step.slots[0] - 1] = elementText(step.slots[0] - 1);
            break;
        case Kind::Count:
            agrees = smaller == smallerThan(number(0));
            break;
        case Kind::PassEnd:
            // Nine comparisons a pass; the sort ends after the first pass that swaps nothing.
            agrees = comparisons % 9 == 0 && (passSwaps == 0) == (n + 1 == trace.steps.size());
            passSwaps = 0;
            break;
        }
        if (!agrees)
            return where() + "not what its numbers give";
        if (step.comparisons != comparisons || step.swaps != swaps || step.smaller != smaller)
            return where() + "counters";
        if (step.elements != elementTexts || step.results != resultTexts)
            return where() + "arrays";
        // tally counts afresh for the next element.
        if (step.kind == Kind::Transfer)
            smaller = 0;
    }

    const bool beyondSingles = std::any_of(elements.begin(), elements.end(), [](double e) {
        return std::abs(e) > std::numeric_limits<float>::max();
    });
    if (trace.error.empty() == beyondSingles)
        return "error \"" + utf8(trace.error) +
               "\" for numbers beyond singles: " + std::to_string(beyondSingles);
    if (!trace.error.empty())
        return {};
    const std::vector<std::u16string> shown = tokens(trace.resultLine());
    if (shown != (singles ? std::vector(elementTexts.begin(), elementTexts.end()) : resultTexts))
        return "the window shows other numbers";
    // The figures the programs' loops make: 9 + 10 x 10, 10 x 10, 9 a pass.
    const long passEnds =
        std::count_if(trace.steps.begin(), trace.steps.end(),
                      [](const SortStep &step) { return step.kind == Kind::PassEnd; });
    const long expected = trace.method == Method::PickMin ? 109
                          : trace.method == Method::Tally ? 100
                                                          : 9 * passEnds;
    if (comparisons != expected)
        return std::to_string(comparisons) + " comparisons";
    if (trace.method == Method::PairSwap) {
        long inversions = 0;
        std::array<float, 10> source;
        for (int i = 0; i < 10; ++i)
            source[i] = static_cast<float>(textToNumber(echo[i]));
        for (int j = 0; j < 10; ++j) {
            for (int k = j + 1; k < 10; ++k)
                inversions += source[j] > source[k];
        }
        const std::u16string countLine = u"Выполнено перестановок: " +
                                         numberToText(static_cast<int>(swaps)) +
                                         std::u16string(Label::LineBreak);
        if (swaps != inversions || trace.label2.find(countLine) == std::u16string::npos)
            return std::to_string(swaps) + " swaps for " + std::to_string(inversions) +
                   " pairs out of order";
    }
    return {};
}

// FNV-1a, over the bytes of a dump.
std::uint64_t fnv(std::string_view text)
{
    std::uint64_t value = 14695981039346656037u;
    for (const char c : text) {
        value ^= static_cast<unsigned char>(c);
        value *= 1099511628211u;
    }
    return value;
}

const std::u16string TableInputs[] = {
    u"5 3 8 1 9 2 7 4 10 6",
    u"10 9 8 7 6 5 4 3 2 1",
    u"4 2 4 1 3 5 6 7 8 9",
    u"7 7 7 7 7 7 7 7 7 7",
    u"3 -1 2 -7 0 5 5 1 9 -2",
    u"-0 0 -0 0 1 -1",
    u"1e308 1 2",
    u"-1e308 5",
    u"0.1 0.2 0.3 16777217 16777216 3.14159265358979 1.00000001 1.00000002",
    u"3.4028234e38 -3.4028234e38 1e-45 1e-46 1E+39",
    u"5 4 3",
    u"",
    u"abc 1,5  2 ",
};

} // namespace

TEST_CASE("replaying the steps gives the window's numbers")
{
    for (const std::u16string &input : TableInputs) {
        for (const Method method : Methods) {
            CAPTURE(input);
            CAPTURE(methodProgram(method));
            const SortTrace trace = traceSort(method, input);
            // The recorder changes nothing the window shows.
            CHECK(plainCaptions(method, input) == std::pair(trace.label1, trace.label2));
            CHECK(replay(trace) == "");
        }
    }
}

TEST_CASE("replaying the steps of random inputs")
{
    const auto seed = std::random_device{}();
    std::printf("random inputs from seed %u\n", seed);
    std::mt19937 random(seed);
    // Few digits, so that the echo reads back as the number itself; a small pool for repeats.
    const auto next = [&]() -> std::u16string {
        if (random() % 4 == 0)
            return std::u16string(1, char16_t(u'0' + random() % 4));
        std::string text = std::to_string(static_cast<int>(random() % 20001) - 10000);
        if (random() % 3 == 0)
            text += "e" + std::to_string(static_cast<int>(random() % 80) - 40);
        return std::u16string(text.begin(), text.end());
    };
    for (int round = 0; round < 10000; ++round) {
        std::u16string input;
        for (int i = 0; i < 10; ++i)
            input += next() + u" ";
        CAPTURE(input);
        // Each input by one method in turn; every tenth by all three, for the comparison.
        if (round % 10 != 0) {
            CHECK(replay(traceSort(Methods[round % 3], input)) == "");
            continue;
        }
        const SortTrace traces[] = {traceSort(Method::PickMin, input),
                                    traceSort(Method::PairSwap, input),
                                    traceSort(Method::Tally, input)};
        for (const SortTrace &trace : traces)
            CHECK(replay(trace) == "");
        const bool agree = traces[0].resultLine() == traces[1].resultLine() &&
                           traces[1].resultLine() == traces[2].resultLine();
        CHECK(compareNote(traces[0], traces[1], traces[2]).empty() == agree);
    }
}

TEST_CASE("the comparison names why the results differ")
{
    struct Row {
        std::u16string input;
        std::u16string named; // empty: the results agree
    };
    const Row rows[] = {
        {u"5 3 8 1 9 2 7 4 10 6", u""},
        {u"1.00000001 1.00000002 0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8", u""},
        {u"1.00000001 1.00000002 0.1", u"(0.1 встречается 8 раз)"},
        {u"4 2 4 1 3 5 6 7 8 9", u"(4 встречается 2 раза)"},
        {u"1 2 3", u"(3 встречается 8 раз)"},
        // tally's zero for the second 0 is the zero the others show.
        {u"-0 0 1 2 3 4 5 6 7 8", u""},
        {u"1 2 1E+39", u"1E+39"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.input);
        const std::u16string note = compareNote(traceSort(Method::PickMin, row.input),
                                                traceSort(Method::PairSwap, row.input),
                                                traceSort(Method::Tally, row.input));
        CHECK(note.empty() == row.named.empty());
        CHECK(note.find(row.named) != std::u16string::npos);
    }
}

TEST_CASE("the loan's years are the window's")
{
    struct Row {
        const char *name;
        std::u16string amount, rate, payment;
        std::size_t years;
        int stoppedInYear;
    };
    const Row rows[] = {
        {"start values", u"5000000", u"12", u"800000", 12, 0},
        {"amount equal to the payment", u"800000", u"12", u"800000", 0, 0},
        {"amount below the payment", u"500000", u"12", u"800000", 0, 0},
        {"payment equal to the interest", u"5000000", u"12", u"600000", 0, 1},
        {"a rouble above the interest", u"5000000", u"12", u"600001", 117, 0},
        {"no interest", u"5000000", u"0", u"800000", 6, 0},
        {"no payment", u"5000000", u"12", u"0", 0, 1},
        {"nothing at all", u"0", u"12", u"0", 0, 0},
        {"the longest term", u"32767.5", u"0", u"1", 32767, 0},
        {"beyond the longest term", u"32768.5", u"0", u"1", 32767, 32768},
        {"an amount beyond doubles", u"1e400", u"12", u"800000", 0, 0},
        {"interest beyond doubles", u"1e307", u"100", u"1", 0, 1},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        BankForm bank;
        MessageCapture messages(bank);
        computeLoan(bank, row.amount, row.rate, row.payment);

        const LoanTrace trace = traceLoan(row.amount, row.rate, row.payment);
        CHECK(trace.years.size() == row.years);
        CHECK(trace.stoppedInYear == row.stoppedInYear);
        CHECK(trace.message == (messages.prompts.empty() ? u"" : messages.prompts.front()));
        CHECK(trace.partial == messages.prompts.empty());
        if (trace.partial) {
            CHECK(trace.caption == bank.Label4.caption());
            CHECK(trace.caption == u"Количество полных лет:" +
                                       numberToText(static_cast<int>(trace.years.size())) +
                                       std::u16string(Label::LineBreak) + u"Остаток суммы " +
                                       formatAmount(trace.remainder) + u" (это еще " +
                                       formatAmount(trace.share) + u" г.)");
        } else {
            CHECK(trace.caption.empty());
            CHECK(bank.Label4.caption() == bank.Label4.layout().caption);
        }
        // Each year starts where the last ended, takes the program's interest and one payment.
        std::vector<LoanYear> years = trace.years;
        if (trace.stoppedInYear != 0)
            years.push_back(trace.stop);
        if (years.empty() && !trace.partial)
            continue;
        const double payment = textToNumber(row.payment);
        double owed = textToNumber(row.amount);
        // One check for all years: a 32767-year loan is not 160 000 checks.
        std::size_t agreeing = 0;
        const double rate = textToNumber(row.rate);
        for (const LoanYear &year : years) {
            // Every year the loop goes on to owes more than a payment at its start.
            if (year.year != static_cast<int>(agreeing) + 1 || year.owedAtStart != owed ||
                year.interest != owed * rate / 100 || year.payment != payment ||
                year.owedAtEnd != owed + year.interest - payment || !(owed > payment))
                break;
            owed = year.owedAtEnd;
            ++agreeing;
        }
        CHECK(agreeing == years.size());
        if (trace.partial) {
            CHECK(trace.remainder == owed);
            CHECK(!(owed > payment));
        }
    }
}

TEST_CASE("the start values' years, to the kopeck")
{
    const LoanTrace trace = traceLoan(u"5000000", u"12", u"800000");
    std::vector<std::u16string> owed;
    for (const LoanYear &year : trace.years)
        owed.push_back(formatAmount(year.owedAtEnd));
    CHECK(owed == std::vector<std::u16string>{u"4800000.00", u"4576000.00", u"4325120.00",
                                              u"4044134.40", u"3729430.53", u"3376962.19",
                                              u"2982197.65", u"2540061.37", u"2044868.74",
                                              u"1490252.99", u"869083.34", u"173373.35"});
    CHECK(formatAmount(trace.share) == u"0.22");
}

TEST_CASE("the loan as CSV for a Russian spreadsheet")
{
    const std::string bom = "\xEF\xBB\xBF";
    const std::string header = "Год;Долг на начало года, руб.;Проценты, руб.;Выплата, руб.;Долг "
                               "на конец года, руб.;Примечание\r\n";
    struct Row {
        const char *name;
        std::u16string amount, rate, payment;
        std::size_t lines;
        std::string first, last;
    };
    const Row rows[] = {
        {"start values", u"5000000", u"12", u"800000", 14,
         "1;5000000,00;600000,00;800000,00;4800000,00;\r\n",
         "13;173373,35;;;;неполный год: остаток 0,22 годовой выплаты\r\n"},
        {"no full year", u"800000", u"12", u"800000", 2, "",
         "1;800000,00;;;;неполный год: остаток 1,00 годовой выплаты\r\n"},
        {"stops in the first year", u"5000000", u"12", u"600000", 2, "",
         "1;5000000,00;600000,00;600000,00;5000000,00;Выплаты за год не покрывают процентную "
         "ставку! Измените данные.\r\n"},
        {"refused", u"500000", u"12", u"800000", 2, "",
         ";;;;;Проверьте свои данные и повторите ввод!\r\n"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        const std::string csv = loanCsv(traceLoan(row.amount, row.rate, row.payment));
        REQUIRE(csv.substr(0, bom.size() + header.size()) == bom + header);
        CHECK(std::count(csv.begin(), csv.end(), '\n') == static_cast<long>(row.lines));
        CHECK(std::count(csv.begin(), csv.end(), '\r') == static_cast<long>(row.lines));
        CHECK(csv.substr(csv.size() - row.last.size()) == row.last);
        if (!row.first.empty())
            CHECK(csv.find(row.first) == bom.size() + header.size());
    }
}

// Everything a trace holds, a line a step.
std::string dump(const SortTrace &trace)
{
    std::string text = utf8(trace.label1 + u"|" + trace.label2 + u"|" + trace.error) + "\n";
    for (const SortStep &step : trace.steps) {
        text += std::to_string(static_cast<int>(step.kind)) + ' ' + std::to_string(step.line);
        for (const int slot : step.slots)
            text += ' ' + std::to_string(slot);
        for (const long number : {long{step.resultSlot}, long{step.outcome}, step.comparisons,
                                  step.swaps, step.smaller, long{step.place}, long{step.found}})
            text += ' ' + std::to_string(number);
        std::u16string texts = u" " + step.sentence + u" |";
        for (const auto &number : step.elements)
            texts += u" " + number;
        texts += u" |";
        for (const auto &number : step.results)
            texts += u" " + number;
        text += utf8(texts) + '\n';
    }
    return text;
}

std::string dump(const LoanTrace &trace)
{
    std::string text = utf8(trace.caption + u"|" + trace.message) + "\n";
    for (const LoanYear &year : trace.years) {
        for (const double number : {year.owedAtStart, year.interest, year.owedAtEnd}) {
            // The bits of the number (no std::bit_cast in the WebAssembly build's library).
            std::uint64_t bits;
            std::memcpy(&bits, &number, sizeof bits);
            char hex[20];
            std::snprintf(hex, sizeof hex, "%016" PRIx64, bits);
            text += utf8(formatAmount(number)) + ' ' + hex + ' ';
        }
        text += '\n';
    }
    return text + loanCsv(trace);
}

// The same traces, byte for byte, natively and in WebAssembly: each trace's dump is hashed, and a
// trace that differs is named and printed, so the two builds' outputs show what differs.
TEST_CASE("the traces of a fixed input set are the same everywhere")
{
    std::vector<std::pair<std::string, std::string>> dumps;
    int n = 0;
    for (const std::u16string &input : TableInputs) {
        for (const Method method : Methods)
            dumps.emplace_back(utf8(methodProgram(method)) + " " + std::to_string(n),
                               dump(traceSort(method, input)));
        ++n;
    }
    for (const auto &[amount, rate, payment] :
         {std::array<std::u16string, 3>{u"5000000", u"12", u"800000"},
          {u"5000000", u"12.345", u"600001"},
          {u"5000000", u"12", u"600000"}})
        dumps.emplace_back("Bank " + utf8(amount + u" " + rate + u" " + payment),
                           dump(traceLoan(amount, rate, payment)));
    const std::map<std::string, std::uint64_t> expected{
        {"pickmin 0", 0x2d206da16a72ce31},
        {"pairswap 0", 0xfb4819723fa4b96e},
        {"tally 0", 0xea8c9c430975fa28},
        {"pickmin 1", 0x330b446059edc308},
        {"pairswap 1", 0x65f8fc67c91ebb35},
        {"tally 1", 0x7c5ed573c3b8c9ea},
        {"pickmin 2", 0xebe46d7a744da63f},
        {"pairswap 2", 0x1da49cadf7aec1e7},
        {"tally 2", 0xfd02740118069a14},
        {"pickmin 3", 0xbb97e7b3744e67eb},
        {"pairswap 3", 0x14062c4040011870},
        {"tally 3", 0x3c96b7c009eb81e4},
        {"pickmin 4", 0x79fc9871c917233f},
        {"pairswap 4", 0xadcc84cff1ae746c},
        {"tally 4", 0x90c23fe6ad7c6efb},
        {"pickmin 5", 0xcbedd53873fc373f},
        {"pairswap 5", 0x4bd0ae2943f5a3a0},
        {"tally 5", 0x80fae3db94887826},
        {"pickmin 6", 0xe342e7bcefd66608},
        {"pairswap 6", 0xdd662d6aff78c576},
        {"tally 6", 0x90effa0e663e1a1d},
        {"pickmin 7", 0xfeb652125a5786a5},
        {"pairswap 7", 0xdd662d6aff78c576},
        {"tally 7", 0xe347b240ef38a8fb},
        {"pickmin 8", 0x5ff36f82ec42cf7e},
        {"pairswap 8", 0x84fbe3a4ba079cad},
        {"tally 8", 0x5ec680ba31852631},
        {"pickmin 9", 0xaef2c8dc5f3eda5a},
        {"pairswap 9", 0x6c5cb61b8cd1c931},
        {"tally 9", 0xbac95ef7245eac88},
        {"pickmin 10", 0xa3ab10b25b79a522},
        {"pairswap 10", 0x731cd5079308d244},
        {"tally 10", 0xb6f0a6619b44d428},
        {"pickmin 11", 0x678ddb18e2528689},
        {"pairswap 11", 0xcea26446be649870},
        {"tally 11", 0x22f4810f49abfa50},
        {"pickmin 12", 0xdb9a770f3a0aeea5},
        {"pairswap 12", 0x3ab9e8a7aec4c546},
        {"tally 12", 0x50c6e5a5a5a15161},
        {"Bank 5000000 12 800000", 0x8e04bcba1344d6b2},
        {"Bank 5000000 12.345 600001", 0x047be3d7ab9cc140},
        {"Bank 5000000 12 600000", 0x580f03f83beb3b0d},
    };
    for (const auto &entry : dumps) {
        const std::string &name = entry.first, &text = entry.second;
        CAPTURE(name);
        const auto found = expected.find(name);
        const std::uint64_t hash = fnv(text);
        if (found == expected.end() || found->second != hash)
            std::printf("%s: %016" PRIx64 "\n%s\n", name.c_str(), hash, text.c_str());
        CHECK((found != expected.end() && found->second == hash));
    }
}
