#pragma once

#include "lesson.h"

#include <QWidget>
#include <optional>

class ArrayBars;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTimer;

// One method's sort, a step at a time, as the lesson's model shows it: the arrays as bars, the
// heading and the sentence, the counters, the method's variables and its lines with the current
// one marked. The player decides the step; the page only draws it. Nothing plays until asked.
class SortPage : public QWidget {
    Q_OBJECT
public:
    // Joins the lesson's pages as the last of them.
    explicit SortPage(QStackedWidget *pages);

    void setTrace(lesson::SortTrace trace);
    const lesson::SortLesson &lesson() const { return *m_lesson; }
    const lesson::StepPlayer &player() const { return m_player; }
    void goTo(int step);
    void press(lesson::Key key);
    // Where the step keys work: the focus starts here.
    QWidget *stepView() const;

private:
    // Runs a move of the player, then shows where it left the step and whether it plays.
    void move(auto &&change);
    void showStep();
    void showLines(int line);
    void fitLines();
    void resizeEvent(QResizeEvent *event) override;

    std::optional<lesson::SortLesson> m_lesson;
    lesson::StepPlayer m_player;
    ArrayBars *m_bars;
    QLabel *m_heading;
    QLabel *m_sentence;
    QLabel *m_message;
    QLabel *m_inPlace;
    QLabel *m_counters;
    QLabel *m_variables;
    QListWidget *m_lines;
    QPushButton *m_play;
    QComboBox *m_speed;
    QSpinBox *m_jump;
    QTimer *m_timer;
};
