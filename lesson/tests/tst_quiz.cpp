#include "checkcode.h"
#include "numbertext.h"
#include "quiz.h"
#include "task.h"
#include "testsupport.h"
#include "utf8.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <set>

using namespace lesson;

namespace {

const Method Methods[] = {Method::PickMin, Method::PairSwap, Method::Tally};

// Inputs that teach: repeated numbers, negatives, numbers single precision stores as one, an
// array already sorted, and one sorted backwards.
const std::u16string TableInputs[] = {
    u"5 3 8 1 9 2 7 4 10 6",
    u"7 7 7 1 1 2 2 3 3 3",
    u"-7 -2 -1 0 1 -7 9 8 2 3",
    u"1 2 3 4 5 6 7 8 9 10",
    u"10 9 8 7 6 5 4 3 2 1",
    u"16777217 16777216 5 1 2 3 4 6 7 8",
    u"0.1 0.2 0.3 1e30 -1e30 0.1 5 -5 0 0",
    u"16777216 16777217 16777218 16777219 1 1 1 1 1 1",
};

std::vector<std::u16string> inputs()
{
    std::vector<std::u16string> all(std::begin(TableInputs), std::end(TableInputs));
    for (std::uint32_t seed = 1; seed <= 150; ++seed)
        all.push_back(taskInput(seed));
    return all;
}

std::map<std::string, std::u16string> keysByPlace(const std::vector<Question> &questions)
{
    std::map<std::string, std::u16string> keys;
    for (const Question &question : questions) {
        std::string place(kindId(question.kind));
        for (const QuestionData &data : question.data)
            place += ' ' + std::string(data.name) + '=' + std::to_string(data.value);
        CHECK_MESSAGE(keys.emplace(place, question.key).second, place);
    }
    return keys;
}

std::u16string decimalText(long number)
{
    const std::u16string text = integerText(static_cast<std::int32_t>(number));
    return text.front() == u' ' ? text.substr(1) : text;
}

// The numbers of an input of ten plain numbers.
std::array<double, 10> numbersOf(std::u16string_view input)
{
    std::array<double, 10> numbers{};
    std::size_t i = 0, start = 0;
    while (i < numbers.size() &&
           (start = input.find_first_not_of(u' ', start)) != std::u16string_view::npos) {
        const std::size_t end = std::min(input.find(u' ', start), input.size());
        numbers[i++] = textToNumber(input.substr(start, end - start));
        start = end;
    }
    return numbers;
}

// The keys each method's questions must have, worked out from the numbers alone.
std::map<std::string, std::u16string> expectedKeys(Method method, std::u16string_view input)
{
    const std::array<double, 10> numbers = numbersOf(input);
    std::map<std::string, std::u16string> keys;
    const auto yes = [](bool outcome) { return std::u16string(outcome ? u"yes" : u"no"); };
    const auto slot = [](int i) { return " slot=" + std::to_string(i + 1); };

    if (method == Method::Tally) {
        for (int i = 0; i < 10; ++i) {
            const long smaller = std::count_if(numbers.begin(), numbers.end(),
                                               [&](double other) { return other < numbers[i]; });
            keys["smaller" + slot(i)] = decimalText(smaller);
            keys["place" + slot(i)] = decimalText(smaller + 1);
        }
    } else if (method == Method::PairSwap) {
        std::array<float, 10> singles;
        std::transform(numbers.begin(), numbers.end(), singles.begin(),
                       [](double number) { return static_cast<float>(number); });
        for (int pass = 1, swaps = 1; swaps != 0; ++pass) {
            swaps = 0;
            const std::string inPass = " pass=" + std::to_string(pass);
            for (int i = 0; i < 9; ++i) {
                const bool greater = singles[i] > singles[i + 1];
                keys["swap" + inPass + slot(i)] = yes(greater);
                if (greater) {
                    std::swap(singles[i], singles[i + 1]);
                    ++swaps;
                }
            }
            keys["pass-swaps" + inPass] = decimalText(swaps);
        }
    } else {
        // Place k takes the k-th of the sorted order, equal numbers by slot; once only the largest
        // is left, every slot holds it (taken slots are marked with it) and the search keeps
        // slot 1.
        std::array<int, 10> order;
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return numbers[a] < numbers[b]; });
        const double largest = *std::max_element(numbers.begin(), numbers.end());
        std::array<double, 10> current = numbers;
        for (int k = 0; k <= 10; ++k) {
            const std::string place = " k=" + std::to_string(k);
            int found = 0;
            for (int i = k == 0 ? 1 : 0; i < 10; ++i) {
                const bool changes =
                    k == 0 ? current[i] > current[found] : current[i] < current[found];
                keys["min-changes" + place + slot(i) + " min-slot=" + std::to_string(found + 1)] =
                    yes(changes);
                if (changes)
                    found = i;
            }
            if (k == 0)
                continue;
            const int taken = numbers[order[k - 1]] < largest ? order[k - 1] : 0;
            CHECK(found == taken);
            keys["which-min" + place] = decimalText(taken + 1);
            current[taken] = largest;
        }
    }
    return keys;
}

} // namespace

TEST_CASE("every question's key is what the numbers give, on table and drawn inputs")
{
    for (const std::u16string &input : inputs()) {
        for (const Method method : Methods) {
            INFO(toUtf8(methodProgram(method)), " ", toUtf8(input));
            const SortTrace trace = traceSort(method, input);
            const std::vector<Question> questions = sortQuestions(trace);
            std::map<std::string, std::u16string> keys = keysByPlace(questions);
            const std::map<std::string, std::u16string> expected = expectedKeys(method, input);
            CHECK(keys.size() == expected.size());
            for (const auto &place : expected) {
                INFO(place.first);
                CHECK(keys[place.first] == place.second);
            }
            for (const Question &question : questions) {
                CHECK(question.askedAt < question.step);
                CHECK(question.step <= static_cast<int>(trace.steps.size()));
            }
        }
    }
}

TEST_CASE("the loan's keys are the years of the loop, as the table shows them")
{
    struct Row {
        const char *name;
        std::u16string amount, rate, payment;
    };
    std::vector<Row> rows{{"start values", u"5000000", u"12", u"800000"},
                          {"no full year", u"200", u"10", u"200"},
                          {"no interest", u"1000", u"0", u"300"},
                          {"payments do not cover the interest", u"1000", u"50", u"100"}};
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        const LoanInput loan = loanTaskInput(seed);
        rows.push_back({"drawn", loan.amount, loan.rate, loan.payment});
    }
    for (const Row &row : rows) {
        INFO(std::string(row.name), " ", toUtf8(row.amount), " ", toUtf8(row.rate), " ",
             toUtf8(row.payment));
        const double rate = textToNumber(row.rate), payment = textToNumber(row.payment);
        std::map<std::string, std::u16string> expected;
        double owed = textToNumber(row.amount);
        const double borrowed = owed;
        int years = 0;
        while (owed > payment) {
            const double interest = owed * rate / 100;
            owed = owed + interest - payment;
            if (owed >= borrowed)
                break;
            ++years;
            expected["interest year=" + std::to_string(years)] = formatAmount(interest);
            expected["owed year=" + std::to_string(years)] = formatAmount(owed);
        }
        if (owed <= payment)
            expected["years"] = decimalText(years);
        CHECK(keysByPlace(loanQuestions(traceLoan(row.amount, row.rate, row.payment))) == expected);
    }
}

TEST_CASE("answers are graded as the key writes them")
{
    struct Row {
        const char *name;
        AnswerForm form;
        std::u16string key, answer;
        Verdict::Result result;
    };
    using enum Verdict::Result;
    const Row rows[] = {
        {"yes", AnswerForm::YesNo, u"yes", u"yes", Right},
        {"да in capitals", AnswerForm::YesNo, u"yes", u" ДА ", Right},
        {"2 for no", AnswerForm::YesNo, u"no", u"2", Right},
        {"нет against yes", AnswerForm::YesNo, u"yes", u"нет", Wrong},
        {"neither", AnswerForm::YesNo, u"yes", u"может быть", Unreadable},
        {"slot", AnswerForm::Slot, u"10", u"10", Right},
        {"slot with a leading zero", AnswerForm::Slot, u"3", u"03", Right},
        {"another slot", AnswerForm::Slot, u"3", u"4", Wrong},
        {"slot 11", AnswerForm::Slot, u"3", u"11", Unreadable},
        {"slot 0", AnswerForm::Slot, u"3", u"0", Unreadable},
        {"whole number", AnswerForm::Whole, u"12", u"1 2", Right},
        {"negative zero", AnswerForm::Whole, u"0", u"-0", Right},
        {"whole with a point", AnswerForm::Whole, u"12", u"12.0", Unreadable},
        {"empty", AnswerForm::Whole, u"12", u"", Unreadable},
        {"amount with a comma", AnswerForm::Amount, u"600000.00", u"600000,00", Right},
        {"amount in groups of three", AnswerForm::Amount, u"4800000.50", u"4\u00A0800\u2009000.5",
         Right},
        {"amount without decimals", AnswerForm::Amount, u"600000.00", u"600000", Right},
        {"amount a cent off", AnswerForm::Amount, u"600000.00", u"600000.01", Wrong},
        {"amount with three decimals", AnswerForm::Amount, u"0.12", u"0.123", Wrong},
        {"amount beyond 64 bits", AnswerForm::Amount, u"123456789012345678901234.00",
         u"123456789012345678901234", Right},
        {"two decimal marks", AnswerForm::Amount, u"1.00", u"1.0.0", Unreadable},
        {"a lone mark", AnswerForm::Amount, u"0.00", u",", Unreadable},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        const Question question{QuestionKind::Years, {}, {}, row.form, 0, 1, row.key};
        const Verdict verdict = grade(question, row.answer);
        CHECK(verdict.result == row.result);
        if (row.result == Wrong)
            CHECK(verdict.text == u"Неверно: правильный ответ — " + keyText(question) + u".");
    }
    CHECK(grade({QuestionKind::Swap, {}, {}, AnswerForm::YesNo, 0, 1, u"no"}, u"yes").text ==
          u"Неверно: правильный ответ — нет.");
    CHECK(grade({QuestionKind::Swap, {}, {}, AnswerForm::YesNo, 0, 1, u"no"}, u"no").text ==
          u"Верно.");
}

TEST_CASE("a round: about ten questions of mixed kinds over the run, scored at the first try")
{
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        const LoanInput loan = loanTaskInput(seed);
        const std::vector<Question> all[] = {
            sortQuestions(traceSort(Method::PickMin, taskInput(seed))),
            sortQuestions(traceSort(Method::PairSwap, taskInput(seed))),
            sortQuestions(traceSort(Method::Tally, taskInput(seed))),
            loanQuestions(traceLoan(loan.amount, loan.rate, loan.payment))};
        for (const std::vector<Question> &questions : all) {
            INFO("seed ", seed, ", ", kindId(questions.front().kind));
            const std::vector<Question> chosen = chooseRound(questions, seed);
            CHECK(chosen.size() >= 3);
            CHECK(chosen.size() <= 10);
            std::set<int> steps;
            std::set<QuestionKind> kinds;
            for (const Question &question : chosen) {
                steps.insert(question.step);
                kinds.insert(question.kind);
                CHECK_FALSE((question.kind == QuestionKind::MinChanges &&
                             question.data[1].value == question.data[2].value));
            }
            CHECK(steps.size() == chosen.size());
            CHECK(kinds.size() >= 2);
            // Spread: the last question is in the last tenth of the run's questions.
            CHECK(chosen.back().step * 10 >= questions.back().step * 8);
            CHECK(chooseRound(questions, seed) == chosen);
        }
        CHECK(loanRound(traceLoan(loan.amount, loan.rate, loan.payment), seed) ==
              chooseRound(all[3], seed));
    }

    for (const LoanTrace &loan :
         {traceLoan(u"1000", u"50", u"100"), traceLoan(u"200", u"10", u"200"),
          traceLoan(u"32767.5", u"0", u"1")})
        CHECK(loanRound(loan, 3) == chooseRound(loanQuestions(loan), 3));

    const std::vector<Question> questions =
        chooseRound(sortQuestions(traceSort(Method::PairSwap, taskInput(7))), 7);
    const std::size_t size = questions.size();
    Round allRight(questions);
    for (std::size_t i = 0; i < size; ++i)
        CHECK(allRight.answer(i, questions[i].key).result == Verdict::Result::Right);
    CHECK(allRight.score() == 100);
    CHECK(allRight.mistakes().empty());

    Round oneWrong(questions);
    const std::u16string wrongAnswer = questions[2].form == AnswerForm::YesNo
                                           ? (questions[2].key == u"yes" ? u"no" : u"yes")
                                           : questions[2].key + u"1";
    CHECK(oneWrong.answer(0, u"?").result == Verdict::Result::Unreadable);
    CHECK(oneWrong.asked() == 0);
    for (std::size_t i = 0; i < size; ++i)
        oneWrong.answer(i, i == 2 ? wrongAnswer : questions[i].key);
    // A second try is graded, but the first counts.
    CHECK(oneWrong.answer(2, questions[2].key).result == Verdict::Result::Right);
    CHECK(oneWrong.asked() == static_cast<int>(size));
    CHECK(oneWrong.right() == static_cast<int>(size) - 1);
    CHECK(oneWrong.score() == (200 * (static_cast<int>(size) - 1) + static_cast<int>(size)) /
                                  (2 * static_cast<int>(size)));
    REQUIRE(oneWrong.mistakes().size() == 1);
    CHECK(oneWrong.mistakes()[0].question == 2);
    CHECK(oneWrong.mistakes()[0].step == questions[2].step);

    const ScormReport passed = scormReport(allRight, "");
    CHECK(passed.raw == 100);
    CHECK(passed.lessonStatus == "passed");
    CHECK(passed.interactions.size() == size);
    const ScormReport failed = scormReport(oneWrong, " 95 ");
    CHECK(failed.lessonStatus == "failed");
    CHECK(scormReport(oneWrong, "0").lessonStatus == "passed");
    const ScormInteraction &wrong = failed.interactions[2];
    CHECK(wrong.result == "wrong");
    CHECK(wrong.id == "q3-" + std::string(kindId(questions[2].kind)) + "-step" +
                          std::to_string(questions[2].step));
    CHECK(wrong.studentResponse != wrong.correctResponse);
    CHECK(failed.interactions[1].result == "correct");
    CHECK(scormSessionTime(3723450) == "0001:02:03.45");
}

TEST_CASE("SCORM's forms of a response")
{
    Round round({{QuestionKind::Swap, {}, {}, AnswerForm::YesNo, 0, 1, u"yes"},
                 {QuestionKind::Place, {}, {}, AnswerForm::Slot, 0, 2, u"10"},
                 {QuestionKind::Owed, {}, {}, AnswerForm::Amount, 0, 3, u"1234.50"}});
    round.answer(0, u"нет");
    round.answer(1, u"1");
    round.answer(2, u"1 234,5");
    const ScormReport report = scormReport(round, "80");
    const auto row = [&](std::size_t i) {
        const ScormInteraction &interaction = report.interactions[i];
        return interaction.type + ' ' + interaction.studentResponse + ' ' +
               interaction.correctResponse + ' ' + interaction.result;
    };
    CHECK(row(0) == "true-false f t wrong");
    CHECK(row(1) == "choice a j wrong");
    CHECK(row(2) == "numeric 1234.50 1234.50 correct");
    CHECK(report.raw == 33);
}

TEST_CASE("a seed draws the same task on every platform")
{
    // Pinned: these rows run natively and under WebAssembly with another standard library.
    CHECK(taskInput(0) == u"-2 -26 16777949 41 49 -55 72 69 72 16777948");
    CHECK(taskInput(1) == u"16777352 -67 -53 24 -67 -30 16777353 -85 1 4");
    CHECK(taskInput(2) == u"63 16 -76 27 44 -60 63 -55 49 66");
    CHECK(taskInput(4294967295) == u"16777264 45 -88 -69 -69 16777265 69 50 -14 -34");
    const LoanInput loan = loanTaskInput(1);
    CHECK(loan.amount + u' ' + loan.rate + u' ' + loan.payment == u"8000000 11 1440000");
    CHECK(drawSeed(0) == 11258);
    CHECK(drawSeed(0xFFFFFFFFFFFFFFFF) == 63738);

    int withSingles = 0;
    for (std::uint32_t seed = 1; seed <= 1000; ++seed) {
        INFO("seed ", seed);
        const auto numbers = taskNumbers(seed);
        CHECK(std::any_of(numbers.begin(), numbers.end(), [](auto n) { return n < 0; }));
        CHECK(std::set(numbers.begin(), numbers.end()).size() < numbers.size());
        std::set<float> singles;
        for (const std::int64_t number : numbers) {
            if (number > 16777216)
                singles.insert(static_cast<float>(number));
        }
        if (!singles.empty()) {
            ++withSingles;
            CHECK(singles.size() == 1);
        }
        const LoanInput drawn = loanTaskInput(seed);
        CHECK(traceLoan(drawn.amount, drawn.rate, drawn.payment).partial);
    }
    CHECK(withSingles > 400);
    CHECK(withSingles < 600);
}

TEST_CASE("a check code holds the task, the score, the mistakes and the name")
{
    const CheckRecord records[] = {
        {{Method::PickMin, 12345, {}},
         false,
         u"Петров Иван",
         10,
         8,
         {{QuestionKind::MinChanges, 17}, {QuestionKind::WhichMin, 45}}},
        {{Method::PairSwap,
          std::nullopt,
          {u"5", u"-3", u"1.5E+20", u"0.25", u"9", u"2", u"7", u"4", u"10", u"6"}},
         true,
         u"",
         100,
         100,
         {}},
        {{std::nullopt, std::nullopt, {u"5000000", u"12,5", u""}},
         false,
         u"Anna K.",
         3,
         0,
         {{QuestionKind::Interest, 1}, {QuestionKind::Owed, 32767}, {QuestionKind::Years, 32768}}},
        {{std::nullopt, 4294967295, {}}, false, u"Аня", 0, 0, {}},
    };
    for (const CheckRecord &record : records) {
        const std::u16string code = encodeCheckCode(record);
        INFO(toUtf8(code));
        CHECK(decodeCheckCode(code) == record);
        // What copying does to it: blanks around, lower case, the dashes left out.
        const auto blank = code.rfind(u' ');
        std::u16string body = code.substr(blank == std::u16string::npos ? 0 : blank + 1);
        std::transform(body.begin(), body.end(), body.begin(),
                       [](char16_t c) { return c >= u'A' && c <= u'Z' ? c + 0x20 : c; });
        std::erase(body, u'-');
        const std::u16string name =
            blank == std::u16string::npos ? u"" : code.substr(0, blank) + u" \u00A0";
        CHECK(decodeCheckCode(u"\t " + name + body + u" \r") == record);

        for (std::size_t at = 0; at < code.size(); ++at) {
            for (const char16_t other : {u'0', u'A', u'Z', u'-', u'я', u'#'}) {
                if (code[at] == other)
                    continue;
                std::u16string changed = code;
                changed[at] = other;
                INFO("at ", at, ": ", toUtf8(changed));
                CHECK_FALSE(decodeCheckCode(changed));
            }
        }
    }
    CHECK_THROWS_AS(
        encodeCheckCode({{Method::Tally, std::nullopt, {u"1", u"x"}}, false, u"", 0, 0, {}}),
        std::invalid_argument);
}

TEST_CASE("the teacher's table: one row a code")
{
    const std::u16string valid =
        encodeCheckCode({{Method::Tally, 12, {}},
                         true,
                         u"Петров Иван",
                         10,
                         8,
                         {{QuestionKind::Smaller, 17}, {QuestionKind::Place, 45}}});
    const std::u16string loan =
        encodeCheckCode({{std::nullopt, std::nullopt, {u"5000000", u"12", u"800000"}},
                         false,
                         u"",
                         2,
                         1,
                         {{QuestionKind::Interest, 3}}});
    const std::vector<CheckRow> rows =
        checkTable(u"\r\n" + valid + u"\r\n   \n" + loan + u"\nне код\n" + valid + u"X");
    REQUIRE(rows.size() == 4);
    const auto text = [](const CheckRow &row) {
        return toUtf8(row.name + u" | " + row.task + u" | " + row.score + u" | " + row.mistakes +
                      u" | " + std::u16string(checkValidText(row.valid)));
    };
    CHECK(text(rows[0]) ==
          "Петров Иван | tally, вариант 12 (все шаги) | 8 из 10 | шаг 17 — меньших "
          "чисел; шаг 45 — место | верен");
    CHECK(text(rows[1]) == " | Bank: 5000000, 12, 800000 | 1 из 2 | год 3 — проценты | верен");
    CHECK_FALSE(rows[2].valid);
    CHECK(rows[2].name == u"не код");
    CHECK_FALSE(rows[3].valid);
    CHECK(rows[0].right == 8);
    CHECK(rows[0].asked == 10);
}

TEST_CASE("the link's keys of the mode")
{
    PredictSettings settings;
    const std::pair<std::u16string, std::u16string> keys[] = {
        {u"mode", u"predict"}, {u"seed", u"4294967295"}, {u"ask", u"all"}};
    for (const auto &[key, value] : keys)
        CHECK(readPredictKey(settings, key, value));
    CHECK(settings == PredictSettings{true, 4294967295, true});
    CHECK(predictKeys(settings) == std::vector(std::begin(keys), std::end(keys)));
    for (const std::u16string seed : {u"4294967296", u"-1", u"", u"1e3", u"12345678901"}) {
        CHECK(readPredictKey(settings, u"seed", seed));
        CHECK(settings.seed == 4294967295);
    }
    CHECK_FALSE(readPredictKey(settings, u"step", u"3"));
    CHECK(readPredictKey(settings, u"mode", u"watch"));
    CHECK(predictKeys(PredictSettings{}).empty());
}
