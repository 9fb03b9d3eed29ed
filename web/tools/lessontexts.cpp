// Writes what the lesson page shows before its module has loaded, as the core has it: the
// choices in the build's program order, the boxes, the player's captions and speeds, the arrays'
// captions and the loan table's headers, for the site's build to write into lesson.html; and the
// link each program's page offers to the lesson of its last press.
#include "lesson.h"
#include "utf8.h"

#include <nlohmann/json.hpp>

#include <iostream>
#include <string>

namespace {

using Json = nlohmann::ordered_json;

std::string utf8(std::u16string_view text)
{
    return toUtf8(text);
}

std::string kindName(lesson::LessonChoice::Kind kind)
{
    switch (kind) {
    case lesson::LessonChoice::Kind::Sort:
        return "sort";
    case lesson::LessonChoice::Kind::Compare:
        return "compare";
    case lesson::LessonChoice::Kind::Loan:
        break;
    }
    return "loan";
}

Json field(const lesson::InputField &field)
{
    return {{"id", std::string(field.id)},
            {"caption", utf8(field.caption)},
            {"start", utf8(field.start)},
            {"maxLength", field.maxLength}};
}

// The mode's captions and the teacher's table's headers, for lesson.html and check.html.
Json quizTable()
{
    const lesson::QuizTexts &texts = lesson::quizTexts();
    Json headers = Json::array();
    for (const std::u16string &header : lesson::checkTableHeaders())
        headers.push_back(utf8(header));
    return {
        {"mode", utf8(texts.mode)},
        {"watchMode", utf8(texts.watchMode)},
        {"newTask", utf8(texts.newTask)},
        {"answerLabel", utf8(texts.answerLabel)},
        {"submit", utf8(texts.submit)},
        {"answerFirst", utf8(texts.answerFirst)},
        {"questionsHeading", utf8(texts.questionsHeading)},
        {"endHeading", utf8(texts.endHeading)},
        {"scoreLabel", utf8(texts.scoreLabel)},
        {"mistakesHeading", utf8(texts.mistakesHeading)},
        {"noMistakes", utf8(texts.noMistakes)},
        {"mistakeColumns", Json::array({utf8(texts.mistakeStep), utf8(texts.mistakeQuestion),
                                        utf8(texts.mistakeAnswer), utf8(texts.mistakeKey)})},
        {"showStep", utf8(texts.showStep)},
        {"nameLabel", utf8(texts.nameLabel)},
        {"checkCode", utf8(texts.checkCode)},
        {"checkCodeHint", utf8(texts.checkCodeHint)},
        {"noCheckCode", utf8(texts.noCheckCode)},
        {"copy", utf8(texts.copy)},
        {"again", utf8(texts.again)},
        {"noQuestions", utf8(texts.noQuestions)},
        {"checkTitle", utf8(texts.checkTitle)},
        {"checkIntro", utf8(texts.checkIntro)},
        {"codesLabel", utf8(texts.codesLabel)},
        {"verify", utf8(texts.verify)},
        {"resultsCaption", utf8(texts.resultsCaption)},
        {"noCodes", utf8(texts.noCodes)},
        {"checkHeaders", headers},
    };
}

// Per program of the build the lesson offers, the core's fragment for it with each value the id
// of the window's box that holds it, in braces, which the page replaces by the box's text encoded
// as formatLink encodes it: the keys, their order and the step stay the core's.
Json runLinks()
{
    const auto marked = [](const lesson::InputField &field) { return u"{" + field.box + u"}"; };
    const std::vector<lesson::InputField> &loan = lesson::loanFields();
    Json links = Json::object();
    for (const lesson::LessonChoice &choice : lesson::choices()) {
        if (choice.kind == lesson::LessonChoice::Kind::Compare)
            continue;
        lesson::LessonLink link;
        link.program = choice.program;
        link.input = marked(lesson::numbersField());
        link.amount = marked(loan.at(0));
        link.rate = marked(loan.at(1));
        link.payment = marked(loan.at(2));
        std::string fragment = utf8(lesson::formatLink(link));
        for (const auto &[encoded, brace] : {std::pair{"%7B", "{"}, {"%7D", "}"}}) {
            for (auto at = fragment.find(encoded); at != std::string::npos;
                 at = fragment.find(encoded, at))
                fragment.replace(at, 3, brace);
        }
        links[utf8(choice.program)] = fragment;
    }
    return links;
}

} // namespace

int main()
{
    const lesson::LessonTexts &texts = lesson::lessonTexts();
    Json choices = Json::array();
    for (const lesson::LessonChoice &choice : lesson::choices())
        choices.push_back({{"program", utf8(choice.program)},
                           {"label", utf8(choice.label)},
                           {"kind", kindName(choice.kind)}});
    // In the order the module keeps the boxes: the numbers, then the loan's three.
    Json fields = Json::array({field(lesson::numbersField())});
    for (const lesson::InputField &loanField : lesson::loanFields())
        fields.push_back(field(loanField));
    const lesson::PlayerTexts &player = lesson::playerTexts();
    Json speeds = Json::array();
    for (const lesson::Speed &speed : lesson::speeds())
        speeds.push_back({{"interval", speed.interval}, {"name", utf8(speed.name)}});
    Json headers = Json::array();
    for (const std::u16string_view header : lesson::LoanLesson::headers())
        headers.push_back(utf8(header));
    const Json table = {
        {"title", utf8(texts.title)},
        {"choice", utf8(texts.choice)},
        {"run", utf8(texts.run)},
        {"choices", choices},
        {"fields", fields},
        {"player",
         {{"first", utf8(player.first)},
          {"back", utf8(player.back)},
          {"forward", utf8(player.forward)},
          {"last", utf8(player.last)},
          {"play", utf8(player.play)},
          {"pause", utf8(player.pause)},
          {"speed", utf8(player.speed)},
          {"jump", utf8(player.jump)},
          {"keys", utf8(player.keys)}}},
        {"speeds", speeds},
        {"defaultSpeed", lesson::DefaultSpeed},
        {"elementsCaption", utf8(lesson::SortLesson::elementsCaption())},
        {"resultsCaption", utf8(lesson::SortLesson::resultsCaption())},
        {"loanHeaders", headers},
        {"loanNoteHeader", utf8(lesson::LoanLesson::noteHeader())},
        {"loanTableName", utf8(lesson::LoanLesson::tableName())},
        {"quiz", quizTable()},
        {"loadFailed", utf8(texts.loadFailed)},
        {"goToYear", utf8(texts.goToYear)},
        {"downloadCsv", utf8(texts.downloadCsv)},
        {"csvFormat", utf8(texts.csvFormat)},
        {"csvFileName", utf8(texts.csvFileName)},
        {"runLink", utf8(texts.runLink)},
        {"runLinks", runLinks()},
    };
    std::cout << table.dump(1) << '\n';
}
