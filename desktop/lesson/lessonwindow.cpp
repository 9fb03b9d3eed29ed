#include "lessonwindow.h"

#include "checkdialog.h"
#include "comparepage.h"
#include "loanpage.h"
#include "qtext.h"
#include "quizpanel.h"
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
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
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

    const lesson::QuizTexts &quizTexts = lesson::quizTexts();
    m_modes = new QWidget(this);
    m_watch = new QRadioButton(toQString(quizTexts.watchMode), m_modes);
    m_watch->setObjectName(u"watchMode"_s);
    m_watch->setChecked(true);
    m_predict = new QRadioButton(toQString(quizTexts.mode), m_modes);
    m_predict->setObjectName(u"predictMode"_s);
    m_newTask = new QPushButton(toQString(quizTexts.newTask), m_modes);
    m_newTask->setObjectName(u"newTask"_s);
    m_newTask->setAutoDefault(false);
    auto *modes = new QHBoxLayout(m_modes);
    modes->setContentsMargins(0, 0, 0, 0);
    modes->addWidget(m_watch);
    modes->addWidget(m_predict);
    modes->addStretch();
    modes->addWidget(m_newTask);

    auto *content = new QWidget(this);
    m_panel = new QuizPanel(content);
    m_panel->setObjectName(u"quiz"_s);
    m_pages = new QStackedWidget(content);
    m_sort = new SortPage(m_pages);
    m_compare = new ComparePage(m_pages);
    m_loan = new LoanPage(m_pages);
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(m_panel);
    contentLayout->addWidget(m_pages, 1);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(u"scroll"_s);
    m_scroll->setWidget(content);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);

    auto *checkButton = new QPushButton(toQString(quizTexts.checkTitle), this);
    checkButton->setObjectName(u"openCheck"_s);
    checkButton->setAutoDefault(false);
    connect(checkButton, &QPushButton::clicked, this, &LessonWindow::openCheck);

    auto *top = new QHBoxLayout;
    top->addWidget(choiceLabel);
    top->addWidget(m_choice, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_modes);
    layout->addWidget(m_numbers);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(checkButton, 0, Qt::AlignLeft);

    setTabOrder(m_choice, m_watch);
    setTabOrder(m_watch, m_predict);
    setTabOrder(m_predict, m_newTask);
    setTabOrder(m_newTask, m_input);
    setTabOrder(m_input, runButton);

    connect(m_choice, &QComboBox::currentIndexChanged, this, &LessonWindow::showChoice);
    connect(m_input, &QLineEdit::returnPressed, this, &LessonWindow::runTyped);
    connect(runButton, &QPushButton::clicked, this, &LessonWindow::runTyped);
    connect(m_loan, &LoanPage::calculateAsked, this, &LessonWindow::runTyped);
    connect(m_predict, &QRadioButton::toggled, this, &LessonWindow::setPredict);
    connect(m_newTask, &QPushButton::clicked, this, &LessonWindow::newTask);
    connect(m_panel, &QuizPanel::moved, this, &LessonWindow::showQuizStep);
    connect(m_panel, &QuizPanel::stepAsked, this, [this] {
        QWidget *page = m_pages->currentWidget() == m_sort ? m_sort->stepView() : m_pages;
        m_scroll->ensureWidgetVisible(page);
        m_sort->stepView()->setFocus();
    });
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
    // The comparison asks nothing: it is only watched.
    m_modes->setEnabled(kind != lesson::LessonChoice::Kind::Compare);
    m_pages->setCurrentWidget(
        kind == lesson::LessonChoice::Kind::Loan      ? static_cast<QWidget *>(m_loan)
        : kind == lesson::LessonChoice::Kind::Compare ? static_cast<QWidget *>(m_compare)
                                                      : m_sort);
    run();
}

void LessonWindow::run()
{
    const lesson::LessonChoice &chosen = choice();
    if (m_settings.predict && chosen.kind != lesson::LessonChoice::Kind::Compare) {
        startQuiz();
        return;
    }
    stopQuiz();
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

void LessonWindow::runTyped()
{
    if (m_quiz && m_settings.seed) {
        const std::array<QString, 3> loan = m_loan->fields();
        const lesson::LoanInput &asked = m_quiz->loanInput();
        const bool same = m_quiz->loan() ? toCoreText(loan[0]) == asked.amount &&
                                               toCoreText(loan[1]) == asked.rate &&
                                               toCoreText(loan[2]) == asked.payment
                                         : toCoreText(m_input->text()) == m_quiz->input();
        if (!same)
            m_settings.seed.reset();
    }
    run();
}

void LessonWindow::startQuiz()
{
    std::optional<lesson::QuizSession> started =
        lesson::quizSessionFor(lesson::withPredictSettings(link(), m_settings));
    stopQuiz();
    if (!started)
        return;
    m_quiz.emplace(std::move(*started));
    m_newTask->setVisible(true);
    // The boxes show the task asked about: a seed's numbers replace what they held.
    m_input->setText(toQString(m_quiz->input()));
    m_sort->follow(&*m_quiz);
    m_loan->follow(&*m_quiz);
    m_panel->setRun(&*m_quiz);
}

void LessonWindow::stopQuiz()
{
    m_panel->setRun(nullptr);
    m_sort->follow(nullptr);
    m_loan->follow(nullptr);
    m_quiz.reset();
    m_newTask->setVisible(false);
}

void LessonWindow::showQuizStep()
{
    if (m_pages->currentWidget() == m_sort)
        m_sort->showStep();
    else
        m_loan->showStep();
}

void LessonWindow::setPredict(bool predict)
{
    if (predict == m_settings.predict && predict == bool(m_quiz))
        return;
    m_settings.predict = predict;
    {
        const QSignalBlocker blocker(m_predict);
        m_predict->setChecked(predict);
        m_watch->setChecked(!predict);
    }
    run();
}

void LessonWindow::newTask()
{
    applyLink(lesson::newTaskLink(link(), QRandomGenerator::global()->generate64()));
}

lesson::LessonLink LessonWindow::link() const
{
    lesson::LessonLink shown = lesson::defaultLink();
    shown.program = choice().program;
    shown.input = toCoreText(m_input->text());
    const std::array<QString, 3> loan = m_loan->fields();
    shown.amount = toCoreText(loan[0]);
    shown.rate = toCoreText(loan[1]);
    shown.payment = toCoreText(loan[2]);
    shown.step = m_sort->step();
    return lesson::withPredictSettings(shown, m_settings);
}

void LessonWindow::openLink(const QString &link)
{
    applyLink(lesson::parseLink(toCoreText(link), this->link()));
}

void LessonWindow::applyLink(const lesson::LessonLink &opened)
{
    m_settings = lesson::predictSettings(opened);
    m_input->setText(toQString(opened.input));
    m_loan->setFields(
        {toQString(opened.amount), toQString(opened.rate), toQString(opened.payment)});
    {
        const QSignalBlocker blocker(m_choice);
        choose(opened.program);
    }
    {
        const QSignalBlocker blocker(m_predict);
        m_predict->setChecked(m_settings.predict);
        m_watch->setChecked(!m_settings.predict);
    }
    showChoice();
    if (!m_quiz && choice().kind == lesson::LessonChoice::Kind::Sort)
        m_sort->goTo(opened.step);
}

void LessonWindow::openCheck()
{
    if (!m_check)
        m_check = new CheckDialog(this);
    m_check->show();
    m_check->raise();
    m_check->activateWindow();
}

bool LessonWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    // Only as the key reaches the widget with the focus, not again as it passes to its parents.
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this || widget != QApplication::focusWidget())
        return false;
    const auto *press = static_cast<QKeyEvent *>(event);
    const bool typing = qobject_cast<const QLineEdit *>(widget) ||
                        qobject_cast<const QPlainTextEdit *>(widget) ||
                        qobject_cast<const QAbstractSpinBox *>(widget);
    if (m_quiz && !typing && m_panel->takeKey(press))
        return true;
    QWidget *stepper = m_pages->currentWidget();
    if (stepper != m_sort && !(m_quiz && stepper == m_loan))
        return false;
    if ((press->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const std::optional<lesson::Key> key = lessonKey(press->key());
    if (!key || needsKey(widget, *key, stepper))
        return false;
    if (stepper == m_sort) {
        m_sort->press(*key);
    } else {
        m_quiz->press(*key);
        m_loan->showStep();
    }
    return true;
}
