#pragma once

#include "controls.h"
#include "formlayout.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A window as data: its layout and its controls. Views show it and pass user actions in; the
// programs' handlers read and write its controls only.
class Form {
public:
    // Shows a prompt to the user, titled with the program's name, and returns when the user has
    // closed it (a view that cannot wait shows it once the handler has returned).
    using Presenter =
        std::function<void(const std::u16string &prompt, const std::u16string &title)>;

    Form(FormLayout layout, std::u16string programName);
    virtual ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    const FormLayout &layout() const { return m_layout; }
    const std::u16string &caption() const { return m_layout.caption; }
    const std::u16string &programName() const { return m_programName; }

    // In the layout's order.
    const std::vector<std::unique_ptr<Control>> &controls() const { return m_controls; }
    // Every control by tab index (the order a screen reader walks them in), then those that take
    // focus, in the same order; focus starts on the first.
    const std::vector<Control *> &byTabIndex() const { return m_byTabIndex; }
    const std::vector<Control *> &tabOrder() const { return m_tabOrder; }
    // Null when the layout names none.
    CommandButton *defaultButton() const { return m_defaultButton; }

    // The control of that name and kind; std::invalid_argument when the layout has none, so that
    // a program that names a missing control fails when its form is made.
    Label &label(std::u16string_view name) const;
    TextBox &textBox(std::u16string_view name) const;
    CommandButton &commandButton(std::u16string_view name) const;
    Control *find(std::u16string_view name) const;

    void onClick(CommandButton &button, std::function<void()> handler);
    // Runs the button's handler. A runtime error ends the handler where it stands and its message
    // goes to the presenter; the controls stay as the handler left them. False in that case.
    // Once a handler has shown a message, a write to any control throws std::logic_error: one
    // view shows the message at once, another once the handler has returned, and both must show
    // the window the same behind it.
    bool click(CommandButton &button);
    // Enter in an entry box: a click on the default button, if the layout names one.
    bool pressDefaultButton();

    void showMessage(std::u16string_view prompt);
    void setPresenter(Presenter presenter) { m_presenter = std::move(presenter); }

    // Ends the form, which ends the program; the view closes its window.
    void unload();
    bool isUnloaded() const { return m_unloaded; }
    void setUnloadHandler(std::function<void()> handler) { m_unloadHandler = std::move(handler); }

private:
    template<class Kind>
    Kind &control(std::u16string_view name, const char *kindName) const;

    FormLayout m_layout;
    std::u16string m_programName;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::vector<Control *> m_byTabIndex;
    std::vector<Control *> m_tabOrder;
    CommandButton *m_defaultButton = nullptr;
    std::vector<std::pair<CommandButton *, std::function<void()>>> m_handlers;
    Presenter m_presenter;
    std::function<void()> m_unloadHandler;
    bool m_unloaded = false;
    bool m_clicking = false;
    bool m_messageShown = false;
};
