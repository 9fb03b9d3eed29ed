#pragma once

#include <QWidget>
#include <array>

class QBoxLayout;
class QLabel;
class QStackedWidget;

// The three sorting methods on the same numbers side by side, each with the result line its window
// shows and its counters, and a sentence on why the results differ when they do. Side by side
// where there is room, one under another where there is not.
class ComparePage : public QWidget {
    Q_OBJECT
public:
    // Joins the lesson's pages as the last of them.
    explicit ComparePage(QStackedWidget *pages);

    void setInput(const QString &input);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Column {
        QLabel *result;
        QLabel *counters;
    };

    QBoxLayout *m_columns;
    std::array<Column, 3> m_methods;
    QLabel *m_note;
};
