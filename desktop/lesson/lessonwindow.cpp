#include "lessonwindow.h"

#include "bankform.h"
#include "comparepage.h"
#include "lesson.h"
#include "loanpage.h"
#include "pairswapform.h"
#include "pickminform.h"
#include "qtext.h"
#include "sortpage.h"
#include "tallyform.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The choice of a program, named as its window is.
QString choice(const Form &form)
{
    return toQString(form.programName()) + u": "_s + toQString(form.caption());
}

std::optional<lesson::Method> methodOf(LessonWindow::Mode mode)
{
    switch (mode) {
    case LessonWindow::Mode::PickMin:
        return lesson::Method::PickMin;
    case LessonWindow::Mode::PairSwap:
        return lesson::Method::PairSwap;
    case LessonWindow::Mode::Tally:
        return lesson::Method::Tally;
    default:
        return std::nullopt;
    }
}

} // namespace

LessonWindow::LessonWindow(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(u"Разбор"_s);
    const PickMinForm pickmin;
    m_mode = new QComboBox(this);
    m_mode->setObjectName(u"mode"_s);
    // The choices are long; at a phone's width they are shortened rather than widen the window.
    m_mode->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_mode->setMinimumContentsLength(16);
    m_mode->addItem(choice(pickmin));
    m_mode->addItem(choice(PairSwapForm()));
    m_mode->addItem(choice(TallyForm()));
    m_mode->addItem(u"Сравнение трёх методов на одних числах"_s);
    m_mode->addItem(choice(BankForm()));
    auto *modeLabel = new QLabel(u"&Что разобрать:"_s, this);
    modeLabel->setBuddy(m_mode);

    m_numbers = new QWidget(this);
    // The sorting windows' entry box: its name for screen readers and its length.
    m_input = new QLineEdit(m_numbers);
    m_input->setObjectName(u"numbers"_s);
    m_input->setAccessibleName(toQString(pickmin.Text1.layout().accessibleName));
    m_input->setMaxLength(TextBox::MaxLength);
    m_input->setText(u"5 3 8 1 9 2 7 4 10 6"_s);
    auto *inputLabel = new QLabel(u"&%1:"_s.arg(m_input->accessibleName()), m_numbers);
    inputLabel->setBuddy(m_input);
    auto *runButton = new QPushButton(u"&Разобрать"_s, m_numbers);
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
    scroll->setWidget(m_pages);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    auto *top = new QHBoxLayout;
    top->addWidget(modeLabel);
    top->addWidget(m_mode, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_numbers);
    layout->addWidget(scroll, 1);

    setTabOrder(m_mode, m_input);
    setTabOrder(m_input, runButton);
    setTabOrder(runButton, m_sort->findChild<QWidget *>(u"bars"_s));

    connect(m_mode, &QComboBox::currentIndexChanged, this, [this] { setMode(mode()); });
    connect(m_input, &QLineEdit::returnPressed, this, &LessonWindow::run);
    connect(runButton, &QPushButton::clicked, this, &LessonWindow::run);
    setMode(Mode::PickMin);
    resize(720, 720);
}

LessonWindow::Mode LessonWindow::mode() const
{
    return Mode(m_mode->currentIndex());
}

void LessonWindow::setMode(Mode mode)
{
    {
        const QSignalBlocker blocker(m_mode);
        m_mode->setCurrentIndex(int(mode));
    }
    m_numbers->setVisible(mode != Mode::Loan);
    m_pages->setCurrentWidget(mode == Mode::Loan      ? static_cast<QWidget *>(m_loan)
                              : mode == Mode::Compare ? static_cast<QWidget *>(m_compare)
                                                      : m_sort);
    run();
}

void LessonWindow::run()
{
    if (const auto method = methodOf(mode()))
        m_sort->setTrace(lesson::traceSort(*method, toCoreText(m_input->text())));
    else if (mode() == Mode::Compare)
        m_compare->setInput(m_input->text());
    else
        m_loan->calculate();
}
