#pragma once

#include "lesson.h"

#include <QWidget>

class ArrayBars;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTimer;

// One method's sort, a step at a time: the arrays as bars, the sentence that says the step, the
// counters and the method's lines with the current one marked. Step 0 is the arrays as read,
// before the sort's first step; every step is shown from the trace alone, so going back is exact.
// Nothing plays until the user asks.
class SortPage : public QWidget {
    Q_OBJECT
public:
    // Joins the lesson's pages as the last of them.
    explicit SortPage(QStackedWidget *pages);

    void setTrace(lesson::SortTrace trace);
    const lesson::SortTrace &trace() const { return m_trace; }
    int step() const { return m_step; }
    int stepCount() const { return int(m_trace.steps.size()); }
    void goTo(int step);
    void setPlaying(bool playing);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showStep(int step);
    void showLines(int line);
    void fitLines();
    void announce(const QString &sentence);

    lesson::SortTrace m_trace;
    int m_step = 0;
    ArrayBars *m_bars;
    QLabel *m_sentence;
    QLabel *m_message;
    QLabel *m_counters;
    QLabel *m_position;
    QListWidget *m_lines;
    QPushButton *m_play;
    QComboBox *m_speed;
    QSpinBox *m_jump;
    QTimer *m_timer;
};
