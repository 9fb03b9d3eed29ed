#include "task.h"

#include <algorithm>
#include <limits>

namespace lesson {

namespace {

std::u16string decimal(std::int64_t number)
{
    const bool negative = number < 0;
    // Unsigned, so that the most negative number has a magnitude too.
    std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(number) : static_cast<std::uint64_t>(number);
    std::u16string digits;
    do {
        digits.insert(digits.begin(), char16_t(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    return negative ? u'-' + digits : digits;
}

// What the loan's reading keeps of a box: no blanks, an exponent written E, nothing after the
// first character that ends a number.
std::u16string asRead(std::u16string_view box)
{
    std::u16string kept;
    for (const char16_t c : box) {
        if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n')
            continue;
        if (c == u'e' || c == u'd' || c == u'D')
            kept += u'E';
        else if ((c >= u'0' && c <= u'9') || c == u'.' || c == u',' || c == u'-' || c == u'+' ||
                 c == u'E')
            kept += c;
        else
            break;
    }
    return kept;
}

} // namespace

std::uint64_t TaskRandom::next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

std::uint64_t TaskRandom::below(std::uint64_t bound)
{
    // Draws from the largest multiple of bound: every remainder equally likely.
    const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max() -
                                std::numeric_limits<std::uint64_t>::max() % bound;
    std::uint64_t drawn;
    do
        drawn = next();
    while (drawn >= limit);
    return drawn % bound;
}

std::uint32_t drawSeed(std::uint64_t entropy)
{
    return static_cast<std::uint32_t>(TaskRandom(entropy).below(MaxDrawnSeed) + 1);
}

std::array<std::int64_t, 10> taskNumbers(std::uint32_t seed)
{
    TaskRandom random(seed);
    std::array<std::int64_t, 10> numbers{};
    const std::uint64_t negatives = 2 + random.below(3);
    for (std::uint64_t i = 0; i < numbers.size(); ++i) {
        const auto magnitude = static_cast<std::int64_t>(1 + random.below(99));
        numbers[i] = i < negatives ? -magnitude : magnitude;
    }
    if (random.below(2) == 0) {
        // Between 2^24 and 2^25 singles step by 2, and B + 1 rounds to B, whose last bit is even.
        const auto base = static_cast<std::int64_t>(16777216 + 4 * random.below(250));
        numbers[7] = base;
        numbers[8] = base + 1;
    }
    numbers[9] = numbers[random.below(9)];
    for (std::size_t i = numbers.size() - 1; i > 0; --i)
        std::swap(numbers[i], numbers[random.below(i + 1)]);
    return numbers;
}

std::u16string taskInput(std::uint32_t seed)
{
    std::u16string input;
    for (const std::int64_t number : taskNumbers(seed)) {
        if (!input.empty())
            input += u' ';
        input += decimal(number);
    }
    return input;
}

LoanInput loanTaskInput(std::uint32_t seed)
{
    // Apart from the numbers' draws, so that seed N of a loan is not seed N of a sort in disguise.
    TaskRandom random(seed ^ 0x6C6F616E00000000u);
    const auto amount = static_cast<std::int64_t>(100000 * (10 + random.below(91)));
    const auto rate = static_cast<std::int64_t>(5 + random.below(16));
    const auto percent = static_cast<std::int64_t>(rate + 2 + random.below(15));
    // Rounded up to ten thousands: still more than the interest.
    const std::int64_t payment = (amount * percent / 100 + 9999) / 10000 * 10000;
    return {decimal(amount), decimal(rate), decimal(payment)};
}

Task sortTask(Method method, const SortTrace &trace)
{
    return {method, std::nullopt, {trace.startElements.begin(), trace.startElements.end()}};
}

Task loanTask(std::u16string_view amount, std::u16string_view rate, std::u16string_view payment)
{
    return {std::nullopt, std::nullopt, {asRead(amount), asRead(rate), asRead(payment)}};
}

bool readPredictKey(PredictSettings &settings, std::u16string_view key, std::u16string_view value)
{
    if (key == u"mode") {
        settings.predict = value == u"predict";
    } else if (key == u"ask") {
        settings.askAll = value == u"all";
    } else if (key == u"seed") {
        if (value.empty() || value.size() > 10)
            return true;
        std::uint64_t seed = 0;
        for (const char16_t c : value) {
            if (c < u'0' || c > u'9')
                return true;
            seed = seed * 10 + (c - u'0');
        }
        if (seed <= std::numeric_limits<std::uint32_t>::max())
            settings.seed = static_cast<std::uint32_t>(seed);
    } else {
        return false;
    }
    return true;
}

std::vector<std::pair<std::u16string, std::u16string>> predictKeys(const PredictSettings &settings)
{
    std::vector<std::pair<std::u16string, std::u16string>> keys;
    if (settings.predict)
        keys.emplace_back(u"mode", u"predict");
    if (settings.seed)
        keys.emplace_back(u"seed", decimal(*settings.seed));
    if (settings.askAll)
        keys.emplace_back(u"ask", u"all");
    return keys;
}

} // namespace lesson
