#include "form.h"

#include "commandbutton.h"
#include "label.h"
#include "messagebox.h"
#include "runtimeerror.h"
#include "textbox.h"

#include <algorithm>

namespace {

QWidget *createControl(const ControlSpec &spec, QWidget *parent)
{
    switch (spec.kind) {
    case ControlSpec::Kind::Label: {
        auto *label = new Label(parent);
        label->setCaption(spec.caption);
        return label;
    }
    case ControlSpec::Kind::TextBox: {
        auto *box = new TextBox(parent);
        box->setText(spec.caption);
        box->setAccessibleName(spec.accessibleName);
        return box;
    }
    case ControlSpec::Kind::CommandButton: {
        auto *button = new CommandButton(parent);
        button->setCaption(spec.caption);
        return button;
    }
    }
    return nullptr;
}

// The form designer's default was 8 points at 96 dots per inch.
QFont windowFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

} // namespace

Form::Form(const FormLayout &layout, QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(layout.caption);
    setFont(windowFont());
    setFixedSize(twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight));

    QList<ControlSpec> byTabIndex = layout.controls;
    std::stable_sort(
        byTabIndex.begin(), byTabIndex.end(),
        [](const ControlSpec &a, const ControlSpec &b) { return a.tabIndex < b.tabIndex; });
    for (const ControlSpec &spec : byTabIndex) {
        QWidget *control = createControl(spec, this);
        control->setObjectName(spec.name);
        control->setGeometry(twipsToPixels(spec.left), twipsToPixels(spec.top),
                             twipsToPixels(spec.width), twipsToPixels(spec.height));
        if (control->focusPolicy() != Qt::NoFocus)
            m_tabOrder.append(control);
    }
    for (qsizetype i = 1; i < m_tabOrder.size(); ++i)
        QWidget::setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);

    if (CommandButton *button = commandButton(layout.defaultButton)) {
        for (TextBox *box : findChildren<TextBox *>())
            connect(box, &QLineEdit::returnPressed, button, &QAbstractButton::click);
    }
}

Label *Form::label(const QString &name) const
{
    return findChild<Label *>(name, Qt::FindDirectChildrenOnly);
}

TextBox *Form::textBox(const QString &name) const
{
    return findChild<TextBox *>(name, Qt::FindDirectChildrenOnly);
}

CommandButton *Form::commandButton(const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    return findChild<CommandButton *>(name, Qt::FindDirectChildrenOnly);
}

void Form::onClick(CommandButton *button, std::function<void()> handler)
{
    connect(button, &QAbstractButton::clicked, this, [handler = std::move(handler)] {
        try {
            handler();
        } catch (const RuntimeError &error) {
            showMessage(error.message());
        }
    });
}

void Form::unload()
{
    close();
}

void Form::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown && !m_tabOrder.isEmpty())
        m_tabOrder.first()->setFocus(Qt::OtherFocusReason);
    m_shown = true;
}
