#pragma once

#include "lesson.h"

#include <QWidget>

class CheckDialog;
class ComparePage;
class LoanPage;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QStackedWidget;
class QuizPanel;
class SortPage;

// The lesson: a sort, the comparison of the sorts or the loan, step by step, from the programs' own
// forms, drawn as the lesson's model says; watched, or in the predict mode answered a question at a
// time before each step is shown. Its choices are the build's programs; its own entry box gives
// the sorts their numbers; the loan page has the loan window's boxes.
class LessonWindow : public QWidget {
    Q_OBJECT
public:
    explicit LessonWindow(QWidget *parent = nullptr);
    ~LessonWindow() override;

    // A choice's program, as a link names it; an unknown one changes nothing.
    void choose(std::u16string_view program);
    const lesson::LessonChoice &choice() const;
    // The state a link holds: the web lesson's whole address, or its part after '#'.
    void openLink(const QString &link);
    // The state the window shows, as a link.
    lesson::LessonLink link() const;
    // Runs the chosen program again on what the boxes hold, watched or asked about.
    void run();
    // The predict mode on or off.
    void setPredict(bool predict);
    // New numbers: a task drawn from a new seed.
    void newTask();
    // The run of the predict mode, if one is on.
    const lesson::QuizSession *quiz() const { return m_quiz ? &*m_quiz : nullptr; }
    // The teacher's table of check codes, in a window of its own.
    void openCheck();

protected:
    // The step keys reach the player (or the run) wherever the focus is, but in a box that needs
    // them; the answer keys reach the question.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showChoice();
    void applyLink(const lesson::LessonLink &link);
    // The boxes run by hand: a task drawn from a seed stays one only while they hold its numbers.
    void runTyped();
    void startQuiz();
    void stopQuiz();
    void showQuizStep();

    QComboBox *m_choice;
    QWidget *m_modes;
    QRadioButton *m_watch;
    QRadioButton *m_predict;
    QPushButton *m_newTask;
    QWidget *m_numbers;
    QLineEdit *m_input;
    QScrollArea *m_scroll;
    QuizPanel *m_panel;
    QStackedWidget *m_pages;
    SortPage *m_sort;
    ComparePage *m_compare;
    LoanPage *m_loan;
    CheckDialog *m_check = nullptr;
    lesson::PredictSettings m_settings;
    std::optional<lesson::QuizSession> m_quiz;
};
