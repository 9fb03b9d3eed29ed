#pragma once

#include "lesson.h"

#include <QAbstractTableModel>
#include <QWidget>

class QChartView;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableView;

// The loan's years as table rows, each formatted only when the view asks for it, so that the
// longest loan's 32767 years cost no more to show than a short one's. After the full years comes
// the partial last year, or the year in which the loop stopped with its message; either is marked
// in words in its year cell and drawn bold.
class LoanModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTrace(lesson::LoanTrace trace);
    const lesson::LoanTrace &trace() const { return m_trace; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString cell(int row, int column) const;

    lesson::LoanTrace m_trace;
};

// The loan: the window's three boxes with its start texts, its result or message, the table of
// years, a chart of what is owed by year, and the table saved as CSV for a spreadsheet.
class LoanPage : public QWidget {
    Q_OBJECT
public:
    // Joins the lesson's pages as the last of them.
    explicit LoanPage(QStackedWidget *pages);

    void calculate();
    // Asks where to save, then saves; says so when the file cannot be written.
    void saveCsv();

private:
    void showChart();

    QLineEdit *m_amount;
    QLineEdit *m_rate;
    QLineEdit *m_payment;
    QLabel *m_result;
    LoanModel *m_model;
    QTableView *m_table;
    QChartView *m_chart;
    QPushButton *m_save;
};
