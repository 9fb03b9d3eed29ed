#include "arraybars.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int BarArea = 80;
constexpr int MinimumCell = 30;

// The window writes a decimal point; a comma is taken too, should a number come with one.
double valueOf(const QString &text)
{
    bool ok = false;
    const double value = QString(text).replace(u',', u'.').toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

} // namespace

ArrayBars::ArrayBars(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(u"Массивы"_s);
}

void ArrayBars::setRows(std::vector<Row> rows)
{
    m_rows = std::move(rows);
    // A screen reader reads the numbers and the marks that the bars show.
    QStringList description;
    for (const Row &row : m_rows) {
        QStringList cells;
        for (size_t slot = 0; slot < row.values.size(); ++slot) {
            const bool marked =
                std::find(row.marked.begin(), row.marked.end(), int(slot) + 1) != row.marked.end();
            cells << u"%1: %2%3"_s.arg(slot + 1).arg(row.values[slot],
                                                     marked ? u" (выделена)"_s : QString());
        }
        description << row.title + u": "_s + cells.join(u", "_s) + u'.';
    }
    setAccessibleDescription(description.join(u' '));
    updateGeometry();
    update();
}

int ArrayBars::rowHeight() const
{
    // Title, bars, value, slot number and the marker line.
    return fontMetrics().height() * 4 + BarArea + 8;
}

QSize ArrayBars::sizeHint() const
{
    return {MinimumCell * 10 * 2, rowHeight() * int(std::max<size_t>(m_rows.size(), 1))};
}

QSize ArrayBars::minimumSizeHint() const
{
    return {MinimumCell * 10, sizeHint().height()};
}

void ArrayBars::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    // One scale for all rows, so that a number has the same height in each.
    double largest = 0;
    for (const Row &row : m_rows) {
        for (const QString &value : row.values)
            largest = std::max(largest, std::abs(valueOf(value)));
    }
    const double scale = largest > 0 ? BarArea / largest : 0;
    QRect area(0, 0, width(), rowHeight());
    for (const Row &row : m_rows) {
        paintRow(painter, row, area, scale);
        area.translate(0, rowHeight());
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void ArrayBars::paintRow(QPainter &painter, const Row &row, QRect area, double scale) const
{
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height();
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(area.adjusted(4, 0, -4, 0).topLeft() + QPoint(0, metrics.ascent()), row.title);
    const int cells = std::max<int>(int(row.values.size()), 1);
    const int cellWidth = area.width() / cells;
    const int baseline = area.top() + line + BarArea;
    const QColor fill = palette().color(QPalette::Highlight).lighter(160);
    const QColor markedFill = QColor(0xf0, 0xa0, 0x30);
    for (int slot = 0; slot < int(row.values.size()); ++slot) {
        const bool marked =
            std::find(row.marked.begin(), row.marked.end(), slot + 1) != row.marked.end();
        const QRect cell(area.left() + slot * cellWidth, area.top(), cellWidth, area.height());
        // Negative numbers are drawn as high as positive ones, hatched.
        const double value = valueOf(row.values[size_t(slot)]);
        const int height = value == 0 ? 1 : std::max(2, int(std::lround(std::abs(value) * scale)));
        const QRect bar(cell.left() + 4, baseline - height, cellWidth - 8, height);
        painter.fillRect(bar, marked ? markedFill : fill);
        if (value < 0)
            painter.fillRect(bar, QBrush(palette().color(QPalette::Text), Qt::BDiagPattern));
        painter.setPen(QPen(palette().color(QPalette::Text), marked ? 3 : 1));
        painter.drawRect(bar);

        QFont font = painter.font();
        font.setBold(marked);
        painter.setFont(font);
        const QRect valueBox(cell.left(), baseline + 2, cellWidth, line);
        painter.drawText(valueBox, Qt::AlignCenter,
                         metrics.elidedText(row.values[size_t(slot)], Qt::ElideRight, cellWidth));
        // The slot's number, smaller and paler than the number it holds.
        QFont small = font;
        small.setPointSizeF(font.pointSizeF() * 0.85);
        painter.setFont(small);
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(valueBox.translated(0, line), Qt::AlignCenter, QString::number(slot + 1));
        painter.setFont(font);
        painter.setPen(palette().color(QPalette::Text));
        if (marked)
            painter.drawText(valueBox.translated(0, 2 * line), Qt::AlignCenter, u"▲"_s);
        font.setBold(false);
        painter.setFont(font);
    }
}
