// The view model's rules, once for both editions: what a step, the comparison and the loan show,
// the player's moves and the link.
#include "bankform.h"
#include "lesson.h"
#include "programs.h"
#include "testsupport.h"

#include <algorithm>

using namespace lesson;

namespace {

char stateLetter(const SlotView &slot)
{
    switch (slot.state) {
    case SlotState::Current:
        return 'c';
    case SlotState::Used:
        return 'u';
    case SlotState::Unwritten:
        return '-';
    case SlotState::Written:
        break;
    }
    return 'w';
}

template<class Slots>
std::string states(const Slots &slots)
{
    std::string letters;
    for (const SlotView &slot : slots)
        letters += stateLetter(slot);
    return letters;
}

std::u16string variables(const SortStepView &view)
{
    std::u16string text;
    for (const NamedValue &variable : view.variables)
        text +=
            std::u16string(variable.id.begin(), variable.id.end()) + u"=" + variable.value + u";";
    return text;
}

} // namespace

TEST_CASE("a step shows what it does, where it stands and each slot's state")
{
    struct Row {
        const char *name;
        Method method;
        std::u16string input;
        int step;                         // from the end when negative: -1 is the last
        std::u16string heading, sentence; // the sentence holds this
        std::u16string variables;
        std::string elements, results; // c current, u used, - unwritten, w written
        int spokenSlot;                // ElementArray slot when positive, ResultArray when negative
        std::u16string spoken;
    };
    const std::u16string numbers = u"5 3 8 1 9 2 7 4 10 6";
    const std::u16string negatives = u"3 -1 2 -7 0 5 5 1 9 -2";
    const std::u16string repeats = u"4 2 4 1 3 5 6 7 8 9";
    const Row rows[] = {
        {"step 0 is the numbers as read", Method::PairSwap, negatives, 0, u"Шаг 0 из 109",
         u"Числа, как их прочитала программа: 3 -1 2 -7 0 5 5 1 9 -2. Шагов сортировки: 109.",
         u"pass=—;pair=—;", "wwwwwwwwww", "", 4, u"ячейка 4: -7"},
        {"the last step is what the window shows", Method::PairSwap, negatives, -1,
         u"Шаг 109 из 109",
         u"Сортировка окончена: окно программы показывает -7 -2 -1 0 1 2 3 5 5 9.",
         u"pass=9;pair=—;", "wwwwwwwwww", "", 1, u"ячейка 1: -7"},
        {"pairswap compares a pair", Method::PairSwap, negatives, 5, u"Шаг 5 из 109",
         u"Сравниваем соседей 3 (ячейка 3) и -7 (ячейка 4): левое больше", u"pass=1;pair=3 и 4;",
         "wwccwwwwww", "", 3, u"ячейка 3: 3, сейчас сравнивается"},
        {"pickmin compares slot 1 with itself", Method::PickMin, numbers, 10, u"Шаг 10 из 129",
         u"начинается с ячейки 1 как с наименьшего найденного, поэтому сначала она сравнивается "
         u"сама с собой",
         u"largest=10;k=1;smallest=5 (ячейка 1);", "cwwwwwwwww", "----------", -1,
         u"ячейка 1: пусто"},
        {"pickmin's used slots are marked as such", Method::PickMin, numbers, 40, u"Шаг 40 из 129",
         u"Сравниваем 7 (ячейка 7) с наименьшим найденным 3 (ячейка 2)",
         u"largest=10;k=3;smallest=3 (ячейка 2);", "wcwuwucwww", "ww--------", 4,
         u"ячейка 4: использована (метка 10)"},
        {"pickmin transfers a mark last", Method::PickMin, numbers, -2, u"Шаг 128 из 129",
         u"В ячейке 1 не исходное число, а метка использованной ячейки",
         u"largest=10;k=10;smallest=10 (ячейка 1);", "cuuuuuuuwu", "wwwwwwwwwc", -10,
         u"ячейка 10: 10, сейчас записывается"},
        {"tally writes a repeated number", Method::Tally, repeats, 36, u"Шаг 36 из 120",
         u"Записываем 4 на место 4 результата. Там уже стоит равное ему число",
         u"number=4 (ячейка 3);smaller=3;", "wwcwwwwwww", "-w-c------", -4,
         u"ячейка 4: 4, сейчас записывается"},
        {"tally's zero where nothing was written", Method::Tally, repeats, -1, u"Шаг 120 из 120",
         u"Место 5 результата осталось нулём: туда ничего не записано.",
         u"number=9 (ячейка 10);smaller=9;", "wwwwwwwwwc", "wwww-wwwwc", -5,
         u"ячейка 5: 0, сюда ничего не записано"},
        {"a single holds fewer digits", Method::PickMin, u"16777217 1", -2, u"Шаг 128 из 129",
         u"С одинарной точностью оно записано как 1.677722E+07.",
         u"largest=16777217;k=10;"
         u"smallest=16777217 (ячейка 1);",
         "cuuuuuuuuu", "wwwwwwwwwc", -10, u"ячейка 10: 1.677722E+07, сейчас записывается"},
        {"a click that fails before the sort", Method::PairSwap, u"1 2 1E+39", 0, u"Шаг 0 из 0",
         u"Сортировка не началась. Программа останавливается с сообщением «Ошибка выполнения: "
         u"переполнение.»",
         u"pass=—;pair=—;", "wwwwwwwwww", "", 2, u"ячейка 2: 2"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        const SortLesson lesson(traceSort(row.method, row.input));
        const SortStepView view =
            lesson.step(row.step < 0 ? lesson.stepCount() + 1 + row.step : row.step);
        CHECK(view.heading == row.heading);
        CAPTURE(view.sentence);
        CHECK(view.sentence.find(row.sentence) != std::u16string::npos);
        CHECK(variables(view) == row.variables);
        CHECK(states(view.elements) == row.elements);
        CHECK(states(view.results) == row.results);
        // Every unwritten slot reads as empty but at the last step.
        for (const SlotView &slot : view.results) {
            if (slot.state == SlotState::Unwritten && view.step != view.stepCount)
                CHECK((slot.value.empty() && slot.bar == 0));
        }
        const SlotView &spoken = row.spokenSlot > 0 ? view.elements.at(row.spokenSlot - 1)
                                                    : view.results.at(-row.spokenSlot - 1);
        CHECK(spoken.spoken == row.spoken);
    }
}

TEST_CASE("bars stand on a zero baseline, negatives below it")
{
    const SortLesson lesson(traceSort(Method::Tally, u"3 -1 2 -7 0 5 5 1 9 -2"));
    const SortStepView view = lesson.step(0);
    CHECK(view.elements[3].bar == doctest::Approx(-7.0 / 9));
    CHECK(view.elements[4].bar == 0);
    CHECK(view.elements[8].bar == 1);
    CHECK(view.results[0].bar == 0);
    // pairswap sorts in place, and says so; the others show a result array.
    CHECK(lesson.hasResults());
    CHECK(lesson.inPlaceNote().empty());
    const SortLesson inPlace(traceSort(Method::PairSwap, u"2 1 3 4 5 6 7 8 9 10"));
    CHECK(!inPlace.hasResults());
    CHECK(inPlace.inPlaceNote() == u"pairswap сортирует на месте: результат — тот же массив "
                                   u"ElementArray.");
    CHECK(countersText(inPlace.step(inPlace.stepCount()).counters) ==
          u"Сравнений: 18, перестановок: 1");
}

TEST_CASE("the player's moves")
{
    struct Row {
        const char *name;
        int count, start;
        std::string moves; // keys < > [ ] H E and Space, t for a tick, j for a jump to 99
        int step;
        bool playing;
    };
    const Row rows[] = {
        {"← at step 0 stays at 0", 5, 0, "<", 0, false},
        {"→ at the last step stays there", 5, 5, ">", 5, false},
        {"PageDown and PageUp step like → and ←", 5, 0, "]][", 1, false},
        {"End and Home", 5, 2, "E", 5, false},
        {"Home", 5, 2, "H", 0, false},
        {"a jump is clamped", 5, 0, "j", 5, false},
        {"Play at the last step starts again", 5, 5, " ", 0, true},
        {"ticks play to the end and stop there", 5, 3, " ttt", 5, false},
        {"Space pauses", 5, 0, " t ", 1, false},
        {"a step by hand pauses", 5, 0, " >", 1, false},
        {"no steps, nothing plays", 0, 0, " t", 0, false},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        StepPlayer player(row.count);
        player.jump(row.start);
        for (const char move : row.moves) {
            switch (move) {
            case '<':
                player.press(Key::Left);
                break;
            case '>':
                player.press(Key::Right);
                break;
            case '[':
                player.press(Key::PageUp);
                break;
            case ']':
                player.press(Key::PageDown);
                break;
            case 'H':
                player.press(Key::Home);
                break;
            case 'E':
                player.press(Key::End);
                break;
            case ' ':
                player.press(Key::Space);
                break;
            case 't':
                player.tick();
                break;
            default:
                player.jump(99);
            }
        }
        CHECK(player.step() == row.step);
        CHECK(player.playing() == row.playing);
    }
    StepPlayer player(3);
    player.setSpeed(99);
    CHECK(player.interval() == speeds().back().interval);
}

TEST_CASE("a link read and written again")
{
    struct Row {
        const char *name;
        std::u16string link;
        std::u16string written;
    };
    const Row rows[] = {
        {"a step of a sort", u"lesson.html#program=pickmin&input=5%203%208&step=17",
         u"#program=pickmin&input=5%203%208&step=17"},
        {"a loan", u"#program=Bank&amount=5000000&rate=7%2C5&payment=800000",
         u"#program=Bank&amount=5000000&rate=7%2C5&payment=800000"},
        {"the comparison, without its '#'", u"program=compare&input=1%202",
         u"#program=compare&input=1%202"},
        {"line breaks as the box reads them", u"#program=tally&input=1%0D%0A2%0A3%0A&step=2",
         u"#program=tally&input=1%202%203&step=2"},
        {"an unknown program is left to the default", u"#program=nope&input=7",
         u"#program=pickmin&input=7&step=0"},
        {"a step that is no number", u"#program=pairswap&input=1&step=-3",
         u"#program=pairswap&input=1&step=0"},
        {"a step beyond an int", u"#program=pairswap&input=1&step=99999999999",
         u"#program=pairswap&input=1&step=2147483647"},
        {"broken escapes are taken as written", u"#program=pickmin&input=5%E0%A4&step=0",
         u"#program=pickmin&input=5%25E0%25A4&step=0"},
        {"Cyrillic and a character beyond the BMP", u"#input=%D1%8F%F0%9F%98%80",
         u"#program=pickmin&input=%D1%8F%F0%9F%98%80&step=0"},
        {"later keys are kept", u"#program=tally&input=1&step=1&mode=predict&seed=7",
         u"#program=tally&input=1&step=1&mode=predict&seed=7"},
        {"an address with no state", u"https://example.invalid/lesson.html",
         u"#program=pickmin&input=5%203%208%201%209%202%207%204%2010%206&step=0"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        const LessonLink link = parseLink(row.link);
        CHECK(formatLink(link) == row.written);
        CHECK(parseLink(formatLink(link)) == link);
    }
    const LessonLink loan = parseLink(u"#program=Bank&amount=5000000&rate=7%2C5&payment=800000");
    CHECK(loan.rate == u"7,5");
    CHECK(loan.step == 0);
    CHECK(parseLink(u"#input=" + std::u16string(40000, u'7')).input.size() == 32767);
}

TEST_CASE("the comparison's sections")
{
    struct Row {
        const char *name;
        std::u16string input;
        std::u16string counters; // each section's, '|' between
        std::u16string note;     // the note holds this
    };
    const Row rows[] = {
        {"pairswap counts swaps, the others transfers", u"4 2 4 1 3 5 6 7 8 9",
         u"Сравнений: 109, переносов: 10|Сравнений: 36, перестановок: 6|Сравнений: 100, "
         u"переносов: 10",
         u"(4 встречается 2 раза)"},
        {"results that agree", u"5 3 8 1 9 2 7 4 10 6",
         u"Сравнений: 109, переносов: 10|Сравнений: 45, перестановок: 18|Сравнений: 100, "
         u"переносов: 10",
         u"Результаты трёх методов совпадают."},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        const Comparison comparison = compareMethods(row.input);
        std::u16string counters;
        for (const ComparisonSection &section : comparison.sections)
            counters += (counters.empty() ? u"" : u"|") + countersText(section.counters);
        CHECK(counters == row.counters);
        CHECK(comparison.note.find(row.note) != std::u16string::npos);
        CHECK(comparison.sections[0].spoken.starts_with(u"pickmin: 1 2 3 4 "));
    }
}

TEST_CASE("the loan's rows, totals and chart")
{
    struct Row {
        const char *name;
        std::u16string amount, rate, payment;
        int rows;
        std::u16string lastCells;       // the last row's cells, '|' between
        std::u16string label, sentence; // the last row's; the sentence holds this
        std::u16string paid, interest;
        std::u16string years, amounts; // the axes' tick labels, ' ' between
    };
    const Row rows[] = {
        {"a partial last year", u"5000000", u"12", u"800000", 13, u"13, неполный год|173373.35|||",
         u"неполный год", u"В модели программы на этот остаток проценты не начисляются",
         u"9773373.35", u"4773373.35", u"0 5 10 15",
         u"0 1\u00A0000\u00A0000 2\u00A0000\u00A0000 3\u00A0000\u00A0000 4\u00A0000\u00A0000 "
         u"5\u00A0000\u00A0000"},
        {"a two-year loan", u"800", u"0", u"400", 2, u"2, неполный год|400.00|||", u"неполный год",
         u"это 1.00 годовой выплаты", u"800.00", u"0.00", u"0 1 2", u"0 200 400 600 800"},
        {"no full year", u"800000", u"12", u"800000", 1, u"1, неполный год|800000.00|||",
         u"неполный год", u"Год 1 — неполный", u"800000.00", u"0.00", u"0 1",
         u"0 200\u00A0000 400\u00A0000 600\u00A0000 800\u00A0000"},
        {"a payment that does not cover the interest", u"5000000", u"12", u"600000", 1,
         u"1, остановка|5000000.00|600000.00|600000.00|5000000.00", u"остановка",
         u"Проценты не меньше выплаты", u"", u"", u"0 1",
         u"0 1\u00A0000\u00A0000 2\u00A0000\u00A0000 3\u00A0000\u00A0000 4\u00A0000\u00A0000 "
         u"5\u00A0000\u00A0000"},
        {"beyond the longest term", u"32768.5", u"0", u"1", 32768,
         u"32768, остановка|1.50|0.00|1.00|0.50", u"остановка",
         u"Программа считает не больше 32767 полных лет", u"", u"",
         u"0 10\u00A0000 20\u00A0000 30\u00A0000 40\u00A0000",
         u"0 10\u00A0000 20\u00A0000 30\u00A0000 40\u00A0000"},
        {"a refused loan", u"500000", u"12", u"800000", 0, u"", u"", u"", u"", u"", u"0 1",
         u"0 0.2 0.4 0.6 0.8 1"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        const LoanLesson loan(row.amount, row.rate, row.payment);
        REQUIRE(loan.rowCount() == row.rows);
        CHECK(loan.hasTable() == (row.rows > 0));
        if (row.rows > 0) {
            const LoanRow last = loan.row(row.rows - 1);
            std::u16string cells;
            for (const std::u16string &cell : last.cells)
                cells += (cells.empty() ? u"" : u"|") + cell;
            CHECK(cells == row.lastCells);
            CHECK(last.year == row.rows);
            CHECK(last.label == row.label);
            CAPTURE(last.sentence);
            CHECK(last.sentence.find(row.sentence) != std::u16string::npos);
        }
        CHECK(loan.totals().paid == row.paid);
        CHECK(loan.totals().interest == row.interest);
        const LoanChart chart = loan.chart();
        std::u16string years, amounts;
        for (const auto &tick : chart.years.ticks)
            years += (years.empty() ? u"" : u" ") + tick.label;
        for (const auto &tick : chart.amounts.ticks)
            amounts += (amounts.empty() ? u"" : u" ") + tick.label;
        CHECK(years == row.years);
        CHECK(amounts == row.amounts);
    }
    CHECK(LoanLesson().row(0).sentence ==
          u"Год 1: долг на начало года 5000000.00 руб., проценты 12% — 600000.00 руб., выплата "
          u"800000.00 руб., на конец года остаётся 4800000.00 руб.");
    CHECK(LoanLesson(u"32768.5", u"0", u"1").chart(100).points.size() <= 100);
}

TEST_CASE("a new loan's CSV is its own")
{
    LoanLesson loan;
    const std::string first = loan.csv();
    loan = LoanLesson(u"800", u"0", u"400");
    CHECK(loan.csv() != first);
    CHECK(loan.csv() == loanCsv(traceLoan(u"800", u"0", u"400")));
}

TEST_CASE("the choices follow the build's programs")
{
    // The sorting programs, the comparison after them, then the others, in the build's order.
    std::vector<std::u16string> expected;
    for (const ProgramForm &program : Programs) {
        const std::u16string name(program.name.begin(), program.name.end());
        if (!methodFromProgram(name) &&
            std::find(expected.begin(), expected.end(), u"compare") == expected.end())
            expected.push_back(u"compare");
        expected.push_back(name);
    }
    std::vector<std::u16string> programs;
    for (const LessonChoice &choice : choices())
        programs.push_back(choice.program);
    CHECK(programs == expected);
    CHECK(findChoice(u"tally")->label == u"tally: Сортировка массива подсчетом");
    CHECK(loanFields().at(1).caption == BankForm().Text2.layout().accessibleName);
}
