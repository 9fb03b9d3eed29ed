#pragma once

// One run of «Проверь себя» as both editions draw it: the round's questions over the lesson's
// steps, the phase the run is in, the step the lesson may show, and every caption and text of the
// question, the verdict and the end. Views draw what this gives and pass the student's answers and
// moves back; they hold no rule and no Russian text of their own.
//
// The run goes question by question, in the order their answers are shown, so the lesson only
// ever moves forward:
//   asking q     the lesson shows step askAt(q) (the question's askedAt, or later when an earlier
//                question's answer was shown past it); the student may step back to review, but
//                not past askAt(q) until q is answered;
//   answered q   the verdict is shown, and the lesson shows shownAfter(q): the question's step with
//                its sentence explaining why (or askAt(q) again when the next question is answered
//                by the same step, the loan's interest and owed of one year);
//   finished     the end: the score, the mistakes with links to their steps, the check code.
// A step is a SortLesson step index for a sort; for the loan, how many rows of the table are
// revealed, so that step N shows years 1 to N, and the last step every row.

#include "checkcode.h"
#include "lessonlink.h"
#include "loanlesson.h"
#include "quiz.h"
#include "sortstepview.h"
#include "stepplayer.h"
#include "task.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lesson {

// The mode's captions, one wording for both editions.
struct QuizTexts {
    std::u16string_view mode;        // «Проверь себя», the mode's switch
    std::u16string_view watchMode;   // the watching mode's name on the same switch
    std::u16string_view newTask;     // «Новые числа»: a new seed
    std::u16string_view yes, no;     // the yes/no buttons' captions
    std::u16string_view answerLabel; // the answer box's label
    std::u16string_view submit;      // «Ответить»
    std::u16string_view next;        // «Дальше», after a verdict
    std::u16string_view toEnd;       // the same button after the last question
    // What the keys do, by the question's form: Y/N or 1/2; a slot's number and Enter; digits and
    // Enter; an amount's digits, its decimal mark and Enter.
    std::u16string_view keysYesNo, keysSlot, keysNumber, keysAmount;
    // Why forward is not offered while a question waits for its answer.
    std::u16string_view answerFirst;
    std::u16string_view questionsHeading; // the question's region, read out
    // The end.
    std::u16string_view endHeading;      // «Итоги»
    std::u16string_view scoreLabel;      // before «8 из 10»
    std::u16string_view mistakesHeading; // «Ошибки»
    std::u16string_view noMistakes;      // «Ошибок нет.»
    // The mistakes' columns: the step, the question, the answer given, the right answer.
    std::u16string_view mistakeStep, mistakeQuestion, mistakeAnswer, mistakeKey;
    std::u16string_view showStep;      // the mistake's link, «Показать шаг»
    std::u16string_view nameLabel;     // «Ваше имя (необязательно)»
    std::u16string_view checkCode;     // «Код для учителя»
    std::u16string_view checkCodeHint; // what to do with the code
    std::u16string_view noCheckCode;   // when the task's numbers are too long for a code
    std::u16string_view copy;          // copying the code
    std::u16string_view again;         // the same task once more
    std::u16string_view noQuestions;   // before the window's message, when nothing can be asked
    // The teacher's page (check.html) and the desktop's table.
    std::u16string_view checkTitle;     // the page's title and heading
    std::u16string_view checkIntro;     // one sentence on what the page does
    std::u16string_view codesLabel;     // «Коды, по одному в строке»
    std::u16string_view verify;         // the button
    std::u16string_view resultsCaption; // the table's caption
    std::u16string_view noCodes;        // the table's place before any code is pasted
};
const QuizTexts &quizTexts();

// "yes" for Y, Д and 1, "no" for N, Н and 2, either case; nothing for any other key. A view passes
// the character of a key pressed on a yes/no question through this to QuizSession::answer.
std::optional<std::string_view> yesNoForKey(char16_t key);

// A button of a question's answer: `answer` is what answer() takes and the web's data-answer
// ("yes", "no", "1" to "10"), `caption` what the button says.
struct QuizChoice {
    std::string answer;
    std::u16string caption;

    bool operator==(const QuizChoice &) const = default;
};

struct QuestionView {
    std::size_t index = 0;          // into QuizSession::round().questions()
    std::u16string heading;         // «Вопрос 3 из 10»
    std::string_view kind;          // data-kind
    std::vector<QuestionData> data; // data-k, data-slot, data-min-slot, data-pass, data-year
    std::u16string text;            // the question, read out when it appears
    AnswerForm form = AnswerForm::YesNo;
    std::vector<QuizChoice> choices; // yes/no and slots; empty for numbers and amounts
    bool box = false; // an answer box (input#answer, button#submit): slots, numbers and amounts
    std::u16string_view keys; // the keys' hint for this form
    // After an answer: "right" or "wrong" (data-result), the verdict read out and the answer as
    // given («да», «3», «1234.56»). While asking, `verdict` may hold what to type after an
    // unreadable answer, with `result` empty.
    std::string_view result;
    std::u16string verdict;
    std::u16string given;
    std::u16string_view nextCaption; // «Дальше», or for the last question the end's
};

struct QuizMistakeView {
    int step = 0;
    std::u16string stepText; // «Шаг 17»; for the loan «Год 3»
    std::u16string question, answer, key;
    // The watching mode at that step (formatLink); for the loan, the loan's table.
    std::u16string link;
};

struct QuizEndView {
    int right = 0, asked = 0;              // #score[data-right][data-asked]
    std::u16string score;                  // «8 из 10»
    std::vector<QuizMistakeView> mistakes; // empty: QuizTexts::noMistakes
};

// The steps a view's stepper may show now: first to last, both included.
struct StepRange {
    int first = 0, last = 0;

    bool operator==(const StepRange &) const = default;
};

class QuizSession {
public:
    enum class Phase { Asking, Answered, Finished };

    // A sort of `input`, or with settings.seed of taskInput(seed), whatever `input` says.
    QuizSession(Method, std::u16string_view input, const PredictSettings &);
    // The loan of the three boxes, or with settings.seed of loanTaskInput(seed).
    QuizSession(const LoanInput &, const PredictSettings &);

    // The sort or the loan to draw; exactly one is not null.
    const SortLesson *sort() const;
    const LoanLesson *loan() const;
    // What the boxes hold for this run: the numbers (the seed's when drawn), or the loan's three.
    const std::u16string &input() const { return m_input; }
    const LoanInput &loanInput() const { return m_loanInput; }
    const PredictSettings &settings() const { return m_settings; }
    // A run with nothing to ask starts finished; then why: the window's message when its click
    // failed or it refused the loan. Else empty.
    std::u16string message() const;

    const Round &round() const { return m_round; }
    Phase phase() const { return m_phase; }
    std::size_t current() const { return m_current; } // the question asked or answered
    int askAt(std::size_t question) const;
    int shownAfter(std::size_t question) const;

    // The lesson's step: 0 to stepCount() (a SortLesson step, or the loan's rows revealed).
    int step() const { return m_step; }
    int stepCount() const { return m_stepCount; }
    // Asking: 0 to askAt; answered: 0 to shownAfter; finished: every step.
    StepRange range() const;
    // Each returns whether the step changed; moves are clamped into range(). Play/pause makes no
    // move: the mode is stepped by hand.
    bool setStep(int step);
    bool apply(Move);
    bool press(Key key) { return apply(moveFor(key)); }

    // Grades the answer to the question asked; an unreadable one is not an attempt and keeps the
    // question asked. Right or wrong, the lesson then shows shownAfter(current()). Only while
    // asking (std::logic_error otherwise).
    Verdict answer(std::u16string_view text);
    // Answered: on to the next question at its askAt, or to the end at the last step. Returns
    // whether the phase moved; nothing while asking or finished.
    bool next();
    // The same questions once more, unanswered, from the first (QuizTexts::again).
    void restart();

    QuestionView question() const; // the current question; std::logic_error when finished
    QuizEndView end() const;       // the score so far; the mistakes of the questions answered

    // The check code for the name typed (checkRecord + encodeCheckCode); empty when the task's
    // numbers are too long for a code (QuizTexts::noCheckCode).
    std::u16string checkCode(std::u16string_view name) const;
    ScormReport scorm(std::string_view masteryScore) const
    {
        return scormReport(m_round, masteryScore);
    }
    Task task() const;

    // This run as a link: the program, its boxes, mode=predict and the seed and ask=all when set.
    LessonLink link() const;

private:
    void start();
    void enter(std::size_t question);

    std::optional<SortLesson> m_sort;
    std::optional<LoanLesson> m_loan;
    std::u16string m_input;
    LoanInput m_loanInput;
    PredictSettings m_settings;
    Round m_round{{}};
    std::vector<int> m_askAt, m_shownAfter;
    Phase m_phase = Phase::Finished;
    std::size_t m_current = 0;
    int m_step = 0, m_stepCount = 0;
    Verdict m_verdict{Verdict::Result::Unreadable, {}};
    std::u16string m_given; // the answer as QuestionView::given shows it
};

// The mode's keys of a link (its `other` keys, read with readPredictKey).
PredictSettings predictSettings(const LessonLink &);
// The link with the mode's keys replaced by `settings`' (predictKeys), other keys kept in order.
LessonLink withPredictSettings(LessonLink, const PredictSettings &);
// The run a link asks for: nothing when it is not in the mode or its choice has no such mode
// (the comparison).
std::optional<QuizSession> quizSessionFor(const LessonLink &);
// «Новые числа»: the link in the mode with a seed drawn from `entropy`, its boxes holding that
// seed's task, and step 0; its ask=all kept.
LessonLink newTaskLink(const LessonLink &, std::uint64_t entropy);

} // namespace lesson
