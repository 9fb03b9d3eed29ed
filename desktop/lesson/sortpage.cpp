#include "sortpage.h"

#include "arraybars.h"
#include "lessonwidgets.h"
#include "qtext.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The stepper's buttons leave Enter to the key filter.
QPushButton *button(std::u16string_view text, const QString &name, QWidget *parent)
{
    return lessonButton(text, name, parent, false);
}

QString valuesText(const std::vector<lesson::NamedValue> &values, const QString &separator)
{
    QStringList lines;
    for (const lesson::NamedValue &value : values)
        lines << toQString(value.caption) + u": "_s + toQString(value.value);
    return lines.join(separator);
}

std::vector<ArrayBars::Row> barRows(const lesson::SortStepView &view)
{
    std::vector<ArrayBars::Row> rows{{toQString(lesson::SortLesson::elementsCaption()),
                                      {view.elements.begin(), view.elements.end()}}};
    if (!view.results.empty())
        rows.push_back({toQString(lesson::SortLesson::resultsCaption()), view.results});
    return rows;
}

} // namespace

SortPage::SortPage(QStackedWidget *pages)
    : QWidget(pages)
{
    const lesson::PlayerTexts &texts = lesson::playerTexts();
    m_bars = new ArrayBars(this);
    m_bars->setObjectName(u"bars"_s);
    m_heading = boldLabel(u"heading"_s, this);
    m_sentence = textLabel(u"sentence"_s, this);
    m_sentence->setMinimumHeight(m_sentence->fontMetrics().height() * 3);
    m_sentence->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message = textLabel(u"message"_s, this);
    m_inPlace = textLabel(u"inPlace"_s, this);
    m_counters = textLabel(u"counters"_s, this);
    m_variables = textLabel(u"variables"_s, this);
    m_lines = new QListWidget(this);
    m_lines->setObjectName(u"lines"_s);
    m_lines->setAccessibleName(toQString(lesson::lessonTexts().lines));
    m_lines->setWordWrap(true);
    // It only shows where the step stands; the keys stay with the player.
    m_lines->setFocusPolicy(Qt::NoFocus);
    m_lines->setSelectionMode(QAbstractItemView::SingleSelection);
    m_play = button(texts.play, u"play"_s, this);
    m_speed = new QComboBox(this);
    m_speed->setObjectName(u"speed"_s);
    for (const lesson::Speed &speed : lesson::speeds())
        m_speed->addItem(toQString(speed.name));
    m_speed->setCurrentIndex(m_player.speed());
    m_jump = new QSpinBox(this);
    m_jump->setObjectName(u"jump"_s);
    m_timer = new QTimer(this);
    m_timer->setInterval(m_player.interval());

    auto *first = button(texts.first, u"first"_s, this);
    auto *back = button(texts.back, u"back"_s, this);
    auto *forward = button(texts.forward, u"forward"_s, this);
    auto *last = button(texts.last, u"last"_s, this);
    for (const auto &[shownButton, stepMove] :
         {std::pair{first, lesson::Move::First}, std::pair{back, lesson::Move::Back},
          std::pair{forward, lesson::Move::Forward}, std::pair{last, lesson::Move::Last},
          std::pair{m_play, lesson::Move::PlayPause}}) {
        const lesson::Move made = stepMove;
        connect(shownButton, &QPushButton::clicked, this,
                [this, made] { move([made](auto &p) { p.apply(made); }); });
    }
    connect(m_jump, &QSpinBox::valueChanged, this, &SortPage::goTo);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_player.tick();
        move([](auto &) {});
    });
    connect(m_speed, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_player.setSpeed(index);
        m_timer->setInterval(m_player.interval());
    });

    // Two rows of two at a phone's width.
    auto *steps = new QGridLayout;
    steps->addWidget(first, 0, 0);
    steps->addWidget(back, 0, 1);
    steps->addWidget(forward, 1, 0);
    steps->addWidget(last, 1, 1);
    steps->setColumnStretch(2, 1);
    m_playing = new QWidget(this);
    auto *playing = new QHBoxLayout(m_playing);
    playing->setContentsMargins(0, 0, 0, 0);
    playing->addWidget(m_play);
    auto *speedLabel = new QLabel(toQString(texts.speed) + u':', m_playing);
    speedLabel->setBuddy(m_speed);
    playing->addWidget(speedLabel);
    playing->addWidget(m_speed);
    playing->addStretch();
    auto *jumping = new QHBoxLayout;
    auto *jumpLabel = new QLabel(toQString(texts.jump) + u':', this);
    jumpLabel->setBuddy(m_jump);
    jumping->addWidget(jumpLabel);
    jumping->addWidget(m_jump);
    jumping->addStretch();
    auto *keys = textLabel(u"keys"_s, this);
    keys->setText(toQString(texts.keys));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_heading);
    layout->addWidget(m_bars);
    layout->addWidget(m_inPlace);
    layout->addWidget(m_message);
    layout->addWidget(m_sentence);
    layout->addWidget(m_counters);
    layout->addWidget(m_variables);
    layout->addWidget(m_lines);
    layout->addLayout(steps);
    layout->addWidget(m_playing);
    layout->addLayout(jumping);
    layout->addWidget(keys);
    layout->addStretch();

    // Tab goes through the page as it reads: the bars, the step buttons, playing.
    QWidget *previous = m_bars;
    for (QWidget *next :
         std::initializer_list<QWidget *>{forward, back, first, last, m_play, m_speed, m_jump}) {
        setTabOrder(previous, next);
        previous = next;
    }
    pages->addWidget(this);
}

QWidget *SortPage::stepView() const
{
    return m_bars;
}

void SortPage::setTrace(lesson::SortTrace trace)
{
    m_lesson.emplace(std::move(trace));
    m_player.reset(m_lesson->stepCount());
    if (!m_run)
        showLesson();
}

void SortPage::follow(lesson::QuizSession *run)
{
    m_run = run && run->sort() ? run : nullptr;
    // The run is stepped by hand, and only as far as its question allows.
    m_player.pause();
    m_playing->setVisible(!m_run);
    showLesson();
}

const lesson::SortLesson *SortPage::shown() const
{
    return m_run ? m_run->sort() : m_lesson ? &*m_lesson : nullptr;
}

void SortPage::showLesson()
{
    const lesson::SortLesson *sort = shown();
    if (!sort)
        return;
    m_lines->clear();
    for (const std::u16string &line : sort->lines())
        m_lines->addItem(toQString(line));
    fitLines();
    m_message->setText(toQString(sort->message()));
    m_message->setVisible(!sort->message().empty());
    m_inPlace->setText(toQString(sort->inPlaceNote()));
    m_inPlace->setVisible(!sort->hasResults());
    // Step 0 holds every number the sort moves, so its bars span the whole range.
    double lowest = 0, highest = 0;
    for (const lesson::SlotView &slot : sort->step(0).elements) {
        lowest = std::min(lowest, slot.bar);
        highest = std::max(highest, slot.bar);
    }
    m_bars->setRange(lowest, highest);
    move([](auto &) {});
}

void SortPage::goTo(int step)
{
    if (m_run)
        m_run->setStep(step);
    else
        m_player.jump(step);
    move([](auto &) {});
}

void SortPage::press(lesson::Key key)
{
    move([key](auto &p) { p.press(key); });
}

int SortPage::step() const
{
    return m_run ? m_run->step() : m_player.step();
}

void SortPage::move(auto &&change)
{
    if (m_run)
        change(*m_run);
    else
        change(m_player);
    if (m_player.playing() && !m_timer->isActive())
        m_timer->start();
    else if (!m_player.playing())
        m_timer->stop();
    const lesson::PlayerTexts &texts = lesson::playerTexts();
    m_play->setText(toQString(m_player.playing() ? texts.pause : texts.play));
    showStep();
}

void SortPage::showStep()
{
    const lesson::SortLesson *sort = shown();
    if (!sort)
        return;
    const lesson::SortStepView view = sort->step(step());
    const QString heading = toQString(view.heading);
    m_heading->setText(heading);
    m_bars->setRows(barRows(view), heading);
    m_counters->setText(toQString(lesson::countersText(view.counters)));
    m_variables->setText(valuesText(view.variables, u"\n"_s));
    m_variables->setAccessibleName(valuesText(view.variables, u"; "_s));
    m_variables->setVisible(!view.variables.empty());
    {
        const QSignalBlocker blocker(m_jump);
        const lesson::StepRange range =
            m_run ? m_run->range() : lesson::StepRange{0, m_player.stepCount()};
        m_jump->setRange(range.first, range.last);
        m_jump->setValue(view.step);
    }
    showLines(view.line);
    const QString sentence = toQString(view.sentence);
    if (m_sentence->text() != sentence) {
        m_sentence->setText(sentence);
        // A screen reader hears the new step as the label's new name: setting it sends the change.
        m_sentence->setAccessibleName(sentence);
    }
    m_sentence->setAccessibleDescription(heading + u". "_s + m_counters->text());
}

void SortPage::showLines(int line)
{
    const std::vector<std::u16string> &lines = shown()->lines();
    for (int i = 0; i < m_lines->count(); ++i) {
        const QString marker = i + 1 == line ? u"▶ "_s : u"    "_s;
        m_lines->item(i)->setText(marker + toQString(lines[size_t(i)]));
    }
    if (line > 0 && line <= m_lines->count()) {
        m_lines->setCurrentRow(line - 1);
        m_lines->scrollToItem(m_lines->currentItem());
    } else {
        m_lines->setCurrentRow(-1);
    }
}

void SortPage::fitLines()
{
    // As high as the method's lines, wrapped as they are at this width, so all show at once.
    const QFontMetrics metrics = m_lines->fontMetrics();
    const QRect width(0, 0, std::max(m_lines->viewport()->width() - 8, 100), 1 << 16);
    int height = 2 * m_lines->frameWidth() + 2;
    for (int row = 0; row < m_lines->count(); ++row) {
        height +=
            metrics.boundingRect(width, Qt::TextWordWrap, u"▶ "_s + m_lines->item(row)->text())
                .height() +
            2;
    }
    m_lines->setFixedHeight(height);
}

void SortPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The list wraps its lines anew once the layout has given it its width.
    QTimer::singleShot(0, this, &SortPage::fitLines);
}
