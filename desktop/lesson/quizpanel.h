#pragma once

#include "lesson.h"

#include <QStringList>
#include <QWidget>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// The predict mode above the lesson's page: the question asked, its answers as buttons or a box,
// the verdict in words and a mark, the way on; at the end the score, each mistake with a way to
// its step, the name and the check code. It draws the run it is given and passes the student's
// answers back; the page below draws the run's step.
class QuizPanel : public QWidget {
    Q_OBJECT
public:
    explicit QuizPanel(QWidget *parent = nullptr);

    // Hidden with nullptr. The run outlives the panel's use of it.
    void setRun(lesson::QuizSession *run);
    void answer(const QString &text);
    void next();
    // A key pressed where no box takes it: Y, N, 1 or 2 (and the Russian layout's Y and N) answer a
    // yes/no question; a digit or a minus starts the answer box. Returns whether it was taken.
    bool takeKey(const QKeyEvent *press);

Q_SIGNALS:
    // The run's step changed: the page draws it again.
    void moved();
    // A mistake's step was asked for: the page shows it and takes the focus.
    void stepAsked();

private:
    void showRun();
    void showQuestion();
    void showEnd();
    void showCode();

    lesson::QuizSession *m_run = nullptr;
    QGroupBox *m_questionBox;
    QLabel *m_question;
    QWidget *m_choices;
    QStringList m_answers; // what the choices' buttons answer
    QWidget *m_boxRow;
    QLineEdit *m_box;
    QPushButton *m_submit;
    QLabel *m_keys;
    QLabel *m_verdict;
    QLabel *m_given;
    QPushButton *m_next;
    QLabel *m_waiting;
    QGroupBox *m_endBox;
    QLabel *m_message;
    QLabel *m_score;
    QWidget *m_mistakes;
    QVBoxLayout *m_mistakeRows;
    QWidget *m_codeArea;
    QLineEdit *m_name;
    QLineEdit *m_code;
    QLabel *m_codeHint;
    QPushButton *m_copy;
};
