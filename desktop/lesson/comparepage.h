#pragma once

#include <QWidget>
#include <vector>

class QBoxLayout;
class QGroupBox;
class QLabel;
class QStackedWidget;

// The sorting methods on the same numbers side by side, as the lesson's comparison says: each
// with the result line its window shows and its counters, and why the results differ when they
// do. Side by side where there is room, one under another where there is not.
class ComparePage : public QWidget {
    Q_OBJECT
public:
    // Joins the lesson's pages as the last of them.
    explicit ComparePage(QStackedWidget *pages);

    void setInput(const QString &input);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Section {
        QGroupBox *box;
        QLabel *result;
        QLabel *counters;
    };

    QLabel *m_title;
    QBoxLayout *m_columns;
    std::vector<Section> m_sections;
    QLabel *m_note;
};
