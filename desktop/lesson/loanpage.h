#pragma once

#include "lesson.h"

#include <QAbstractTableModel>
#include <QWidget>
#include <array>
#include <optional>

class QChartView;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableView;

// The loan's years as table rows, each asked of the lesson only when the view shows it, so that
// the longest loan's 32767 years cost no more to show than a short one's. The partial and the
// stopped year carry their label in the year cell and their note in the last column.
class LoanModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setLesson(lesson::LoanLesson lesson);
    const lesson::LoanLesson &lesson() const { return m_lesson; }
    const lesson::LoanRow &row(int index) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    lesson::LoanLesson m_lesson;
    // A view asks for a row's cells one by one: the row is made once for all of them.
    mutable std::optional<std::pair<int, lesson::LoanRow>> m_row;
};

// The loan: the window's three boxes with its start texts, its result or message, the table of
// years with the chosen year told in words, the totals, a chart of what is owed by year, and the
// table saved as CSV for a spreadsheet.
class LoanPage : public QWidget {
    Q_OBJECT
public:
    // Joins the lesson's pages as the last of them.
    explicit LoanPage(QStackedWidget *pages);

    void setFields(const std::array<QString, 3> &amountRatePayment);
    std::array<QString, 3> fields() const;
    void calculate();
    // Asks where to save, then saves; says so when the file cannot be written.
    void saveCsv();

private:
    void showYear();
    void showChart();
    void fitColumns();

    std::array<QLineEdit *, 3> m_boxes;
    QLabel *m_result;
    LoanModel *m_model;
    QTableView *m_table;
    QLabel *m_year;
    QLabel *m_totals;
    QChartView *m_chart;
    QPushButton *m_save;
};
