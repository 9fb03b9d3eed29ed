#include "formview.h"

#include "commandbuttonview.h"
#include "form.h"
#include "labelview.h"
#include "messagebox.h"
#include "qtext.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

QAccessibleInterface *accessibleWindow(const QString &className, QObject *object)
{
    if (className == QLatin1String("FormView") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
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

FormView::FormView(Form &form, QWidget *parent)
    : QWidget(parent)
    , m_form(form)
{
    const FormLayout &layout = form.layout();
    setWindowTitle(toQString(layout.caption));
    setFont(windowFont());
    setFixedSize(twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight));

    // Widgets are made in tab order, which is also the order a screen reader walks them in.
    std::vector<Control *> byTabIndex;
    for (const auto &control : form.controls())
        byTabIndex.push_back(control.get());
    std::stable_sort(byTabIndex.begin(), byTabIndex.end(), [](Control *a, Control *b) {
        return a->layout().tabIndex < b->layout().tabIndex;
    });
    for (Control *control : byTabIndex) {
        const ControlLayout &entry = control->layout();
        QWidget *widget = createWidget(*control);
        widget->setObjectName(toQString(entry.name));
        widget->setGeometry(twipsToPixels(entry.left), twipsToPixels(entry.top),
                            twipsToPixels(entry.width), twipsToPixels(entry.height));
        m_bindings.push_back({control, widget, control->revision() - 1});
    }
    QWidget *previous = nullptr;
    for (Control *control : form.tabOrder()) {
        QWidget *widget = findChild<QWidget *>(toQString(control->name()));
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }

    form.setPresenter([this](const std::u16string &prompt, const std::u16string &title) {
        // The box covers the window: show first what the handler wrote up to here.
        refresh();
        presentMessage(toQString(prompt), toQString(title), this);
    });
    form.setUnloadHandler([this] { close(); });
    refresh();

    static const bool accessibleAsWindow = (QAccessible::installFactory(accessibleWindow), true);
    Q_UNUSED(accessibleAsWindow);
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, &FormView::showDefaultButton);
    showDefaultButton();
}

FormView::~FormView()
{
    // The widgets still hand their focus on as they are destroyed after this.
    disconnect(m_focusWatch);
    m_form.setPresenter({});
    m_form.setUnloadHandler({});
}

QWidget *FormView::createWidget(Control &control)
{
    switch (control.kind()) {
    case ControlLayout::Kind::Label:
        return new LabelView(this);
    case ControlLayout::Kind::TextBox: {
        auto *box = new QLineEdit(this);
        box->setMaxLength(TextBox::MaxLength);
        box->setAccessibleName(toQString(control.layout().accessibleName));
        auto &model = static_cast<TextBox &>(control);
        connect(box, &QLineEdit::textChanged, this, [this, box, &model](const QString &text) {
            if (QStringView(model.text()) == text)
                return;
            model.setText(toCoreText(text));
            if (QStringView(model.text()) != text) {
                // A paste or drop of several lines: the box shows the blanks they are read as.
                const auto caret = static_cast<int>(
                    asOneLine(toCoreText(text.left(box->cursorPosition()))).size());
                const QSignalBlocker blocker(box);
                box->setText(toQString(model.text()));
                box->setCursorPosition(caret);
            }
            for (Binding &binding : m_bindings) {
                if (binding.widget == box)
                    binding.shownRevision = model.revision();
            }
        });
        connect(box, &QLineEdit::returnPressed, this, &FormView::pressDefaultButton);
        return box;
    }
    case ControlLayout::Kind::CommandButton:
        break;
    }
    auto *button = new CommandButtonView(this);
    auto &model = static_cast<CommandButton &>(control);
    connect(button, &QAbstractButton::clicked, this, [this, &model] { click(model); });
    return button;
}

void FormView::click(CommandButton &button)
{
    takeSelections();
    m_form.click(button);
    refresh();
}

void FormView::pressDefaultButton()
{
    takeSelections();
    m_form.pressDefaultButton();
    refresh();
}

void FormView::takeSelections()
{
    for (Binding &binding : m_bindings) {
        if (binding.control->kind() != ControlLayout::Kind::TextBox)
            continue;
        const auto *box = static_cast<QLineEdit *>(binding.widget);
        auto &model = static_cast<TextBox &>(*binding.control);
        if (box->hasSelectedText())
            model.select(box->selectionStart(), box->selectionLength());
        else
            model.select(box->cursorPosition(), 0);
        binding.shownRevision = model.revision();
    }
}

void FormView::showDefaultButton()
{
    QWidget *focus = QApplication::focusWidget();
    const Control *target = m_form.defaultButton();
    for (const Binding &binding : m_bindings) {
        if (binding.widget == focus &&
            binding.control->kind() == ControlLayout::Kind::CommandButton)
            target = binding.control;
    }
    for (const Binding &binding : m_bindings) {
        if (binding.control->kind() == ControlLayout::Kind::CommandButton)
            static_cast<QPushButton *>(binding.widget)->setDefault(binding.control == target);
    }
}

void FormView::refresh()
{
    for (Binding &binding : m_bindings) {
        if (binding.control->revision() != binding.shownRevision)
            update(binding);
    }
}

void FormView::update(Binding &binding)
{
    binding.shownRevision = binding.control->revision();
    switch (binding.control->kind()) {
    case ControlLayout::Kind::Label:
        static_cast<LabelView *>(binding.widget)
            ->setCaption(toQString(static_cast<Label &>(*binding.control).caption()));
        return;
    case ControlLayout::Kind::TextBox: {
        auto *box = static_cast<QLineEdit *>(binding.widget);
        const auto &model = static_cast<TextBox &>(*binding.control);
        if (QStringView(model.text()) != box->text())
            box->setText(toQString(model.text()));
        if (model.selLength() > 0)
            box->setSelection(model.selStart(), model.selLength());
        else
            box->setCursorPosition(model.selStart());
        return;
    }
    case ControlLayout::Kind::CommandButton:
        break;
    }
    static_cast<QAbstractButton *>(binding.widget)
        ->setText(toQString(static_cast<CommandButton &>(*binding.control).caption()));
}

void FormView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown && !m_form.tabOrder().empty()) {
        if (QWidget *first = findChild<QWidget *>(toQString(m_form.tabOrder().front()->name())))
            first->setFocus(Qt::OtherFocusReason);
    }
    m_shown = true;
}
