#include "form.h"

#include "runtimeerror.h"
#include "utf8.h"

#include <algorithm>
#include <iterator>
#include <new>
#include <stdexcept>
#include <utility>

namespace {

std::unique_ptr<Control> createControl(const ControlLayout &entry)
{
    switch (entry.kind) {
    case ControlLayout::Kind::Label:
        return std::make_unique<Label>(entry);
    case ControlLayout::Kind::TextBox:
        return std::make_unique<TextBox>(entry);
    case ControlLayout::Kind::CommandButton:
        break;
    }
    return std::make_unique<CommandButton>(entry);
}

} // namespace

Form::Form(FormLayout layout, std::u16string programName)
    : m_layout(std::move(layout))
    , m_programName(std::move(programName))
{
    for (const ControlLayout &entry : m_layout.controls) {
        if (find(entry.name))
            throw std::invalid_argument("the layout of \"" + toUtf8(m_layout.caption) +
                                        "\" names " + toUtf8(entry.name) + " twice");
        m_controls.push_back(createControl(entry));
        m_controls.back()->closeWritesWhile(&m_messageShown);
        m_byTabIndex.push_back(m_controls.back().get());
    }
    std::stable_sort(m_byTabIndex.begin(), m_byTabIndex.end(), [](Control *a, Control *b) {
        return a->layout().tabIndex < b->layout().tabIndex;
    });
    std::copy_if(m_byTabIndex.begin(), m_byTabIndex.end(), std::back_inserter(m_tabOrder),
                 [](Control *control) { return control->takesFocus(); });
    if (!m_layout.defaultButton.empty())
        m_defaultButton = &commandButton(m_layout.defaultButton);
}

Form::~Form() = default;

Control *Form::find(std::u16string_view name) const
{
    for (const auto &control : m_controls) {
        if (control->name() == name)
            return control.get();
    }
    return nullptr;
}

template<class Kind>
Kind &Form::control(std::u16string_view name, const char *kindName) const
{
    if (auto *found = dynamic_cast<Kind *>(find(name)))
        return *found;
    throw std::invalid_argument("the layout of \"" + toUtf8(m_layout.caption) + "\" has no " +
                                kindName + " named " + toUtf8(name));
}

Label &Form::label(std::u16string_view name) const
{
    return control<Label>(name, "label");
}

TextBox &Form::textBox(std::u16string_view name) const
{
    return control<TextBox>(name, "entry box");
}

CommandButton &Form::commandButton(std::u16string_view name) const
{
    return control<CommandButton>(name, "button");
}

void Form::onClick(CommandButton &button, std::function<void()> handler)
{
    m_handlers.emplace_back(&button, std::move(handler));
}

bool Form::click(CommandButton &button)
{
    struct Clicking {
        Form &form;
        bool outer;
        ~Clicking()
        {
            form.m_clicking = outer;
            form.m_messageShown = false;
        }
    } clicking{*this, std::exchange(m_clicking, true)};
    for (const auto &[target, handler] : m_handlers) {
        if (target != &button)
            continue;
        // The one place where a handler's runtime error is caught: no error reaches the view.
        try {
            handler();
        } catch (const RuntimeError &error) {
            showMessage(error.message());
            return false;
        } catch (const std::bad_alloc &) {
            showMessage(RuntimeError(RuntimeError::Kind::OutOfMemory).message());
            return false;
        }
    }
    return true;
}

bool Form::pressDefaultButton()
{
    return m_defaultButton ? click(*m_defaultButton) : true;
}

void Form::showMessage(std::u16string_view prompt)
{
    m_messageShown = m_clicking;
    if (m_presenter)
        m_presenter(std::u16string(prompt), m_programName);
}

void Form::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    if (m_unloadHandler)
        m_unloadHandler();
}
