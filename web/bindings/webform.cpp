#include "pagemodule.h"
#include "webprograms.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace {

// A program's form as the page drives it: each instance of this module serves one page and holds
// its form. Controls are reached by their index in the layout; texts cross as UTF-16 views.
struct Page {
    std::unique_ptr<Form> form;
    std::vector<std::u16string> messages;
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

} // namespace

// Opens the program named in the input buffer; false for a name that is none of them.
PAGE_EXPORT bool openProgram()
{
    const std::u16string &name = pageInput();
    page.form = makeProgram(std::string(name.begin(), name.end()));
    if (!page.form)
        return false;
    // The page cannot wait in a handler for a dialog: it shows the messages once the click
    // has returned, which is where every handler ends after its message.
    page.form->setPresenter([](const std::u16string &prompt, const std::u16string &) {
        page.messages.push_back(prompt);
    });
    return true;
}

PAGE_EXPORT int controlCount()
{
    return static_cast<int>(page.form->controls().size());
}
PAGE_EXPORT const PageView *controlName(int index)
{
    return pageText(control(index).name());
}
// Counts up far below 2^53, so a JavaScript number holds it exactly.
PAGE_EXPORT double revision(int index)
{
    return static_cast<double>(control(index).revision());
}

// A label's or button's caption, an entry box's text.
PAGE_EXPORT const PageView *text(int index)
{
    return pageText(textOf(index));
}
PAGE_EXPORT int selStart(int index)
{
    return box(index).selStart();
}
PAGE_EXPORT int selLength(int index)
{
    return box(index).selLength();
}

// Gives the entry box the text in the input buffer. False when the box keeps another text
// than the one given, which the page then shows instead.
PAGE_EXPORT bool setText(int index)
{
    TextBox &target = box(index);
    target.setText(pageInput());
    return target.text() == pageInput();
}
PAGE_EXPORT void setSelection(int index, int start, int length)
{
    box(index).select(start, length);
}

// A paste or drop over a box's selection as an edit of the box: the input buffer holds the
// box's text, `textLength` code units, then the pasted text. Gives what the paste inserts in
// place of the selection, which leaves the box holding the core's text with the caret after it.
PAGE_EXPORT const PageView *pastedPiece(int textLength, int selStart, int selLength)
{
    const std::u16string_view input(pageInput());
    const std::size_t split =
        std::min(input.size(), static_cast<std::size_t>(std::max(textLength, 0)));
    const std::u16string_view text = input.substr(0, split);
    const PastedText edit = pasteIntoText(text, selStart, selLength, input.substr(split));
    const auto start = static_cast<std::size_t>(std::clamp(selStart, 0, static_cast<int>(split)));
    page.piece = edit.text.substr(start, static_cast<std::size_t>(edit.caret) - start);
    return pageText(page.piece);
}

PAGE_EXPORT bool click(int index)
{
    return page.form->click(button(index));
}
PAGE_EXPORT bool pressDefaultButton()
{
    return page.form->pressDefaultButton();
}
PAGE_EXPORT bool isUnloaded()
{
    return page.form->isUnloaded();
}

// The messages of the last click, in order; taking them empties the list.
PAGE_EXPORT int messageCount()
{
    return static_cast<int>(page.messages.size());
}
PAGE_EXPORT const PageView *message(int index)
{
    return pageText(page.messages.at(static_cast<std::size_t>(index)));
}
PAGE_EXPORT void clearMessages()
{
    page.messages.clear();
}
PAGE_EXPORT const PageView *programName()
{
    return pageText(page.form->programName());
}
