#pragma once

// «Проверь себя»: the tasks a teacher hands out as a seed, and the link keys of the mode.
//
// A seed gives the same task on every platform: the numbers are drawn by the generator below with
// integer arithmetic only (the standard library's distributions differ between implementations).

#include "sorttrace.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lesson {

// splitmix64: small, fast, and the same sequence everywhere.
class TaskRandom {
public:
    explicit TaskRandom(std::uint64_t seed)
        : m_state(seed)
    {
    }
    std::uint64_t next();
    // Uniform in [0, bound), bound > 0, without the bias of a plain remainder.
    std::uint64_t below(std::uint64_t bound);

private:
    std::uint64_t m_state;
};

// A seed for «Новые числа» from any entropy the view has: 1 to MaxDrawnSeed, so that links and
// check codes stay short. Links may carry any seed up to 4294967295.
constexpr std::uint32_t MaxDrawnSeed = 99999;
std::uint32_t drawSeed(std::uint64_t entropy);

// Ten whole numbers from a seed, as Text1 takes them: separated by one blank. Every task has
// negative numbers and a repeated number (tally's zeros); about half also have two neighbouring
// numbers beyond 2^24 that single precision stores as one (pairswap).
std::array<std::int64_t, 10> taskNumbers(std::uint32_t seed);
std::u16string taskInput(std::uint32_t seed);

// A loan from a seed: an amount of 1 to 10 million in hundred thousands, a rate of 5 to 20 % and
// a yearly payment in ten thousands that always covers the first year's interest.
struct LoanInput {
    std::u16string amount, rate, payment;
};
LoanInput loanTaskInput(std::uint32_t seed);

// What a student was asked about: a method on ten numbers, or the loan.
struct Task {
    std::optional<Method> method; // none: the loan
    std::optional<std::uint32_t> seed;
    // Without a seed, the numbers themselves: the ten a sort started from (SortTrace's
    // startElements) or the loan's amount, rate and payment.
    std::vector<std::u16string> numbers;

    bool operator==(const Task &) const = default;
};
// A task of numbers typed rather than drawn. The loan's boxes are kept as the program reads them:
// blanks dropped, the number cut where reading stops.
Task sortTask(Method, const SortTrace &);
Task loanTask(std::u16string_view amount, std::u16string_view rate, std::u16string_view payment);

// The link's keys for the mode: `mode=predict`, `seed=N`, `ask=all`.
struct PredictSettings {
    bool predict = false;
    std::optional<std::uint32_t> seed;
    bool askAll = false;

    bool operator==(const PredictSettings &) const = default;
};
// Reads one key of a link's fragment into `settings`; false for a key that is not the mode's. A
// value that cannot be used (a seed that is not a number up to 4294967295) leaves the setting as
// it was.
bool readPredictKey(PredictSettings &settings, std::u16string_view key, std::u16string_view value);
// The keys to write into a link, in this order, only those that differ from the defaults.
std::vector<std::pair<std::u16string, std::u16string>> predictKeys(const PredictSettings &);

} // namespace lesson
