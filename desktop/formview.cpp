#include "formview.h"

#include "commandbuttonview.h"
#include "form.h"
#include "labelview.h"
#include "messagebox.h"
#include "qtext.h"
#include "textboxview.h"

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

void showTextBox(QLineEdit &box, const TextBox &model)
{
    if (QStringView(model.text()) != box.text())
        box.setText(toQString(model.text()));
    if (model.selLength() > 0)
        box.setSelection(model.selStart(), model.selLength());
    else
        box.setCursorPosition(model.selStart());
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
    for (Control *control : form.byTabIndex()) {
        const ControlLayout &entry = control->layout();
        Binding binding = bind(*control);
        binding.widget->setObjectName(toQString(entry.name));
        binding.widget->setGeometry(twipsToPixels(entry.left), twipsToPixels(entry.top),
                                    twipsToPixels(entry.width), twipsToPixels(entry.height));
        m_bindings.push_back(std::move(binding));
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

// The one switch on the kind of a control: each kind has its own widget class and properties, and
// this is where the two meet; everything after works on the typed pairs made here.
FormView::Binding FormView::bind(Control &control)
{
    const std::uint64_t unshown = control.revision() - 1;
    switch (control.kind()) {
    case ControlLayout::Kind::Label: {
        auto *view = new LabelView(this);
        const auto &model = static_cast<const Label &>(control);
        return {&control, view, unshown, [view, &model] { view->setCaption(model.caption()); }};
    }
    case ControlLayout::Kind::TextBox: {
        auto *box = new TextBoxView(this);
        auto &model = static_cast<TextBox &>(control);
        box->setAccessibleName(toQString(control.layout().accessibleName));
        connect(box, &QLineEdit::textChanged, this, [this, box, &model](const QString &text) {
            if (QStringView(model.text()) == text)
                return;
            model.setText(toCoreText(text));
            // Pastes arrive as one line already; a space of another width, typed, shows as the
            // blank the form reads, with the caret where it was.
            if (QStringView(model.text()) != text) {
                const auto caret = asOneLine(toCoreText(text.left(box->cursorPosition()))).size();
                const QSignalBlocker blocker(box);
                box->setText(toQString(model.text()));
                box->setCursorPosition(static_cast<int>(caret));
            }
            markShown(model);
        });
        connect(box, &QLineEdit::returnPressed, this, &FormView::pressDefaultButton);
        m_boxes.emplace_back(&model, box);
        return {&control, box, unshown, [box, &model] { showTextBox(*box, model); }};
    }
    case ControlLayout::Kind::CommandButton:
        break;
    }
    auto *button = new CommandButtonView(this);
    auto &model = static_cast<CommandButton &>(control);
    connect(button, &QAbstractButton::clicked, this, [this, &model] { click(model); });
    m_buttons.emplace_back(&model, button);
    return {&control, button, unshown,
            [button, &model] { button->setText(toQString(model.caption())); }};
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
    for (const auto &[model, box] : m_boxes) {
        if (box->hasSelectedText())
            model->select(box->selectionStart(), box->selectionLength());
        else
            model->select(box->cursorPosition(), 0);
        markShown(*model);
    }
}

void FormView::markShown(const Control &control)
{
    for (Binding &binding : m_bindings) {
        if (binding.control == &control)
            binding.shownRevision = control.revision();
    }
}

void FormView::showDefaultButton()
{
    const QWidget *focus = QApplication::focusWidget();
    const CommandButton *target = m_form.defaultButton();
    for (const auto &[model, button] : m_buttons) {
        if (button == focus)
            target = model;
    }
    for (const auto &[model, button] : m_buttons)
        button->setDefault(model == target);
}

void FormView::refresh()
{
    for (Binding &binding : m_bindings) {
        if (binding.control->revision() != binding.shownRevision)
            showChanges(binding);
    }
}

void FormView::showChanges(Binding &binding)
{
    binding.shownRevision = binding.control->revision();
    binding.show();
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
