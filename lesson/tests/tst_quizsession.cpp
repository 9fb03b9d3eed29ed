// A run of «Проверь себя» as both editions draw it: its phases and moves, its end and its link.
#include "quizsession.h"
#include "testsupport.h"

using namespace lesson;

namespace {

// A wrong answer, written as the end shows it.
std::u16string wrongAnswer(const Question &question)
{
    switch (question.form) {
    case AnswerForm::YesNo:
        return question.key == u"yes" ? u"нет" : u"да";
    case AnswerForm::Slot:
    case AnswerForm::Whole:
        return question.key == u"1" ? u"2" : u"1";
    case AnswerForm::Amount:
        break;
    }
    return question.key == u"1.00" ? u"2.00" : u"1.00";
}

std::u16string decimalText(int number)
{
    const std::string text = std::to_string(number);
    return {text.begin(), text.end()};
}

QuizSession sessionOf(std::u16string_view link)
{
    auto session = quizSessionFor(parseLink(link));
    REQUIRE(session.has_value());
    return std::move(*session);
}

// Answers every question, the one at `wrong` (if any) wrongly, checking on the way that no
// answer is shown before its question is asked.
void answerAll(QuizSession &session, std::size_t wrong)
{
    const std::vector<Question> &questions = session.round().questions();
    int lastAsked = 0;
    while (session.phase() == QuizSession::Phase::Asking) {
        const std::size_t i = session.current();
        const Question &question = questions[i];
        CHECK(session.step() == session.askAt(i));
        CHECK(session.askAt(i) >= lastAsked);
        CHECK(session.range().last < question.step);
        lastAsked = session.askAt(i);
        session.answer(i == wrong ? wrongAnswer(question) : question.key);
        CHECK(session.step() == session.shownAfter(i));
        session.next();
    }
}

} // namespace

TEST_CASE("a round through the session: all right, then one wrong")
{
    for (const std::u16string program : {u"pickmin", u"pairswap", u"tally", u"Bank"}) {
        INFO(utf8(program));
        QuizSession session = sessionOf(u"#program=" + program + u"&mode=predict&seed=7");
        const std::vector<Question> &questions = session.round().questions();
        const auto size = static_cast<int>(questions.size());
        REQUIRE(size >= 3);
        CHECK(session.question().heading == u"Вопрос 1 из " + decimalText(size));

        answerAll(session, questions.size());
        REQUIRE(session.phase() == QuizSession::Phase::Finished);
        CHECK(session.step() == session.stepCount());
        QuizEndView end = session.end();
        CHECK(end.right == size);
        CHECK(end.asked == size);
        CHECK(end.mistakes.empty());
        CHECK(session.scorm("").lessonStatus == "passed");
        const auto record = decodeCheckCode(session.checkCode(u"Иван  Петров"));
        REQUIRE(record.has_value());
        CHECK(record->name == u"Иван Петров");
        CHECK(record->task == session.task());
        CHECK(record->right == size);

        session.restart();
        CHECK(session.round().asked() == 0);
        answerAll(session, 2);
        end = session.end();
        CHECK(end.right == size - 1);
        CHECK(end.score == decimalText(size - 1) + u" из " + decimalText(size));
        REQUIRE(end.mistakes.size() == 1);
        const QuizMistakeView &mistake = end.mistakes[0];
        CHECK(mistake.step == questions[2].step);
        CHECK(mistake.question == questions[2].text);
        CHECK(mistake.answer == wrongAnswer(questions[2]));
        CHECK(mistake.key == keyText(questions[2]));
        LessonLink watching = session.link();
        watching.other.clear();
        watching.step = program == u"Bank" ? 0 : mistake.step;
        CHECK(mistake.link == formatLink(watching));
        CHECK(session.scorm("95").lessonStatus == "failed");
    }
}

TEST_CASE("the run's phases and moves")
{
    enum class At { Start, Asked, BeforeAsked, Shown, Last };
    struct Row {
        const char *name;
        // > < H E and Space as keys; k the key's answer, w a wrong one, ? an unreadable one; n
        // next; a every question answered right to the end.
        std::string moves;
        QuizSession::Phase phase;
        std::size_t current;
        At at;
        std::string_view result;
    };
    using P = QuizSession::Phase;
    QuizSession session = sessionOf(u"#program=pairswap&mode=predict&seed=1");
    const std::size_t last = session.round().questions().size() - 1;
    REQUIRE(session.askAt(0) > 0);
    const Row rows[] = {
        {"forward past an unanswered question is not allowed", ">>E", P::Asking, 0, At::Asked, ""},
        {"back to review is", "<", P::Asking, 0, At::BeforeAsked, ""},
        {"Home to the start, End back to the question", "HE", P::Asking, 0, At::Asked, ""},
        {"Space makes no move", "< ", P::Asking, 0, At::BeforeAsked, ""},
        {"an unreadable answer keeps asking", "?", P::Asking, 0, At::Asked, ""},
        {"next before an answer does nothing", "n", P::Asking, 0, At::Asked, ""},
        {"an answer given from a step back shows its step", "<k", P::Answered, 0, At::Shown,
         "right"},
        {"a wrong answer shows its step too", "w", P::Answered, 0, At::Shown, "wrong"},
        {"after an answer, forward no further than its step", "kHE>", P::Answered, 0, At::Shown,
         "right"},
        {"next goes to the next question's step", "kn", P::Asking, 1, At::Asked, ""},
        {"the end shows the last step", "a", P::Finished, last, At::Last, ""},
        {"at the end every step may be shown", "aHE", P::Finished, last, At::Last, ""},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        session.restart();
        for (const char move : row.moves) {
            const Question &question = session.round().questions()[session.current()];
            switch (move) {
            case '>':
                session.press(Key::Right);
                break;
            case '<':
                session.press(Key::Left);
                break;
            case 'H':
                session.press(Key::Home);
                break;
            case 'E':
                session.press(Key::End);
                break;
            case ' ':
                session.press(Key::Space);
                break;
            case 'k':
                session.answer(question.key);
                break;
            case 'w':
                session.answer(wrongAnswer(question));
                break;
            case '?':
                session.answer(u"?");
                break;
            case 'n':
                session.next();
                break;
            default:
                answerAll(session, last + 1);
            }
        }
        CHECK(session.phase() == row.phase);
        CHECK(session.current() == row.current);
        const std::size_t i = session.current();
        const int at[] = {0, session.askAt(i), session.askAt(i) - 1, session.shownAfter(i),
                          session.stepCount()};
        CHECK(session.step() == at[static_cast<int>(row.at)]);
        if (row.phase != P::Finished) {
            const QuestionView view = session.question();
            CHECK(view.result == row.result);
            CHECK(view.verdict.empty() == (row.moves.back() != '?' && row.result.empty()));
        }
    }
    CHECK_THROWS_AS(session.answer(u"1"), std::logic_error);
    CHECK_THROWS_AS(session.question(), std::logic_error);
    CHECK(session.range() == StepRange{0, session.stepCount()});
}

TEST_CASE("a question's view")
{
    QuizSession session = sessionOf(u"#program=pickmin&mode=predict&ask=all&input=3%201%202");
    const QuestionView first = session.question();
    CHECK(first.kind == "min-changes");
    CHECK(first.data == std::vector<QuestionData>{{"k", 0}, {"slot", 2}, {"min-slot", 1}});
    CHECK(first.choices == std::vector<QuizChoice>{{"yes", u"Да"}, {"no", u"Нет"}});
    CHECK_FALSE(first.box);
    CHECK(first.nextCaption == quizTexts().next);
    for (const auto &[key, answer] : {std::pair{u'Y', "yes"},
                                      {u'д', "yes"},
                                      {u'1', "yes"},
                                      {u'n', "no"},
                                      {u'Н', "no"},
                                      {u'2', "no"}})
        CHECK(yesNoForKey(key) == answer);
    CHECK_FALSE(yesNoForKey(u'3'));

    while (session.round().questions()[session.current()].form != AnswerForm::Slot) {
        session.answer(session.round().questions()[session.current()].key);
        session.next();
    }
    const QuestionView slot = session.question();
    CHECK(slot.kind == "which-min");
    CHECK(slot.box);
    REQUIRE(slot.choices.size() == 10);
    CHECK(slot.choices[9] == QuizChoice{"10", u"10"});
    session.answer(u" 0 ");
    CHECK(session.question().verdict == grade(session.round().questions()[slot.index], u"0").text);
}

TEST_CASE("the loan's rows are revealed year by year")
{
    // Years 1 to 4 full, year 5 the partial one: the interest is asked before its row, what is
    // owed then shows it; the count of years last, before the partial year's row.
    QuizSession session =
        sessionOf(u"#program=Bank&amount=1000&rate=10&payment=300&mode=predict&ask=all");
    REQUIRE(session.loan() != nullptr);
    CHECK(session.stepCount() == 5);
    std::string run;
    for (std::size_t i = 0; i < session.round().questions().size(); ++i) {
        const Question &question = session.round().questions()[i];
        run += std::string(kindId(question.kind)) + ' ' + std::to_string(session.askAt(i)) + '-' +
               std::to_string(session.shownAfter(i)) + "; ";
    }
    CHECK(run == "interest 0-0; owed 0-1; interest 1-1; owed 1-2; interest 2-2; owed 2-3; "
                 "interest 3-3; owed 3-4; years 4-5; ");

    // The longest loan asks a round, not its 65535 decision points.
    const QuizSession longest =
        sessionOf(u"#program=Bank&amount=32767.5&rate=0&payment=1&mode=predict");
    CHECK(longest.stepCount() == 32768);
    CHECK(longest.round().questions().size() <= 10);
}

TEST_CASE("the mode's link")
{
    const LessonLink link =
        parseLink(u"#program=tally&input=1%202&step=3&x=1&mode=predict&seed=12&ask=all");
    const PredictSettings settings{true, 12, true};
    CHECK(predictSettings(link) == settings);
    CHECK(formatLink(withPredictSettings(link, {})) == u"#program=tally&input=1%202&step=3&x=1");

    const QuizSession session = sessionOf(formatLink(link));
    CHECK(session.input() == taskInput(12));
    const LessonLink written = session.link();
    CHECK(written.program == u"tally");
    CHECK(written.input == taskInput(12));
    CHECK(predictSettings(written) == settings);
    CHECK(parseLink(formatLink(written)) == written);

    const LessonLink drawn = newTaskLink(link, 99);
    CHECK(predictSettings(drawn) == PredictSettings{true, drawSeed(99), true});
    CHECK(drawn.input == taskInput(drawSeed(99)));
    CHECK(drawn.step == 0);
    CHECK(drawn.other.front() == std::pair<std::u16string, std::u16string>{u"x", u"1"});
    CHECK(quizSessionFor(drawn)->input() == drawn.input);
    const LessonLink loan = newTaskLink(parseLink(u"#program=Bank"), 99);
    CHECK(loan.amount == loanTaskInput(drawSeed(99)).amount);
    CHECK(quizSessionFor(loan)->loanInput().payment == loan.payment);

    CHECK_FALSE(quizSessionFor(parseLink(u"#program=compare&mode=predict")));
    CHECK_FALSE(quizSessionFor(parseLink(u"#program=pickmin&seed=3")));
}
