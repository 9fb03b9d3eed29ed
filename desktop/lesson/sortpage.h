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
// one marked. The player decides the step, or in the predict mode the run, which keeps the steps
// past the question asked out of reach; the page only draws it. Nothing plays until asked.
class SortPage : public QWidget {
    Q_OBJECT
public:
    // Joins the lesson's pages as the last of them.
    explicit SortPage(QStackedWidget *pages);

    void setTrace(lesson::SortTrace trace);
    // Steps through the run's sort instead of the player's, until called with nullptr. The run
    // outlives the page's use of it.
    void follow(lesson::QuizSession *run);
    void goTo(int step);
    void press(lesson::Key key);
    int step() const;
    // Draws the step again after the run moved it.
    void showStep();
    // Where the step keys work: the focus starts here.
    QWidget *stepView() const;

private:
    // Runs a move of the player or the run, then shows where it left the step and whether it
    // plays.
    void move(auto &&change);
    void showLesson();
    const lesson::SortLesson *shown() const;
    void showLines(int line);
    void fitLines();
    void resizeEvent(QResizeEvent *event) override;

    std::optional<lesson::SortLesson> m_lesson;
    lesson::StepPlayer m_player;
    lesson::QuizSession *m_run = nullptr;
    ArrayBars *m_bars;
    QLabel *m_heading;
    QLabel *m_sentence;
    QLabel *m_message;
    QLabel *m_inPlace;
    QLabel *m_counters;
    QLabel *m_variables;
    QListWidget *m_lines;
    QWidget *m_playing;
    QPushButton *m_play;
    QComboBox *m_speed;
    QSpinBox *m_jump;
    QTimer *m_timer;
};
