#include "banktest.h"
#include "testsupport.h"

namespace {

const std::u16string Description =
    u"Программа рассчитывает, на какой период можно взять займ в банке при известной годовой "
    u"ставке и годовой выплате. Введите данные в поля ввода и нажмите кнопку 'Расчет'. Проценты "
    u"предполагаются простыми.";
const std::u16string CheckData = u"Проверьте свои данные и повторите ввод!";
const std::u16string NotCovered =
    u"Выплаты за год не покрывают процентную ставку! Измените данные.";
const std::u16string TooLong = u"Срок погашения превышает 32767 лет! Измените данные.";

std::u16string result(const std::u16string &years, const std::u16string &remainder,
                      const std::u16string &share)
{
    return u"Количество полных лет: " + years + u"\r\nОстаток суммы " + remainder + u" (это еще " +
           share + u" г.)";
}

} // namespace

TEST_CASE("the start state of the loan form")
{
    BankForm form;
    CHECK(form.caption() == u"Займ в банке");
    CHECK(form.Text1.text() == u"5000000");
    CHECK(form.Text2.text() == u"12");
    CHECK(form.Text3.text() == u"800000");
    CHECK(form.label(u"Label1").caption() == u"Занимаемая сумма, руб.:");
    CHECK(form.label(u"Label2").caption() == u"Годовая ставка, %");
    CHECK(form.label(u"Label3").caption() == u"Годовая выплата, руб.");
    CHECK(form.Label4.caption() == Description);
    CHECK(form.Command2.caption() == u"Расчет");
    CHECK(form.Command3.caption() == u"Выход");
    std::vector<std::u16string> order;
    for (const Control *control : form.tabOrder())
        order.push_back(control->name());
    CHECK(order ==
          std::vector<std::u16string>{u"Command2", u"Command3", u"Text1", u"Text2", u"Text3"});
    CHECK(form.defaultButton() == &form.Command2);
}

TEST_CASE("Расчет counts the full years, or warns")
{
    struct Row {
        const char *name;
        std::u16string amount;
        std::u16string rate;
        std::u16string payment;
        std::u16string message;
        std::u16string caption;
    };
    const Row rows[] = {
        {"start values", u"5000000", u"12", u"800000", u"", result(u"12", u"173373.35", u"0.22")},
        {"amount equal to payment", u"800000", u"12", u"800000", u"",
         result(u"0", u"800000.00", u"1.00")},
        {"rate 100 accepted", u"800000", u"100", u"800000", u"",
         result(u"0", u"800000.00", u"1.00")},
        {"payment just above interest", u"5000000", u"12", u"600001", u"",
         result(u"117", u"221114.24", u"0.37")},
        {"rate 0", u"5000000", u"0", u"800000", u"", result(u"6", u"200000.00", u"0.25")},
        {"empty rate computes without interest", u"5000000", u"", u"800000", u"",
         result(u"6", u"200000.00", u"0.25")},
        {"grouped digits and decimal comma", u"5 000 000", u"12,0", u"800 000,00", u"",
         result(u"12", u"173373.35", u"0.22")},
        {"longest term", u"32767.5", u"0", u"1", u"", result(u"32767", u"0.50", u"0.50")},

        {"negative amount", u"-5000000", u"12", u"800000", CheckData, Description},
        {"negative payment", u"5000000", u"12", u"-1", CheckData, Description},
        {"negative rate", u"5000000", u"-0.5", u"800000", CheckData, Description},
        {"rate above 100", u"5000000", u"100.5", u"800000", CheckData, Description},
        {"amount below payment", u"500000", u"12", u"800000", CheckData, Description},
        {"amount 0", u"0", u"12", u"800000", CheckData, Description},
        {"amount and payment 0", u"0", u"12", u"0", CheckData, Description},
        {"empty boxes", u"", u"", u"", CheckData, Description},
        {"empty amount", u"", u"12", u"800000", CheckData, Description},

        {"payment equal to interest", u"5000000", u"12", u"600000", NotCovered, Description},
        {"payment 0", u"5000000", u"12", u"0", NotCovered, Description},
        {"empty payment", u"5000000", u"12", u"", NotCovered, Description},
        {"interest beyond doubles", u"1e307", u"100", u"1", NotCovered, Description},

        {"one year too long", u"32768.5", u"0", u"1", TooLong, Description},
        {"amount beyond doubles", u"1e400", u"12", u"1", u"Ошибка выполнения: переполнение.",
         Description},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        BankForm form;
        MessageCapture messages(form);
        computeLoan(form, row.amount, row.rate, row.payment);

        CHECK(messages.prompts == (row.message.empty() ? std::vector<std::u16string>{}
                                                       : std::vector<std::u16string>{row.message}));
        CHECK(form.Label4.caption() == row.caption);
        CHECK(form.Text1.text() == row.amount);
        CHECK(form.Text2.text() == row.rate);
        CHECK(form.Text3.text() == row.payment);
    }
}

TEST_CASE("a warning keeps the previous result")
{
    BankForm form;
    MessageCapture messages(form);
    CHECK(form.pressDefaultButton());
    const std::u16string first = form.Label4.caption();
    CHECK(first == result(u"12", u"173373.35", u"0.22"));
    form.Text3.setText(u"600000");
    form.pressDefaultButton();
    CHECK(messages.prompts == std::vector<std::u16string>{NotCovered});
    CHECK(messages.title == u"Bank");
    CHECK(form.Label4.caption() == first);
}

TEST_CASE("Выход ends the program without a question, whatever the boxes hold")
{
    BankForm form;
    MessageCapture messages(form);
    bool closed = false;
    form.setUnloadHandler([&] { closed = true; });
    form.Text1.setText(u"не число");
    CHECK(form.click(form.Command3));
    CHECK(closed);
    CHECK(form.isUnloaded());
    CHECK(messages.prompts.empty());
}

// An amount copied from a Russian document, its thousands set apart by no-break spaces.
TEST_CASE("a pasted amount with no-break spaces reads whole")
{
    BankForm form;
    form.Text1.setText(u"5\u00A0000\u00A0000");
    form.Text3.setText(u"800\u202F000\r\n");
    form.click(form.Command2);
    CHECK(form.Label4.caption() == result(u"12", u"173373.35", u"0.22"));
}
