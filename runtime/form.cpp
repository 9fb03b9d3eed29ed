#include "form.h"

#include "commandbutton.h"
#include "label.h"
#include "messagebox.h"
#include "runtimeerror.h"
#include "textbox.h"

#include <algorithm>
#include <new>

namespace {

QWidget *createControl(const ControlLayout &entry, QWidget *parent)
{
    switch (entry.kind) {
    case ControlLayout::Kind::Label: {
        auto *label = new Label(parent);
        label->setCaption(entry.caption);
        return label;
    }
    case ControlLayout::Kind::TextBox: {
        auto *box = new TextBox(parent);
        box->setText(entry.caption);
        box->setAccessibleName(entry.accessibleName);
        return box;
    }
    case ControlLayout::Kind::CommandButton: {
        auto *button = new CommandButton(parent);
        button->setCaption(entry.caption);
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

    QList<ControlLayout> byTabIndex = layout.controls;
    std::stable_sort(
        byTabIndex.begin(), byTabIndex.end(),
        [](const ControlLayout &a, const ControlLayout &b) { return a.tabIndex < b.tabIndex; });
    for (const ControlLayout &entry : byTabIndex) {
        QWidget *control = createControl(entry, this);
        control->setObjectName(entry.name);
        control->setGeometry(twipsToPixels(entry.left), twipsToPixels(entry.top),
                             twipsToPixels(entry.width), twipsToPixels(entry.height));
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
        } catch (const std::bad_alloc &) {
            showMessage(QStringLiteral("Ошибка выполнения: недостаточно памяти."));
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
