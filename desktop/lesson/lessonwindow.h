#pragma once

#include "lesson.h"

#include <QWidget>

class ComparePage;
class LoanPage;
class QComboBox;
class QLineEdit;
class QStackedWidget;
class SortPage;

// The lesson: a sort, the comparison of the sorts or the loan, step by step, from the programs' own
// forms, drawn as the lesson's model says. Its choices are the build's programs; its own entry box
// gives the sorts their numbers; the loan page has the loan window's boxes.
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
    // Runs the chosen program again on what the boxes hold.
    void run();

protected:
    // The step keys reach the player wherever the focus is, but in a box that needs them.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showChoice();

    QComboBox *m_choice;
    QWidget *m_numbers;
    QLineEdit *m_input;
    QStackedWidget *m_pages;
    SortPage *m_sort;
    ComparePage *m_compare;
    LoanPage *m_loan;
};
