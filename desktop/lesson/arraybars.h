#pragma once

#include <QString>
#include <QWidget>
#include <vector>

// Rows of ten numbers drawn as bars over their values and slot numbers. The marked slots get a
// thick outline and a «▲» under their number besides their colour, so that they stand out without
// colour too. Takes focus, so that the lesson's step keys work while it holds it.
class ArrayBars : public QWidget {
    Q_OBJECT
public:
    struct Row {
        QString title;
        std::vector<QString> values; // as the window writes them
        std::vector<int> marked;     // 1-based slots
    };

    explicit ArrayBars(QWidget *parent = nullptr);

    void setRows(std::vector<Row> rows);
    const std::vector<Row> &rows() const { return m_rows; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int rowHeight() const;
    void paintRow(QPainter &painter, const Row &row, QRect area, double scale) const;

    std::vector<Row> m_rows;
};
