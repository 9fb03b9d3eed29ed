// «Проверь себя» on the lesson page: the core's run of the mode (QuizSession) and the teacher's
// table of check codes, as JSON. The lesson's own calls draw the steps; the run decides which
// step may be shown, asks and grades.
#include "lesson.h"
#include "pagejson.h"
#include "pagemodule.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

std::optional<lesson::QuizSession> session;
std::u16string out;

const PageView *give(Json &json)
{
    out = json.take();
    return pageText(out);
}

std::u16string_view phaseName(lesson::QuizSession::Phase phase)
{
    switch (phase) {
    case lesson::QuizSession::Phase::Asking:
        return u"asking";
    case lesson::QuizSession::Phase::Answered:
        return u"answered";
    case lesson::QuizSession::Phase::Finished:
        break;
    }
    return u"finished";
}

std::u16string_view formName(lesson::AnswerForm form)
{
    switch (form) {
    case lesson::AnswerForm::YesNo:
        return u"yesno";
    case lesson::AnswerForm::Slot:
        return u"slot";
    case lesson::AnswerForm::Whole:
        return u"whole";
    case lesson::AnswerForm::Amount:
        break;
    }
    return u"amount";
}

void writeQuestion(Json &json, const lesson::QuestionView &question)
{
    json.raw(u"{").key(u"heading").string(question.heading).key(u"kind").string(question.kind);
    json.key(u"data").list(question.data, [](Json &json, const lesson::QuestionData &data) {
        json.raw(u"[").string(data.name).raw(u",").number(data.value).raw(u"]");
    });
    json.key(u"text").string(question.text).key(u"form").string(formName(question.form));
    json.key(u"choices").list(question.choices, [](Json &json, const lesson::QuizChoice &choice) {
        json.raw(u"{").key(u"answer").string(choice.answer);
        json.key(u"caption").string(choice.caption).raw(u"}");
    });
    json.key(u"box").boolean(question.box).key(u"keys").string(question.keys);
    json.key(u"result").string(question.result).key(u"verdict").string(question.verdict);
    json.key(u"given").string(question.given).key(u"next").string(question.nextCaption);
    json.raw(u"}");
}

void writeEnd(Json &json, const lesson::QuizEndView &end)
{
    json.raw(u"{").key(u"right").number(end.right).key(u"asked").number(end.asked);
    json.key(u"score").string(end.score);
    json.key(u"mistakes").list(end.mistakes, [](Json &json, const lesson::QuizMistakeView &view) {
        json.raw(u"{").key(u"step").number(view.step).key(u"stepText").string(view.stepText);
        json.key(u"question").string(view.question).key(u"answer").string(view.answer);
        json.key(u"key").string(view.key).key(u"link").string(view.link).raw(u"}");
    });
    json.raw(u"}");
}

} // namespace

// The run the link in the input buffer asks for. `mode`: 0 as the link says; 1 the mode on the
// link's boxes as typed, its seed dropped; 2 the mode off. Null when not in the mode; else what
// the lesson's calls need to draw it: the program, the boxes' texts and the link.
PAGE_EXPORT const PageView *openQuiz(int mode)
{
    lesson::LessonLink link = lesson::parseLink(pageInput());
    lesson::PredictSettings settings = lesson::predictSettings(link);
    if (mode != 0) {
        settings.predict = mode == 1;
        settings.seed.reset();
        link = lesson::withPredictSettings(std::move(link), settings);
    }
    session = lesson::quizSessionFor(link);
    if (!session)
        return nullptr;
    const lesson::QuizSession &run = *session;
    const lesson::LoanInput &loan = run.loanInput();
    Json json;
    json.raw(u"{").key(u"program").string(link.program).key(u"loan").boolean(run.loan());
    json.key(u"fields").raw(u"[").string(run.input()).raw(u",").string(loan.amount);
    json.raw(u",").string(loan.rate).raw(u",").string(loan.payment).raw(u"]");
    json.key(u"message").string(run.message());
    json.key(u"link").string(lesson::formatLink(run.link())).raw(u"}");
    return give(json);
}

// Where the run is: its phase, the step shown and the steps it allows, the question or the end.
PAGE_EXPORT const PageView *quizState()
{
    const lesson::QuizSession &run = session.value();
    const lesson::StepRange range = run.range();
    Json json;
    json.raw(u"{").key(u"phase").string(phaseName(run.phase())).key(u"step").number(run.step());
    json.key(u"stepCount").number(run.stepCount()).key(u"first").number(range.first);
    json.key(u"last").number(range.last).key(u"question");
    if (run.phase() == lesson::QuizSession::Phase::Finished)
        json.raw(u"null");
    else
        writeQuestion(json, run.question());
    writeEnd(json.key(u"end"), run.end());
    json.raw(u"}");
    return give(json);
}

// The answer in the input buffer; whether it was an attempt (right or wrong), not unreadable.
PAGE_EXPORT int quizAnswer()
{
    return session.value().answer(pageInput()).result != lesson::Verdict::Result::Unreadable;
}

// "yes" or "no" for a key of a yes/no question, else empty.
PAGE_EXPORT const PageView *quizYesNo(int key)
{
    const auto answer = lesson::yesNoForKey(static_cast<char16_t>(key));
    Json json;
    json.raw(answer ? std::u16string(answer->begin(), answer->end()) : std::u16string());
    return give(json);
}

// The right answer to the question asked or answered, as answer() takes it: for tests, which
// answer from the run's own keys.
PAGE_EXPORT const PageView *quizKey()
{
    const lesson::QuizSession &run = session.value();
    Json json;
    json.raw(run.round().questions().at(run.current()).key);
    return give(json);
}

PAGE_EXPORT int quizNext()
{
    return session.value().next();
}

PAGE_EXPORT void quizRestart()
{
    session.value().restart();
}

// The step the lesson asks for, clamped to what the run allows; the step it shows.
PAGE_EXPORT int quizSetStep(int step)
{
    session.value().setStep(step);
    return session->step();
}

// «Новые числа»: the fragment of the same run on a task drawn from the entropy.
PAGE_EXPORT const PageView *quizNewTask(std::uint32_t high, std::uint32_t low)
{
    const std::uint64_t entropy = (std::uint64_t(high) << 32) | low;
    Json json;
    json.raw(lesson::formatLink(lesson::newTaskLink(session.value().link(), entropy)));
    return give(json);
}

// The check code for the name in the input buffer; empty when the task is too long for one.
PAGE_EXPORT const PageView *quizCheckCode()
{
    Json json;
    json.raw(session.value().checkCode(pageInput()));
    return give(json);
}

// What a SCORM 1.2 platform records of the run, for the mastery score in the input buffer, and
// cmi.core.session_time for the milliseconds spent.
PAGE_EXPORT const PageView *quizScorm(double milliseconds)
{
    const std::u16string &mastery = pageInput();
    const lesson::ScormReport report =
        session.value().scorm(std::string(mastery.begin(), mastery.end()));
    Json json;
    json.raw(u"{").key(u"raw").number(report.raw).key(u"min").number(report.min);
    json.key(u"max").number(report.max).key(u"status").string(report.lessonStatus);
    json.key(u"time").string(lesson::scormSessionTime(static_cast<std::int64_t>(milliseconds)));
    json.key(u"interactions")
        .list(report.interactions, [](Json &json, const lesson::ScormInteraction &item) {
            json.raw(u"{").key(u"id").string(item.id).key(u"type").string(item.type);
            json.key(u"response").string(item.studentResponse);
            json.key(u"correct").string(item.correctResponse);
            json.key(u"result").string(item.result).raw(u"}");
        });
    json.raw(u"}");
    return give(json);
}

// The teacher's table of the codes pasted into the input buffer, one a line.
PAGE_EXPORT const PageView *checkCodes()
{
    Json json;
    json.list(lesson::checkTable(pageInput()), [](Json &json, const lesson::CheckRow &row) {
        json.raw(u"{").key(u"valid").boolean(row.valid).key(u"right").number(row.right);
        json.key(u"asked").number(row.asked).key(u"cells").raw(u"[").string(row.name);
        json.raw(u",").string(row.task).raw(u",").string(row.score).raw(u",");
        json.string(row.mistakes).raw(u",").string(lesson::checkValidText(row.valid));
        json.raw(u"]}");
    });
    return give(json);
}
