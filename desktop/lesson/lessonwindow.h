#pragma once

#include <QWidget>

class ComparePage;
class LoanPage;
class QComboBox;
class QLineEdit;
class QStackedWidget;
class SortPage;

// «Разбор»: a sort, the comparison of the three sorts or the loan, step by step, from the
// programs' own forms. Its own entry box gives the sorts their numbers; the loan page has the
// loan window's boxes.
class LessonWindow : public QWidget {
    Q_OBJECT
public:
    // The choices, in the order the list offers them.
    enum class Mode { PickMin, PairSwap, Tally, Compare, Loan };

    explicit LessonWindow(QWidget *parent = nullptr);

    void setMode(Mode mode);
    Mode mode() const;
    // Runs the chosen program again on what the boxes hold.
    void run();

private:
    QComboBox *m_mode;
    QWidget *m_numbers;
    QLineEdit *m_input;
    QStackedWidget *m_pages;
    SortPage *m_sort;
    ComparePage *m_compare;
    LoanPage *m_loan;
};
