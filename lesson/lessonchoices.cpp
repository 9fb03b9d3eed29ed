#include "lessonchoices.h"

#include "bankform.h"
#include "programs.h"
#include "sortingform.h"

#include <algorithm>

namespace lesson {

namespace {

std::u16string choiceLabel(const Form &form)
{
    return form.programName() + u": " + form.caption();
}

// An example to start from; any text is completed to ten numbers as the windows complete it.
constexpr std::u16string_view ExampleNumbers = u"5 3 8 1 9 2 7 4 10 6";

} // namespace

const std::vector<LessonChoice> &choices()
{
    static const std::vector<LessonChoice> all = [] {
        std::vector<LessonChoice> list;
        std::vector<LessonChoice> loans;
        for (const ProgramForm &program : Programs) {
            const std::unique_ptr<Form> form = program.make();
            const std::u16string name(program.name.begin(), program.name.end());
            if (const auto method = methodFromProgram(name))
                list.push_back({LessonChoice::Kind::Sort, name, choiceLabel(*form), method});
            else if (dynamic_cast<const BankForm *>(form.get()))
                loans.push_back({LessonChoice::Kind::Loan, name, choiceLabel(*form), {}});
        }
        list.push_back({LessonChoice::Kind::Compare,
                        u"compare",
                        u"Сравнение трёх методов на одних числах",
                        {}});
        list.insert(list.end(), loans.begin(), loans.end());
        return list;
    }();
    return all;
}

const LessonChoice *findChoice(std::u16string_view program)
{
    const auto &all = choices();
    const auto found = std::find_if(all.begin(), all.end(), [&](const LessonChoice &choice) {
        return choice.program == program;
    });
    return found == all.end() ? nullptr : &*found;
}

const InputField &numbersField()
{
    static const InputField field = [] {
        for (const ProgramForm &program : Programs) {
            const std::unique_ptr<Form> form = program.make();
            if (const auto *sorting = dynamic_cast<const SortingForm *>(form.get())) {
                return InputField{"input", sorting->Text1.layout().accessibleName,
                                  std::u16string(ExampleNumbers), TextBox::MaxLength,
                                  sorting->Text1.name()};
            }
        }
        return InputField{"input", {}, std::u16string(ExampleNumbers), TextBox::MaxLength, {}};
    }();
    return field;
}

const std::vector<InputField> &loanFields()
{
    static const std::vector<InputField> fields = [] {
        const BankForm bank;
        std::vector<InputField> list;
        for (const auto &[id, box] :
             {std::pair{"amount", &bank.Text1}, {"rate", &bank.Text2}, {"payment", &bank.Text3}})
            list.push_back(
                {id, box->layout().accessibleName, box->text(), TextBox::MaxLength, box->name()});
        return list;
    }();
    return fields;
}

const LessonTexts &lessonTexts()
{
    static constexpr LessonTexts texts{
        u"Разбор",
        u"Что разобрать",
        u"Разобрать",
        u"Строки метода",
        u"Сохранить CSV…",
        u"Займ.csv",
        u"Таблицы CSV (*.csv)",
        u"Не удалось сохранить файл:",
        u"Разбор этого запуска",
        u"Разбор не загрузился: обновите страницу.",
        u"Перейти к году",
        u"Скачать таблицу (CSV)",
        u"разделитель «;», десятичная запятая и UTF-8 с меткой порядка байтов, так что "
        u"электронные таблицы с русскими настройками открывают её без вопросов."};
    return texts;
}

} // namespace lesson
