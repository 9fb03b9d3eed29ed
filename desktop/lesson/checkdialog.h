#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QStandardItemModel;
class QTableView;

// The teacher's table: check codes pasted at once, one a line, each shown as a row with the
// name, the task, the score, the mistakes and whether the code is valid, in words and a mark.
class CheckDialog : public QDialog {
    Q_OBJECT
public:
    explicit CheckDialog(QWidget *parent = nullptr);

    // Reads the pasted codes into the table and takes the focus there, so that a screen reader
    // reads the first row.
    void verify();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitColumns();

    QPlainTextEdit *m_codes;
    QLabel *m_status;
    QStandardItemModel *m_rows;
    QTableView *m_table;
};
