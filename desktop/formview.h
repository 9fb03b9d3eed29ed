#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

class CommandButton;
class Control;
class Form;

// A fixed-size window that shows a form: its widgets are built from the form's layout, user
// actions go to the form, and after each one the window shows, once, what the handler changed.
// Focus starts on the first control of the tab order; Enter in an entry box presses the layout's
// default button, which is drawn as the default while no other button has the focus. To a screen
// reader the window is a window, named by its caption.
class FormView : public QWidget {
    Q_OBJECT
public:
    explicit FormView(Form &form, QWidget *parent = nullptr);
    ~FormView() override;

    Form &form() const { return m_form; }

    // Shows what the handlers wrote since the last refresh.
    void refresh();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Binding {
        Control *control;
        QWidget *widget;
        std::uint64_t shownRevision;
    };

    QWidget *createWidget(Control &control);
    void click(CommandButton &button);
    void pressDefaultButton();
    // Hands the user's selections to the form before a handler reads them.
    void takeSelections();
    // Marks the button that Enter presses: the focused one, else the layout's default button.
    void showDefaultButton();
    void update(Binding &binding);

    Form &m_form;
    std::vector<Binding> m_bindings;
    bool m_shown = false;
    QMetaObject::Connection m_focusWatch;
};
