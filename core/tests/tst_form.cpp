#include "form.h"
#include "numericvalue.h"
#include "testlayout.h"
#include "testsupport.h"

#include <stdexcept>

TEST_CASE("a form is built from its layout")
{
    Form form(testLayout(), u"proba");
    CHECK(form.caption() == u"Проба");
    CHECK(form.label(u"Label1").caption() == u"Подпись");
    CHECK(form.textBox(u"Text1").text() == u"12 345 6");
    CHECK(form.commandButton(u"Command3").caption() == u"Выход");
    CHECK(form.defaultButton() == &form.commandButton(u"Command2"));

    std::vector<std::u16string> order;
    for (const Control *control : form.tabOrder())
        order.push_back(control->name());
    CHECK(order == std::vector<std::u16string>{u"Command2", u"Command3", u"Text1"});
    CHECK(twipsToPixels(6024) == 402);
    CHECK(twipsToPixels(3600) == 240);
    CHECK(twipsToPixels(7) == 0);
    CHECK(twipsToPixels(8) == 1);
}

TEST_CASE("a control the layout lacks fails when it is looked up, naming it")
{
    Form form(testLayout(), u"proba");
    CHECK_THROWS_WITH_AS(form.label(u"Label9"), "the layout of \"Проба\" has no label named Label9",
                         std::invalid_argument);
    // The right name, but not of that kind.
    CHECK_THROWS_AS(form.textBox(u"Label1"), std::invalid_argument);

    FormLayout missingDefault = testLayout();
    missingDefault.defaultButton = u"Command9";
    CHECK_THROWS_AS(Form(missingDefault, u"proba"), std::invalid_argument);
    FormLayout twice = testLayout();
    twice.controls.push_back(twice.controls.front());
    CHECK_THROWS_AS(Form(twice, u"proba"), std::invalid_argument);
}

// Writing the start empties the selection; writing the length selects from the start.
TEST_CASE("the selection of an entry box")
{
    Form form(testLayout(), u"proba");
    TextBox &box = form.textBox(u"Text1");
    CHECK(box.selStart() == 8); // at the end of the start text
    box.setSelStart(3);
    box.setSelLength(3);
    CHECK(box.selStart() == 3);
    CHECK(box.selLength() == 3);
    CHECK(box.selText() == u"345");

    box.setSelLength(100);
    CHECK(box.selText() == u"345 6");
    CHECK(box.selStart() == 3);
    box.setSelLength(-1);
    CHECK(box.selLength() == 0);
    CHECK(box.selText() == u"");

    box.setSelLength(2);
    box.setSelStart(7);
    CHECK(box.selLength() == 0);
    box.setSelStart(99);
    CHECK(box.selStart() == 8);
    box.setSelStart(-5);
    CHECK(box.selStart() == 0);
    CHECK(box.text() == u"12 345 6");

    box.setText(std::u16string(40000, u'7'));
    CHECK(box.text().size() == TextBox::MaxLength);
    CHECK(box.selStart() == TextBox::MaxLength);
}

TEST_CASE("every write counts up the control's revision")
{
    Form form(testLayout(), u"proba");
    Label &label = form.label(u"Label1");
    const auto before = label.revision();
    label.setCaption(u"a");
    label.setCaption(label.caption() + u"b");
    CHECK(label.revision() == before + 2);
    CHECK(label.caption() == u"ab");
}

TEST_CASE("a runtime error abandons the handler and goes to the presenter")
{
    Form form(testLayout(), u"proba");
    MessageCapture messages(form);
    Label &label = form.label(u"Label1");
    bool finished = false;
    form.onClick(form.commandButton(u"Command2"), [&] {
        label.setCaption(u"до ошибки");
        NumericValue(1e39).toSingle();
        finished = true;
    });
    CHECK_FALSE(form.click(form.commandButton(u"Command2")));
    CHECK(messages.prompts == std::vector<std::u16string>{u"Ошибка выполнения: переполнение."});
    CHECK(messages.title == u"proba");
    CHECK_FALSE(finished);
    CHECK(label.caption() == u"до ошибки");
    CHECK_FALSE(form.isUnloaded());

    // Enter in an entry box clicks the default button.
    CHECK_FALSE(form.pressDefaultButton());
    CHECK(messages.prompts.size() == 2);
}

TEST_CASE("running out of memory is reported like a runtime error")
{
    Form form(testLayout(), u"proba");
    MessageCapture messages(form);
    form.onClick(form.commandButton(u"Command3"), [] { throw std::bad_alloc(); });
    CHECK_FALSE(form.click(form.commandButton(u"Command3")));
    CHECK(messages.prompts ==
          std::vector<std::u16string>{u"Ошибка выполнения: недостаточно памяти."});
}

TEST_CASE("a message shows with the program's name and the handler goes on")
{
    Form form(testLayout(), u"Bank");
    MessageCapture messages(form);
    int after = 0;
    form.onClick(form.commandButton(u"Command2"), [&] {
        form.showMessage(u"Проверьте свои данные и повторите ввод!");
        ++after;
    });
    CHECK(form.click(form.commandButton(u"Command2")));
    CHECK(after == 1);
    CHECK(messages.title == u"Bank");
}

TEST_CASE("unloading ends the form once")
{
    Form form(testLayout(), u"proba");
    int closed = 0;
    form.setUnloadHandler([&] { ++closed; });
    form.onClick(form.commandButton(u"Command3"), [&] { form.unload(); });
    CHECK(form.click(form.commandButton(u"Command3")));
    form.unload();
    CHECK(form.isUnloaded());
    CHECK(closed == 1);
}

TEST_CASE("an entry box holds one line")
{
    struct Row {
        const char *name;
        std::u16string text;
        std::u16string held;
    };
    const Row rows[] = {
        {"typed", u"5 3 8", u"5 3 8"},
        {"LF, CR LF and CR", u"1\n2\r\n3\r4", u"1 2 3 4"},
        {"CR LF at the end", u"1\r\n", u"1 "},
        {"two line breaks", u"1\n\n2", u"1  2"},
        {"line and paragraph separators", u"1\u20282\u20293", u"1 2 3"},
        {"tab", u"1\t2", u"1 2"},
        {"no-break spaces", u"5\u00A0000\u202F000", u"5 000 000"},
        {"other spaces stay", u"1\u20032", u"1\u20032"},
    };
    Form form(testLayout(), u"proba");
    TextBox &box = form.textBox(u"Text1");
    for (const Row &row : rows) {
        INFO(row.name);
        box.setText(row.text);
        CHECK(box.text() == row.held);
        CHECK(asOneLine(row.text) == row.held);
    }
}
