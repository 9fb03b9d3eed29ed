#include "utf16view.h"
#include "webprograms.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <stdexcept>
#include <string_view>

using emscripten::val;

namespace {

// A program's form as the page drives it: each instance of this module serves one page and holds
// its form. Controls are reached by their index in the layout; texts cross as UTF-16 views.
struct Page {
    std::unique_ptr<Form> form;
    std::vector<std::u16string> messages;
    std::u16string input;
    std::u16string piece;
} page;

Control &control(int index)
{
    return *page.form->controls().at(static_cast<std::size_t>(index));
}
template<class Kind>
Kind &as(int index, ControlLayout::Kind kind)
{
    Control &found = control(index);
    if (found.kind() != kind)
        throw std::invalid_argument("control of another kind");
    return static_cast<Kind &>(found);
}
TextBox &box(int index)
{
    return as<TextBox>(index, ControlLayout::Kind::TextBox);
}
CommandButton &button(int index)
{
    return as<CommandButton>(index, ControlLayout::Kind::CommandButton);
}
const std::u16string &textOf(int index)
{
    Control &found = control(index);
    switch (found.kind()) {
    case ControlLayout::Kind::Label:
        return static_cast<Label &>(found).caption();
    case ControlLayout::Kind::TextBox:
        return static_cast<TextBox &>(found).text();
    case ControlLayout::Kind::CommandButton:
        break;
    }
    return static_cast<CommandButton &>(found).caption();
}

void openProgram(const std::string &program)
{
    page.form = makeProgram(program);
    if (!page.form)
        throw std::invalid_argument("no such program: " + program);
    // The page cannot wait in a handler for a dialog: it shows the messages once the click
    // has returned, which is where every handler ends after its message.
    page.form->setPresenter([](const std::u16string &prompt, const std::u16string &) {
        page.messages.push_back(prompt);
    });
}

int controlCount()
{
    return static_cast<int>(page.form->controls().size());
}
std::string controlName(int index)
{
    const std::u16string &name = control(index).name();
    return std::string(name.begin(), name.end());
}
// Counts up far below 2^53, so a JavaScript number holds it exactly.
double revision(int index)
{
    return static_cast<double>(control(index).revision());
}

// A label's or button's caption, an entry box's text.
val text(int index)
{
    return utf16View(textOf(index));
}
int selStart(int index)
{
    return box(index).selStart();
}
int selLength(int index)
{
    return box(index).selLength();
}

// Room for `length` code units that the page fills before setText.
val inputBuffer(int length)
{
    page.input.resize(static_cast<std::size_t>(length < 0 ? 0 : length));
    return utf16View(page.input);
}
// Gives the entry box the text in the input buffer. False when the box keeps another text
// than the one given, which the page then shows instead.
bool setText(int index)
{
    TextBox &target = box(index);
    target.setText(page.input);
    return target.text() == page.input;
}
void setSelection(int index, int start, int length)
{
    box(index).select(start, length);
}

// A paste or drop over a box's selection as an edit of the box: the input buffer holds the
// box's text, `textLength` code units, then the pasted text. Gives what the paste inserts in
// place of the selection, which leaves the box holding the core's text with the caret after it.
val pastedPiece(int textLength, int selStart, int selLength)
{
    const std::u16string_view input(page.input);
    const std::size_t split =
        std::min(input.size(), static_cast<std::size_t>(std::max(textLength, 0)));
    const std::u16string_view text = input.substr(0, split);
    const PastedText edit = pasteIntoText(text, selStart, selLength, input.substr(split));
    const auto start = static_cast<std::size_t>(std::clamp(selStart, 0, static_cast<int>(split)));
    page.piece = edit.text.substr(start, static_cast<std::size_t>(edit.caret) - start);
    return utf16View(page.piece);
}

bool click(int index)
{
    return page.form->click(button(index));
}
bool pressDefaultButton()
{
    return page.form->pressDefaultButton();
}
bool isUnloaded()
{
    return page.form->isUnloaded();
}

// The messages of the last click, in order; taking them empties the list.
int messageCount()
{
    return static_cast<int>(page.messages.size());
}
val message(int index)
{
    return utf16View(page.messages.at(static_cast<std::size_t>(index)));
}
void clearMessages()
{
    page.messages.clear();
}
val programName()
{
    return utf16View(page.form->programName());
}

} // namespace

EMSCRIPTEN_BINDINGS(webform)
{
    using emscripten::function;
    function("open", &openProgram);
    function("controlCount", &controlCount);
    function("controlName", &controlName);
    function("revision", &revision);
    function("text", &text);
    function("selStart", &selStart);
    function("selLength", &selLength);
    function("inputBuffer", &inputBuffer);
    function("setText", &setText);
    function("select", &setSelection);
    function("pastedPiece", &pastedPiece);
    function("click", &click);
    function("pressDefaultButton", &pressDefaultButton);
    function("isUnloaded", &isUnloaded);
    function("messageCount", &messageCount);
    function("message", &message);
    function("clearMessages", &clearMessages);
    function("programName", &programName);
}
