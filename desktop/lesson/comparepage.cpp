#include "comparepage.h"

#include "lesson.h"
#include "lessonwidgets.h"
#include "qtext.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QResizeEvent>
#include <QStackedWidget>

using namespace Qt::StringLiterals;

namespace {

// A label's text is what a screen reader reads as its name, so each result, counter and note is
// heard with its value.
QLabel *valueLabel(const QString &name, QWidget *parent)
{
    return textLabel(name, parent, true);
}

} // namespace

ComparePage::ComparePage(QStackedWidget *pages)
    : QWidget(pages)
    , m_title(valueLabel(u"compareTitle"_s, this))
    , m_columns(new QBoxLayout(QBoxLayout::LeftToRight))
    , m_note(valueLabel(u"note"_s, this))
{
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_title);
    layout->addLayout(m_columns);
    layout->addWidget(m_note);
    layout->addStretch();
    pages->addWidget(this);
}

void ComparePage::setInput(const QString &input)
{
    const lesson::Comparison comparison = lesson::compareMethods(toCoreText(input));
    m_title->setText(toQString(comparison.title));
    // The sections are the build's sorting programs, made once.
    if (m_sections.empty()) {
        for (const lesson::ComparisonSection &section : comparison.sections) {
            const QString program = toQString(lesson::methodProgram(section.method));
            auto *box = new QGroupBox(this);
            box->setObjectName(u"section_"_s + program);
            Section shown{box, valueLabel(u"result_"_s + program, box),
                          valueLabel(u"counters_"_s + program, box)};
            auto *column = new QVBoxLayout(box);
            column->addWidget(shown.result);
            column->addWidget(shown.counters);
            column->addStretch();
            m_columns->addWidget(box, 1);
            m_sections.push_back(shown);
        }
    }
    for (size_t i = 0; i < m_sections.size() && i < comparison.sections.size(); ++i) {
        const lesson::ComparisonSection &section = comparison.sections[i];
        const Section &shown = m_sections[i];
        shown.box->setTitle(toQString(section.title));
        shown.box->setAccessibleName(toQString(section.title));
        shown.box->setAccessibleDescription(toQString(section.spoken));
        shown.result->setText(toQString(section.result));
        shown.counters->setText(toQString(lesson::countersText(section.counters)));
    }
    m_note->setText(toQString(comparison.note));
}

void ComparePage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const auto direction =
        event->size().width() < 600 ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight;
    if (m_columns->direction() != direction)
        m_columns->setDirection(direction);
}
