#include "arraybars.h"

#include "qtext.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int BarArea = 90;
constexpr int MinimumCell = 30;
constexpr int Gap = 4;

} // namespace

ArrayBars::ArrayBars(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ArrayBars::setRange(double lowest, double highest)
{
    m_lowest = std::min(0.0, lowest);
    m_highest = std::max(0.0, highest);
    if (m_highest - m_lowest <= 0)
        m_highest = 1;
    update();
}

void ArrayBars::setRows(std::vector<Row> rows, const QString &name)
{
    m_rows = std::move(rows);
    QStringList description;
    for (const Row &row : m_rows) {
        QStringList slots;
        for (const lesson::SlotView &slot : row.slots)
            slots << toQString(slot.spoken);
        description << row.title + u": "_s + slots.join(u"; "_s) + u'.';
    }
    setAccessibleName(name);
    setAccessibleDescription(description.join(u' '));
    updateGeometry();
    update();
}

int ArrayBars::rowHeight() const
{
    // Title, bars, value, slot number and the mark.
    return fontMetrics().height() * 4 + BarArea + 3 * Gap;
}

int ArrayBars::cellWidth(const Row &row) const
{
    return width() / std::max<int>(int(row.slots.size()), 1);
}

QRect ArrayBars::markRect(size_t row, size_t slot) const
{
    const int line = fontMetrics().height();
    const int cell = cellWidth(m_rows.at(row));
    const int top = int(row) * rowHeight() + line + Gap + BarArea + Gap + 2 * line;
    return {int(slot) * cell, top, cell, line};
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
    QRect area(0, 0, width(), rowHeight());
    for (const Row &row : m_rows) {
        paintRow(painter, row, area);
        area.translate(0, rowHeight());
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void ArrayBars::paintRow(QPainter &painter, const Row &row, QRect area) const
{
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height();
    const QColor text = palette().color(QPalette::Text);
    const QColor dimmed = palette().color(QPalette::PlaceholderText);
    QColor plain = text;
    plain.setAlphaF(0.35f);
    painter.setPen(text);
    painter.drawText(QPoint(area.left() + Gap, area.top() + metrics.ascent()), row.title);

    const int barTop = area.top() + line + Gap;
    const double span = m_highest - m_lowest;
    const int baseline = barTop + int(std::lround(BarArea * m_highest / span));
    const int cell = cellWidth(row);
    painter.setPen(QPen(dimmed, 1));
    painter.drawLine(area.left(), baseline, area.left() + cell * int(row.slots.size()), baseline);

    for (size_t i = 0; i < row.slots.size(); ++i) {
        const lesson::SlotView &slot = row.slots[i];
        const QRect box(area.left() + int(i) * cell, area.top(), cell, area.height());
        const int left = box.left() + Gap, barWidth = cell - 2 * Gap;
        const bool current = slot.state == lesson::SlotState::Current;
        if (slot.state == lesson::SlotState::Unwritten) {
            painter.setPen(QPen(text, 1, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRect(left, barTop, barWidth, BarArea));
        } else {
            const int height = int(std::lround(std::abs(slot.bar) * BarArea / span));
            QRect bar(left, slot.bar < 0 ? baseline : baseline - height, barWidth, height);
            if (height == 0)
                bar = QRect(left, baseline - 1, barWidth, 2);
            painter.fillRect(bar, current ? palette().color(QPalette::Highlight) : plain);
            if (slot.used)
                painter.fillRect(bar, QBrush(text, Qt::BDiagPattern));
            painter.setPen(QPen(text, current ? 3 : 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(bar);
        }

        QFont font = painter.font();
        font.setBold(current);
        painter.setFont(font);
        painter.setPen(slot.used ? dimmed : text);
        const QRect valueBox(box.left(), barTop + BarArea + Gap, cell, line);
        painter.drawText(valueBox, Qt::AlignCenter,
                         metrics.elidedText(toQString(slot.value), Qt::ElideRight, cell));
        font.setBold(false);
        painter.setFont(font);
        painter.setPen(dimmed);
        painter.drawText(valueBox.translated(0, line), Qt::AlignCenter, QString::number(slot.slot));
        if (current) {
            painter.setPen(text);
            painter.drawText(valueBox.translated(0, 2 * line), Qt::AlignCenter, u"▲"_s);
        }
    }
}
