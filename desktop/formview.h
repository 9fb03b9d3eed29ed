#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class CommandButton;
class Control;
class Form;
class QLineEdit;
class QPushButton;
class TextBox;

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
    // A control and the widget that shows it, with the revision shown and how to show it.
    struct Binding {
        Control *control;
        QWidget *widget;
        std::uint64_t shownRevision;
        std::function<void()> show;
    };

    Binding bind(Control &control);
    void click(CommandButton &button);
    void pressDefaultButton();
    // Hands the user's selections to the form before a handler reads them.
    void takeSelections();
    // Marks the button that Enter presses: the focused one, else the layout's default button.
    void showDefaultButton();
    void showChanges(Binding &binding);
    void markShown(const Control &control);

    Form &m_form;
    std::vector<Binding> m_bindings;
    std::vector<std::pair<TextBox *, QLineEdit *>> m_boxes;
    std::vector<std::pair<const CommandButton *, QPushButton *>> m_buttons;
    bool m_shown = false;
    QMetaObject::Connection m_focusWatch;
};
