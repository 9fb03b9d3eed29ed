#pragma once

#include "formlayout.h"

#include <QWidget>
#include <functional>

class CommandButton;
class Label;
class TextBox;

// A fixed-size window built from a layout. Focus starts on the control with the lowest tab index
// that takes it; Enter in an entry box presses the layout's default button.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const FormLayout &layout, QWidget *parent = nullptr);

    Label *label(const QString &name) const;
    TextBox *textBox(const QString &name) const;
    CommandButton *commandButton(const QString &name) const;

    // Runs the handler at each click of the button. A runtime error ends the handler where it
    // stands and is shown in a message box; the window stays as the handler left it.
    void onClick(CommandButton *button, std::function<void()> handler);

    // Closes the window, which ends the program when it is the last one.
    void unload();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QList<QWidget *> m_tabOrder;
    bool m_shown = false;
};
