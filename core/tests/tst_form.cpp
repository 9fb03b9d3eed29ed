#include "form.h"
#include "numericvalue.h"
#include "testlayout.h"
#include "testsupport.h"

#include <functional>
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
    order.clear();
    for (const Control *control : form.byTabIndex())
        order.push_back(control->name());
    CHECK(order == std::vector<std::u16string>{u"Command2", u"Command3", u"Label1", u"Text1"});
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
        {"CR LF at the end is dropped", u"1\r\n", u"1"},
        {"a pasted column", u"7\r\n2\r\n5\r\n", u"7 2 5"},
        {"every kind of break at the end", u"7\n\r\u2028\u2029\r\n", u"7"},
        {"breaks alone", u"\r\n\n", u""},
        {"a typed blank at the end stays", u"7 2 5 ", u"7 2 5 "},
        {"a tab at the end stays a blank", u"7\t", u"7 "},
        {"a blank after the last break", u"7\n ", u"7  "},
        {"two line breaks", u"1\n\n2", u"1  2"},
        {"line and paragraph separators", u"1\u20282\u20293", u"1 2 3"},
        {"tab", u"1\t2", u"1 2"},
        {"no-break spaces", u"5\u00A0000\u202F000", u"5 000 000"},
        {"ogham space mark", u"1\u16802", u"1 2"},
        {"en quad to hair space",
         u"\u2000\u2001\u2002\u2003\u2004\u2005\u2006\u2007\u2008\u2009\u200A", u"           "},
        {"thin spaces between thousands", u"2\u2009000\u2009000", u"2 000 000"},
        {"figure spaces between thousands", u"1\u2007500", u"1 500"},
        {"medium mathematical space", u"1\u205F2", u"1 2"},
        {"ideographic space", u"1\u30002", u"1 2"},
        {"zero width space is no blank", u"1\u200B2", u"1\u200B2"},
        {"next line is no break here", u"1\u00852", u"1\u00852"},
        {"full-width digits stay", u"\uFF19", u"\uFF19"},
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

// A paste or drop edits the box: the pasted text as one line in place of the selection, the caret
// right after it.
TEST_CASE("a paste into an entry box")
{
    struct Row {
        const char *name;
        std::u16string text;
        std::int32_t selStart;
        std::int32_t selLength;
        std::u16string pasted;
        std::u16string result;
        std::int32_t caret;
    };
    const std::u16string full(TextBox::MaxLength - 2, u'1');
    const Row rows[] = {
        {"lines into the middle", u"1 2", 1, 0, u"5\n6", u"15 6 2", 4},
        {"a column over the selection", u"1 2 3", 2, 1, u"7\r\n8\r\n", u"1 7 8 3", 5},
        {"into an empty box", u"", 0, 0, u"7\r\n2\r\n5\r\n", u"7 2 5", 5},
        {"thin spaces at the end", u"9", 1, 0, u"2\u2009000", u"92 000", 6},
        {"nothing but breaks deletes the selection", u"123", 0, 2, u"\r\n", u"3", 0},
        {"a selection beyond the text is clipped", u"12", 1, 50, u"x", u"1x", 2},
        {"a start beyond the text pastes at the end", u"12", 9, 0, u"3", u"123", 3},
        {"a negative start pastes at the start", u"12", -4, 0, u"3", u"312", 1},
        {"cut to the longest text", full, 1, 0, u"abc", u"1ab" + full.substr(1), 3},
        {"a full box takes nothing", full + u"99", 0, 0, u"abc", full + u"99", 0},
        {"a full box takes the length of its selection", full + u"99", 0, 2, u"ab",
         u"ab" + full.substr(2) + u"99", 2},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        const PastedText pasted = pasteIntoText(row.text, row.selStart, row.selLength, row.pasted);
        CHECK(pasted.text == row.result);
        CHECK(pasted.caret == row.caret);
    }
}

TEST_CASE("the selection is clipped to the text")
{
    struct Row {
        const char *name;
        std::u16string text;
        std::int32_t start;
        std::int32_t length;
        std::u16string newText;
        std::int32_t selStart;
        std::int32_t selLength;
    };
    const Row rows[] = {
        {"longer than the text", u"12 345", 3, 99, u"", 3, 3},
        {"from beyond the end", u"12 345", 40, 2, u"", 6, 0},
        {"a shorter new text", u"12 345", 2, 4, u"1", 1, 0},
        {"a longer new text", u"1", 0, 1, u"12 345", 6, 0},
    };
    Form form(testLayout(), u"proba");
    TextBox &box = form.textBox(u"Text1");
    for (const Row &row : rows) {
        INFO(row.name);
        box.setText(row.text);
        box.select(row.start, row.length);
        if (!row.newText.empty())
            box.setText(row.newText);
        CHECK(box.selStart() == row.selStart);
        CHECK(box.selLength() == row.selLength);
        CHECK(box.selText() == box.text().substr(static_cast<std::size_t>(row.selStart),
                                                 static_cast<std::size_t>(row.selLength)));
    }
}

// One view shows a message at once, another once the handler has returned: a write after the
// message would show behind it in one and not in the other, so the form refuses it.
TEST_CASE("a handler writes nothing after its message")
{
    Form form(testLayout(), u"proba");
    MessageCapture messages(form);
    Label &label = form.label(u"Label1");
    TextBox &box = form.textBox(u"Text1");
    CommandButton &compute = form.commandButton(u"Command2");
    std::function<void()> write;
    box.setText(u"1");
    form.onClick(compute, [&] {
        label.setCaption(u"до сообщения");
        form.showMessage(u"Проверьте свои данные и повторите ввод!");
        write();
    });
    struct Row {
        const char *name;
        std::function<void()> write;
    };
    const Row rows[] = {
        {"a caption", [&] { label.setCaption(u"после"); }},
        {"a text", [&] { box.setText(u"после"); }},
        {"a selection", [&] { box.setSelStart(0); }},
        {"a button's caption", [&] { compute.setCaption(u"после"); }},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        write = row.write;
        const auto before = box.revision() + label.revision() + compute.revision();
        CHECK_THROWS_AS(form.click(compute), std::logic_error);
        CHECK(box.revision() + label.revision() + compute.revision() == before + 1);
        CHECK(label.caption() == u"до сообщения");
        CHECK(box.text() == u"1");
        CHECK(box.selStart() == 1);
        CHECK(compute.caption() == u"Расчет");
        // The next click starts anew, and writes after a click are the views' own.
        box.setText(u"1");
        label.setCaption(u"");
    }
    write = [] {};
    CHECK(form.click(compute));
    CHECK(messages.prompts.size() == std::size(rows) + 1);
    // A runtime error's message ends the handler: nothing of it writes after the message.
    form.onClick(form.commandButton(u"Command3"), [&] { NumericValue(1e39).toSingle(); });
    CHECK_FALSE(form.click(form.commandButton(u"Command3")));
    label.setCaption(u"после щелчка");
    CHECK(label.caption() == u"после щелчка");
    // A message outside any click is the view's own: what follows it is written.
    form.showMessage(u"Проверьте свои данные и повторите ввод!");
    CHECK_NOTHROW(box.setText(u"после сообщения"));
    CHECK(box.text() == u"после сообщения");
}
