#pragma once

#include "sortstepview.h"

#include <QString>
#include <QWidget>
#include <vector>

// Rows of slots drawn as the lesson's model says: bars from a zero baseline (negative numbers
// below it), a thick frame and «▲» for a current slot, hatching for pickmin's used marker, a
// dashed outline without a value for a slot not written yet. No mark relies on colour, and every
// colour is a palette role, so high-contrast palettes keep them all. Takes focus, so that the
// lesson's step keys work while it holds it.
class ArrayBars : public QWidget {
    Q_OBJECT
public:
    struct Row {
        QString title;
        std::vector<lesson::SlotView> slots;
    };

    explicit ArrayBars(QWidget *parent = nullptr);

    // The lowest and highest signed bar of the whole sort, so that the baseline stays put while
    // stepping.
    void setRange(double lowest, double highest);
    // `name` is what a screen reader calls the bars; each slot is read as the model speaks it.
    void setRows(std::vector<Row> rows, const QString &name);
    const std::vector<Row> &rows() const { return m_rows; }

    // Where the «▲» under a slot's number goes.
    QRect markRect(size_t row, size_t slot) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int rowHeight() const;
    int cellWidth(const Row &row) const;
    void paintRow(QPainter &painter, const Row &row, QRect area) const;

    std::vector<Row> m_rows;
    double m_lowest = 0, m_highest = 1;
};
