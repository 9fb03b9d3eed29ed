#include "comparepage.h"

#include "lesson.h"
#include "qtext.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QResizeEvent>
#include <QStackedWidget>

using namespace Qt::StringLiterals;

namespace {

constexpr std::array Methods{lesson::Method::PickMin, lesson::Method::PairSwap,
                             lesson::Method::Tally};

QLabel *textLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

} // namespace

ComparePage::ComparePage(QStackedWidget *pages)
    : QWidget(pages)
    , m_columns(new QBoxLayout(QBoxLayout::LeftToRight))
    , m_note(textLabel(u"note"_s, this))
{
    for (size_t i = 0; i < Methods.size(); ++i) {
        const QString program = toQString(lesson::methodProgram(Methods[i]));
        auto *box = new QGroupBox(program, this);
        m_methods[i] = {textLabel(u"result_"_s + program, box),
                        textLabel(u"counters_"_s + program, box)};
        m_methods[i].result->setAccessibleName(u"Результат %1"_s.arg(program));
        m_methods[i].counters->setAccessibleName(u"Счётчики %1"_s.arg(program));
        auto *column = new QVBoxLayout(box);
        column->addWidget(m_methods[i].result);
        column->addWidget(m_methods[i].counters);
        m_columns->addWidget(box, 1);
    }
    m_note->setAccessibleName(u"Почему результаты различаются"_s);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(m_columns);
    layout->addWidget(m_note);
    layout->addStretch();
    pages->addWidget(this);
}

void ComparePage::setInput(const QString &input)
{
    std::array<lesson::SortTrace, 3> traces;
    for (size_t i = 0; i < Methods.size(); ++i) {
        traces[i] = lesson::traceSort(Methods[i], toCoreText(input));
        const lesson::SortTrace &trace = traces[i];
        // A click that failed shows its message where the result would be.
        m_methods[i].result->setText(
            toQString(trace.error.empty() ? trace.resultLine() : trace.error));
        const lesson::SortStep *last = trace.steps.empty() ? nullptr : &trace.steps.back();
        QString counters = u"Сравнений: %1"_s.arg(last ? last->comparisons : 0);
        if (Methods[i] == lesson::Method::PairSwap)
            counters += u", перестановок: %1"_s.arg(last ? last->swaps : 0);
        m_methods[i].counters->setText(counters);
    }
    const std::u16string note = lesson::compareNote(traces[0], traces[1], traces[2]);
    m_note->setText(note.empty() ? u"Результаты трёх методов совпадают."_s : toQString(note));
}

void ComparePage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const auto direction =
        event->size().width() < 600 ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight;
    if (m_columns->direction() != direction)
        m_columns->setDirection(direction);
}
