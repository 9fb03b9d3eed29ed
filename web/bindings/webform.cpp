#include "webprograms.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <stdexcept>
#include <string_view>

using emscripten::val;

namespace {

// A program's form as the page drives it. Controls are reached by their index in the layout.
// Texts cross as views of UTF-16 code units in the module's memory, so that every code unit, a
// lone surrogate too, arrives as it was: embind's own string types decode and encode them. A view
// is valid until the next call into the module.
class WebForm {
public:
    explicit WebForm(const std::string &program)
        : m_form(makeProgram(program))
    {
        if (!m_form)
            throw std::invalid_argument("no such program: " + program);
        // The page cannot wait in a handler for a dialog: it shows the messages once the click
        // has returned, which is where every handler ends after its message.
        m_form->setPresenter([this](const std::u16string &prompt, const std::u16string &) {
            m_messages.push_back(prompt);
        });
    }

    int controlCount() const { return static_cast<int>(m_form->controls().size()); }
    std::string controlName(int index) const
    {
        const std::u16string &name = control(index).name();
        return std::string(name.begin(), name.end());
    }
    // Counts up far below 2^53, so a JavaScript number holds it exactly.
    double revision(int index) const { return static_cast<double>(control(index).revision()); }

    // A label's or button's caption, an entry box's text.
    val text(int index) const { return view(textOf(index)); }
    int selStart(int index) const { return box(index).selStart(); }
    int selLength(int index) const { return box(index).selLength(); }

    // Room for `length` code units that the page fills before setText.
    val inputBuffer(int length)
    {
        m_input.resize(static_cast<std::size_t>(length < 0 ? 0 : length));
        return view(m_input);
    }
    // Gives the entry box the text in the input buffer. False when the box keeps another text
    // than the one given, which the page then shows instead.
    bool setText(int index)
    {
        TextBox &target = box(index);
        target.setText(m_input);
        return target.text() == m_input;
    }
    void select(int index, int start, int length) { box(index).select(start, length); }

    // A paste or drop over a box's selection as an edit of the box: the input buffer holds the
    // box's text, `textLength` code units, then the pasted text. Gives what the paste inserts in
    // place of the selection, which leaves the box holding the core's text with the caret after it.
    val pastedPiece(int textLength, int selStart, int selLength)
    {
        const std::u16string_view input(m_input);
        const std::size_t split =
            std::min(input.size(), static_cast<std::size_t>(std::max(textLength, 0)));
        const std::u16string_view text = input.substr(0, split);
        const PastedText edit = pasteIntoText(text, selStart, selLength, input.substr(split));
        const auto start =
            static_cast<std::size_t>(std::clamp(selStart, 0, static_cast<int>(split)));
        m_piece = edit.text.substr(start, static_cast<std::size_t>(edit.caret) - start);
        return view(m_piece);
    }

    bool click(int index) { return m_form->click(button(index)); }
    bool pressDefaultButton() { return m_form->pressDefaultButton(); }
    bool isUnloaded() const { return m_form->isUnloaded(); }

    // The messages of the last click, in order; taking them empties the list.
    int messageCount() const { return static_cast<int>(m_messages.size()); }
    val message(int index) const { return view(m_messages.at(static_cast<std::size_t>(index))); }
    void clearMessages() { m_messages.clear(); }
    val programName() const { return view(m_form->programName()); }

private:
    static val view(const std::u16string &text)
    {
        return val(emscripten::typed_memory_view(text.size(),
                                                 reinterpret_cast<const uint16_t *>(text.data())));
    }

    Control &control(int index) const
    {
        return *m_form->controls().at(static_cast<std::size_t>(index));
    }
    template<class Kind>
    Kind &as(int index, ControlLayout::Kind kind) const
    {
        Control &found = control(index);
        if (found.kind() != kind)
            throw std::invalid_argument("control of another kind");
        return static_cast<Kind &>(found);
    }
    TextBox &box(int index) const { return as<TextBox>(index, ControlLayout::Kind::TextBox); }
    CommandButton &button(int index) const
    {
        return as<CommandButton>(index, ControlLayout::Kind::CommandButton);
    }
    const std::u16string &textOf(int index) const
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

    std::unique_ptr<Form> m_form;
    std::vector<std::u16string> m_messages;
    std::u16string m_input;
    std::u16string m_piece;
};

} // namespace

EMSCRIPTEN_BINDINGS(webform)
{
    emscripten::class_<WebForm>("WebForm")
        .constructor<std::string>()
        .function("controlCount", &WebForm::controlCount)
        .function("controlName", &WebForm::controlName)
        .function("revision", &WebForm::revision)
        .function("text", &WebForm::text)
        .function("selStart", &WebForm::selStart)
        .function("selLength", &WebForm::selLength)
        .function("inputBuffer", &WebForm::inputBuffer)
        .function("setText", &WebForm::setText)
        .function("select", &WebForm::select)
        .function("pastedPiece", &WebForm::pastedPiece)
        .function("click", &WebForm::click)
        .function("pressDefaultButton", &WebForm::pressDefaultButton)
        .function("isUnloaded", &WebForm::isUnloaded)
        .function("messageCount", &WebForm::messageCount)
        .function("message", &WebForm::message)
        .function("clearMessages", &WebForm::clearMessages)
        .function("programName", &WebForm::programName);
}
