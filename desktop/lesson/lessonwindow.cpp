#include "lessonwindow.h"

#include "comparepage.h"
#include "loanpage.h"
#include "qtext.h"
#include "sortpage.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

std::optional<lesson::Key> lessonKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return lesson::Key::Left;
    case Qt::Key_Right:
        return lesson::Key::Right;
    case Qt::Key_PageUp:
        return lesson::Key::PageUp;
    case Qt::Key_PageDown:
        return lesson::Key::PageDown;
    case Qt::Key_Home:
        return lesson::Key::Home;
    case Qt::Key_End:
        return lesson::Key::End;
    case Qt::Key_Space:
        return lesson::Key::Space;
    default:
        return std::nullopt;
    }
}

// Whether the widget with the focus needs the key itself: an entry box, a spin box or a table
// needs them all; a closed list of choices its ↑ and ↓ (which choose) and Space (which opens it);
// a button outside the stepper its Space.
bool needsKey(const QWidget *focus, lesson::Key key, const QWidget *stepper)
{
    if (qobject_cast<const QLineEdit *>(focus) || qobject_cast<const QAbstractSpinBox *>(focus) ||
        qobject_cast<const QAbstractItemView *>(focus))
        return true;
    if (qobject_cast<const QComboBox *>(focus))
        return key == lesson::Key::Space;
    if (qobject_cast<const QAbstractButton *>(focus))
        return key == lesson::Key::Space && !stepper->isAncestorOf(focus);
    return false;
}

} // namespace

LessonWindow::LessonWindow(QWidget *parent)
    : QWidget(parent)
{
    const lesson::LessonTexts &texts = lesson::lessonTexts();
    setWindowTitle(toQString(texts.title));
    m_choice = new QComboBox(this);
    m_choice->setObjectName(u"choice"_s);
    // The choices are long; at a phone's width they are shortened rather than widen the window.
    m_choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_choice->setMinimumContentsLength(16);
    for (const lesson::LessonChoice &choice : lesson::choices())
        m_choice->addItem(toQString(choice.label));
    auto *choiceLabel = new QLabel(toQString(texts.choice) + u':', this);
    choiceLabel->setBuddy(m_choice);

    m_numbers = new QWidget(this);
    const lesson::InputField &field = lesson::numbersField();
    m_input = new QLineEdit(toQString(field.start), m_numbers);
    m_input->setObjectName(QString::fromLatin1(field.id));
    m_input->setAccessibleName(toQString(field.caption));
    m_input->setMaxLength(field.maxLength);
    auto *inputLabel = new QLabel(toQString(field.caption) + u':', m_numbers);
    inputLabel->setBuddy(m_input);
    inputLabel->setWordWrap(true);
    auto *runButton = new QPushButton(toQString(texts.run), m_numbers);
    runButton->setObjectName(u"run"_s);
    runButton->setAutoDefault(false);
    auto *numbers = new QGridLayout(m_numbers);
    numbers->setContentsMargins(0, 0, 0, 0);
    numbers->addWidget(inputLabel, 0, 0, 1, 2);
    numbers->addWidget(m_input, 1, 0);
    numbers->addWidget(runButton, 1, 1);

    m_pages = new QStackedWidget(this);
    m_sort = new SortPage(m_pages);
    m_compare = new ComparePage(m_pages);
    m_loan = new LoanPage(m_pages);
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(u"scroll"_s);
    scroll->setWidget(m_pages);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    auto *top = new QHBoxLayout;
    top->addWidget(choiceLabel);
    top->addWidget(m_choice, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_numbers);
    layout->addWidget(scroll, 1);

    setTabOrder(m_choice, m_input);
    setTabOrder(m_input, runButton);
    setTabOrder(runButton, m_sort->stepView());

    connect(m_choice, &QComboBox::currentIndexChanged, this, &LessonWindow::showChoice);
    connect(m_input, &QLineEdit::returnPressed, this, &LessonWindow::run);
    connect(runButton, &QPushButton::clicked, this, &LessonWindow::run);
    qApp->installEventFilter(this);
    showChoice();
    // The first choice is a sort: the focus starts where its step keys work.
    m_sort->stepView()->setFocus();
    resize(720, 760);
}

LessonWindow::~LessonWindow()
{
    qApp->removeEventFilter(this);
}

const lesson::LessonChoice &LessonWindow::choice() const
{
    return lesson::choices().at(size_t(std::max(0, m_choice->currentIndex())));
}

void LessonWindow::choose(std::u16string_view program)
{
    const lesson::LessonChoice *found = lesson::findChoice(program);
    if (found)
        m_choice->setCurrentIndex(int(found - lesson::choices().data()));
}

void LessonWindow::showChoice()
{
    const lesson::LessonChoice::Kind kind = choice().kind;
    m_numbers->setVisible(kind != lesson::LessonChoice::Kind::Loan);
    m_pages->setCurrentWidget(
        kind == lesson::LessonChoice::Kind::Loan      ? static_cast<QWidget *>(m_loan)
        : kind == lesson::LessonChoice::Kind::Compare ? static_cast<QWidget *>(m_compare)
                                                      : m_sort);
    run();
}

void LessonWindow::run()
{
    const lesson::LessonChoice &chosen = choice();
    switch (chosen.kind) {
    case lesson::LessonChoice::Kind::Sort:
        m_sort->setTrace(lesson::traceSort(*chosen.method, toCoreText(m_input->text())));
        break;
    case lesson::LessonChoice::Kind::Compare:
        m_compare->setInput(m_input->text());
        break;
    case lesson::LessonChoice::Kind::Loan:
        m_loan->calculate();
        break;
    }
}

void LessonWindow::openLink(const QString &link)
{
    lesson::LessonLink defaults = lesson::defaultLink();
    defaults.program = choice().program;
    defaults.input = toCoreText(m_input->text());
    const std::array<QString, 3> loan = m_loan->fields();
    defaults.amount = toCoreText(loan[0]);
    defaults.rate = toCoreText(loan[1]);
    defaults.payment = toCoreText(loan[2]);
    const lesson::LessonLink opened = lesson::parseLink(toCoreText(link), defaults);
    m_input->setText(toQString(opened.input));
    m_loan->setFields(
        {toQString(opened.amount), toQString(opened.rate), toQString(opened.payment)});
    {
        const QSignalBlocker blocker(m_choice);
        choose(opened.program);
    }
    showChoice();
    if (choice().kind == lesson::LessonChoice::Kind::Sort)
        m_sort->goTo(opened.step);
}

bool LessonWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || m_pages->currentWidget() != m_sort)
        return false;
    // Only as the key reaches the widget with the focus, not again as it passes to its parents.
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this || widget != QApplication::focusWidget())
        return false;
    const auto *press = static_cast<QKeyEvent *>(event);
    if ((press->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const std::optional<lesson::Key> key = lessonKey(press->key());
    if (!key || needsKey(widget, *key, m_sort))
        return false;
    m_sort->press(*key);
    return true;
}
