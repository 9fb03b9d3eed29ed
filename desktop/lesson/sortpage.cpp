#include "sortpage.h"

#include "arraybars.h"
#include "qtext.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QPushButton *button(const QString &text, const QString &name, QWidget *parent)
{
    auto *result = new QPushButton(text, parent);
    result->setObjectName(name);
    result->setAutoDefault(false);
    return result;
}

std::vector<QString> texts(const auto &numbers)
{
    std::vector<QString> result;
    for (const std::u16string &number : numbers)
        result.push_back(toQString(number));
    return result;
}

} // namespace

SortPage::SortPage(QStackedWidget *pages)
    : QWidget(pages)
{
    m_bars = new ArrayBars(this);
    m_bars->setObjectName(u"bars"_s);
    m_sentence = new QLabel(this);
    m_sentence->setObjectName(u"sentence"_s);
    m_sentence->setWordWrap(true);
    m_sentence->setTextFormat(Qt::PlainText);
    m_sentence->setMinimumHeight(m_sentence->fontMetrics().height() * 3);
    m_sentence->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message = new QLabel(this);
    m_message->setObjectName(u"message"_s);
    m_message->setTextFormat(Qt::PlainText);
    m_message->setWordWrap(true);
    m_message->hide();
    m_counters = new QLabel(this);
    m_counters->setObjectName(u"counters"_s);
    m_position = new QLabel(this);
    m_position->setObjectName(u"position"_s);
    m_lines = new QListWidget(this);
    m_lines->setObjectName(u"lines"_s);
    m_lines->setAccessibleName(u"Строки метода"_s);
    m_lines->setWordWrap(true);
    m_lines->setSelectionMode(QAbstractItemView::SingleSelection);
    m_play = button(u"Пуск"_s, u"play"_s, this);
    m_play->setCheckable(true);
    m_speed = new QComboBox(this);
    m_speed->setObjectName(u"speed"_s);
    m_jump = new QSpinBox(this);
    m_jump->setObjectName(u"jump"_s);
    m_timer = new QTimer(this);

    auto *first = button(u"В начало"_s, u"first"_s, this);
    auto *back = button(u"Назад"_s, u"back"_s, this);
    auto *forward = button(u"Вперёд"_s, u"forward"_s, this);
    auto *last = button(u"В конец"_s, u"last"_s, this);
    connect(first, &QPushButton::clicked, this, [this] { goTo(0); });
    connect(back, &QPushButton::clicked, this, [this] { goTo(m_step - 1); });
    connect(forward, &QPushButton::clicked, this, [this] { goTo(m_step + 1); });
    connect(last, &QPushButton::clicked, this, [this] { goTo(stepCount()); });
    connect(m_play, &QPushButton::toggled, this, &SortPage::setPlaying);
    connect(m_jump, &QSpinBox::valueChanged, this, &SortPage::goTo);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (m_step < stepCount())
            goTo(m_step + 1);
        if (m_step >= stepCount())
            setPlaying(false);
    });

    for (const auto &[text, interval] : {std::pair{u"2 с на шаг"_s, 2000},
                                         {u"1 с на шаг"_s, 1000},
                                         {u"0,5 с на шаг"_s, 500},
                                         {u"0,2 с на шаг"_s, 200}})
        m_speed->addItem(text, interval);
    m_speed->setCurrentIndex(1);
    connect(m_speed, &QComboBox::currentIndexChanged, this,
            [this] { m_timer->setInterval(m_speed->currentData().toInt()); });
    m_timer->setInterval(m_speed->currentData().toInt());

    auto *steps = new QHBoxLayout;
    for (QPushButton *each : {first, back, forward, last})
        steps->addWidget(each);
    steps->addStretch();
    auto *playing = new QHBoxLayout;
    playing->addWidget(m_play);
    auto *speedLabel = new QLabel(u"&Скорость:"_s, this);
    speedLabel->setBuddy(m_speed);
    playing->addWidget(speedLabel);
    playing->addWidget(m_speed);
    playing->addStretch();
    auto *jumping = new QHBoxLayout;
    auto *jumpLabel = new QLabel(u"Перейти к ш&агу:"_s, this);
    jumpLabel->setBuddy(m_jump);
    jumping->addWidget(jumpLabel);
    jumping->addWidget(m_jump);
    jumping->addWidget(m_position);
    jumping->addStretch();

    auto *keys = new QLabel(u"Клавиши: ← и → — шаг назад и вперёд, Home и End — в начало и в "
                            u"конец, пробел — пуск и пауза (в полях ввода клавиши работают как "
                            u"обычно)."_s,
                            this);
    keys->setObjectName(u"keys"_s);
    keys->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_bars);
    layout->addWidget(m_message);
    layout->addWidget(m_sentence);
    layout->addWidget(m_counters);
    layout->addWidget(m_lines);
    layout->addLayout(steps);
    layout->addLayout(playing);
    layout->addLayout(jumping);
    layout->addWidget(keys);
    layout->addStretch();

    // Tab goes through the page as it reads: the bars, the lines, the step buttons, playing.
    QWidget *previous = m_bars;
    for (QWidget *next : std::initializer_list<QWidget *>{m_lines, first, back, forward, last,
                                                          m_play, m_speed, m_jump}) {
        setTabOrder(previous, next);
        previous = next;
    }

    // The step keys reach the page from whichever of its widgets has the focus.
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
    pages->addWidget(this);
}

void SortPage::setTrace(lesson::SortTrace trace)
{
    setPlaying(false);
    m_trace = std::move(trace);
    m_lines->clear();
    const std::vector<std::u16string> &lines = lesson::methodLines(m_trace.method);
    for (const std::u16string &line : lines)
        m_lines->addItem(toQString(line));
    fitLines();
    m_message->setText(toQString(m_trace.error));
    m_message->setVisible(!m_trace.error.empty());
    m_message->setAccessibleName(m_trace.error.empty() ? QString() : u"Сообщение программы"_s);
    {
        const QSignalBlocker blocker(m_jump);
        m_jump->setRange(0, stepCount());
    }
    m_position->setText(u"из %1"_s.arg(stepCount()));
    m_step = -1;
    goTo(0);
}

void SortPage::fitLines()
{
    // As high as the method's lines, wrapped as they are at this width, so all show at once.
    const QFontMetrics metrics = m_lines->fontMetrics();
    const QRect width(0, 0, m_lines->viewport()->width() - 8, 1 << 16);
    int height = 2 * m_lines->frameWidth() + 2;
    for (int row = 0; row < m_lines->count(); ++row) {
        height +=
            metrics.boundingRect(width, Qt::TextWordWrap, m_lines->item(row)->text()).height() + 2;
    }
    m_lines->setFixedHeight(height);
}

void SortPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The list wraps its lines anew once the layout has given it its width.
    QTimer::singleShot(0, this, &SortPage::fitLines);
}

void SortPage::goTo(int step)
{
    step = std::clamp(step, 0, stepCount());
    if (step == m_step)
        return;
    m_step = step;
    showStep(step);
}

void SortPage::showStep(int step)
{
    const bool start = step == 0;
    const lesson::SortStep *current = start ? nullptr : &m_trace.steps[size_t(step - 1)];
    const bool inPlace = m_trace.method == lesson::Method::PairSwap;
    std::vector<ArrayBars::Row> rows;
    rows.push_back({u"ElementArray: числа и номера ячеек"_s,
                    texts(start ? m_trace.startElements : current->elements),
                    start ? std::vector<int>() : current->slots});
    if (!inPlace) {
        rows.push_back({u"ResultArray: результат"_s,
                        texts(start ? m_trace.startResults : current->results),
                        {}});
        if (current && current->resultSlot > 0)
            rows.back().marked.push_back(current->resultSlot);
    }
    m_bars->setRows(std::move(rows));

    const long comparisons = start ? 0 : current->comparisons;
    QString counters = u"Сравнений: %1"_s.arg(comparisons);
    if (inPlace)
        counters += u", перестановок: %1"_s.arg(start ? 0 : current->swaps);
    m_counters->setText(counters);
    {
        const QSignalBlocker blocker(m_jump);
        m_jump->setValue(step);
    }
    showLines(start ? 0 : current->line);
    announce(start ? u"Шаг 0 из %1: числа, как их прочитала программа. Шагов сортировки: %1."_s.arg(
                         stepCount())
                   : u"Шаг %1 из %2. "_s.arg(step).arg(stepCount()) + toQString(current->sentence));
}

void SortPage::showLines(int line)
{
    const std::vector<std::u16string> &lines = lesson::methodLines(m_trace.method);
    for (int i = 0; i < m_lines->count(); ++i) {
        const QString marker = i + 1 == line ? u"▶ "_s : u"    "_s;
        m_lines->item(i)->setText(marker + toQString(lines[size_t(i)]));
    }
    if (line > 0 && line <= m_lines->count()) {
        m_lines->setCurrentRow(line - 1);
        m_lines->scrollToItem(m_lines->currentItem());
    } else {
        m_lines->clearSelection();
    }
}

void SortPage::announce(const QString &sentence)
{
    m_sentence->setText(sentence);
    // A screen reader hears the new step as the label's new name: setting it sends the change.
    m_sentence->setAccessibleName(sentence);
    m_sentence->setAccessibleDescription(m_counters->text());
}

void SortPage::setPlaying(bool playing)
{
    if (playing && m_step >= stepCount())
        goTo(0);
    playing = playing && stepCount() > 0;
    if (playing)
        m_timer->start();
    else
        m_timer->stop();
    const QSignalBlocker blocker(m_play);
    m_play->setChecked(playing);
    m_play->setText(playing ? u"Пауза"_s : u"Пуск"_s);
}

bool SortPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // Entry boxes, spin boxes and lists of choices need these keys themselves, as does a button
    // its Space.
    if (qobject_cast<QLineEdit *>(watched) || qobject_cast<QAbstractSpinBox *>(watched) ||
        qobject_cast<QComboBox *>(watched))
        return false;
    switch (key->key()) {
    case Qt::Key_Left:
        goTo(m_step - 1);
        return true;
    case Qt::Key_Right:
        goTo(m_step + 1);
        return true;
    case Qt::Key_Home:
        goTo(0);
        return true;
    case Qt::Key_End:
        goTo(stepCount());
        return true;
    case Qt::Key_Space:
        if (qobject_cast<QPushButton *>(watched))
            return false;
        setPlaying(!m_timer->isActive());
        return true;
    default:
        return false;
    }
}
