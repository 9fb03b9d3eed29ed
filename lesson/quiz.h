#pragma once

// «Проверь себя»: questions on what the program will do next, taken from its trace, the round a
// student answers, its grading, and what a course platform records of it (SCORM 1.2).
//
// Steps are numbered as the lesson numbers them: step 0 is the arrays before the sort, step N is
// SortTrace::steps[N - 1]. For the loan, step N is year N of the table, and the step after the
// last full year is the partial year's row.

#include "loantrace.h"
#include "sorttrace.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lesson {

enum class QuestionKind {
    MinChanges, // pickmin: will the number compared become the new smallest (k = 0: largest)?
    WhichMin,   // pickmin: which slot is transferred to place k?
    Swap,       // pairswap: will the pair of slots i and i + 1 be swapped in pass p?
    PassSwaps,  // pairswap: how many swaps will pass p make?
    Smaller,    // tally: how many numbers are smaller than the number in slot j?
    Place,      // tally: which place of the result is the number in slot j written to?
    Interest,   // Bank: the interest of year y
    Owed,       // Bank: what is owed at the end of year y
    Years,      // Bank: how many full years
};
// "min-changes", "which-min", "swap", "pass-swaps", "smaller", "place", "interest", "owed",
// "years": the question's data-kind.
std::string_view kindId(QuestionKind);
std::optional<QuestionKind> kindFromId(std::string_view);
// A few Russian words for the kind, for the teacher's table: «обмен», «место», ...
std::u16string_view kindTitle(QuestionKind);

enum class AnswerForm {
    YesNo,  // "yes" or "no"
    Slot,   // 1 to 10
    Whole,  // a whole number
    Amount, // an amount as the loan's table shows it, two decimals
};

// One of a question's data, named as its data-* attribute: "k", "slot", "min-slot", "pass",
// "year".
struct QuestionData {
    std::string_view name;
    long value;

    bool operator==(const QuestionData &) const = default;
};

struct Question {
    QuestionKind kind;
    std::vector<QuestionData> data;
    std::u16string text;
    AnswerForm form;
    // Asked while the lesson shows step `askedAt`, before it goes on; step `step` shows the
    // answer, with its sentence explaining why. askedAt < step.
    int askedAt = 0;
    int step = 0;
    // The right answer: "yes"/"no", a slot, a number, or an amount as formatAmount writes it.
    std::u16string key;

    bool operator==(const Question &) const = default;
};

// Every decision point of the run (what `ask=all` asks), in the order the lesson reaches them:
// by askedAt, then by step. A click that failed, and a loan the window refuses, have none.
std::vector<Question> sortQuestions(const SortTrace &);
std::vector<Question> loanQuestions(const LoanTrace &);

// About ten of `all`, of mixed kinds and spread over the run, the same for the same questions and
// seed; a pickmin number compared with itself is never chosen.
std::vector<Question> chooseRound(const std::vector<Question> &all, std::uint32_t seed);
// chooseRound(loanQuestions(trace), seed), without writing the questions not chosen.
std::vector<Question> loanRound(const LoanTrace &, std::uint32_t seed);

struct Verdict {
    enum class Result { Right, Wrong, Unreadable };
    Result result;
    // «Верно.», «Неверно: правильный ответ — 3.», or for an answer that is not of the question's
    // form, what to type: «Введите номер ячейки от 1 до 10.» (not an attempt).
    std::u16string text;
};
// Grades `answer` against the key. Yes/no: "yes", "no", «да», «нет» (any case) or 1 for yes and
// 2 for no; slots and numbers: digits with an optional minus; amounts as the table shows them, a
// comma or a point as the decimal mark, fewer decimals meaning zeros. Blanks are ignored.
Verdict grade(const Question &, std::u16string_view answer);

// The key as the verdict names it: «да», «нет», or the number.
std::u16string keyText(const Question &);

struct Mistake {
    std::size_t question; // into Round::questions()
    QuestionKind kind;
    int step; // to link to
    std::u16string answer, key;
};

// The questions of one run and the first graded answer to each. Later answers are graded but do
// not change the score.
class Round {
public:
    explicit Round(std::vector<Question> questions);

    const std::vector<Question> &questions() const { return m_questions; }
    Verdict answer(std::size_t question, std::u16string_view text);
    bool isAnswered(std::size_t question) const { return m_first[question].has_value(); }

    int asked() const; // questions with a first answer
    int right() const; // of those, right at the first try
    int score() const; // 0 to 100, of those asked, rounded half up
    std::vector<Mistake> mistakes() const;

private:
    struct FirstAnswer {
        std::u16string answer; // normalised: "yes", "3", "1234.56"
        bool right;
    };
    std::vector<Question> m_questions;
    std::vector<std::optional<FirstAnswer>> m_first;
};

// What the web sends a SCORM 1.2 platform: cmi.interactions.N.* for each question answered, the
// raw score 0 to 100 and cmi.core.lesson_status.
struct ScormInteraction {
    std::string id;              // "q3-swap-step17"
    std::string type;            // "true-false", "choice", "numeric"
    std::string studentResponse; // "t"/"f"; a slot as a letter, a (slot 1) to j (slot 10); number
    std::string correctResponse; // the key in the same form, for correct_responses.0.pattern
    std::string result;          // "correct" or "wrong"
};
struct ScormReport {
    int raw = 0, min = 0, max = 100;
    std::string lessonStatus; // "passed" or "failed"
    std::vector<ScormInteraction> interactions;
};
// `masteryScore` is cmi.student_data.mastery_score as the platform gives it; empty or not a
// number means 80.
ScormReport scormReport(const Round &, std::string_view masteryScore);
// cmi.core.session_time: HHHH:MM:SS.SS.
std::string scormSessionTime(std::int64_t milliseconds);

} // namespace lesson
