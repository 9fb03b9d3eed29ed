#include "loanpage.h"

#include "messagebox.h"
#include "qtext.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {

// Past the model's columns comes its note.
constexpr int NoteColumn = lesson::LoanColumn::Count;

QCategoryAxis *chartAxis(const lesson::LoanChart::Axis &axis, QObject *parent)
{
    auto *shown = new QCategoryAxis(parent);
    shown->setTitleText(toQString(axis.title));
    shown->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    shown->setStartValue(axis.low);
    for (const lesson::LoanChart::Axis::Tick &tick : axis.ticks)
        shown->append(toQString(tick.label), tick.at);
    shown->setRange(axis.low, axis.high);
    return shown;
}

} // namespace

void LoanModel::setLesson(lesson::LoanLesson lesson)
{
    beginResetModel();
    m_lesson = std::move(lesson);
    m_row.reset();
    endResetModel();
}

const lesson::LoanRow &LoanModel::row(int index) const
{
    if (!m_row || m_row->first != index)
        m_row.emplace(index, m_lesson.row(index));
    return m_row->second;
}

int LoanModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_lesson.rowCount();
}

int LoanModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : NoteColumn + 1;
}

QVariant LoanModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole: {
        const lesson::LoanRow &shown = row(index.row());
        return toQString(column == NoteColumn ? shown.note : shown.cells.at(size_t(column)));
    }
    case Qt::ToolTipRole:
        return toQString(row(index.row()).sentence);
    case Qt::TextAlignmentRole:
        return int(column == lesson::LoanColumn::Year || column == NoteColumn
                       ? Qt::AlignLeft | Qt::AlignVCenter
                       : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        if (row(index.row()).kind != lesson::LoanRow::Kind::Full) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant LoanModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section > NoteColumn)
        return QAbstractTableModel::headerData(section, orientation, role);
    return toQString(section == NoteColumn ? lesson::LoanLesson::noteHeader()
                                           : lesson::LoanLesson::headers().at(size_t(section)));
}

LoanPage::LoanPage(QStackedWidget *pages)
    : QWidget(pages)
{
    const std::vector<lesson::InputField> &fields = lesson::loanFields();
    auto *boxes = new QGridLayout;
    for (size_t i = 0; i < m_boxes.size(); ++i) {
        const lesson::InputField &field = fields.at(i);
        auto *box = new QLineEdit(toQString(field.start), this);
        box->setObjectName(QString::fromLatin1(field.id));
        box->setMaxLength(field.maxLength);
        box->setAccessibleName(toQString(field.caption));
        connect(box, &QLineEdit::returnPressed, this, &LoanPage::calculate);
        auto *caption = new QLabel(toQString(field.caption) + u':', this);
        caption->setBuddy(box);
        caption->setWordWrap(true);
        boxes->addWidget(caption, int(i), 0);
        boxes->addWidget(box, int(i), 1);
        m_boxes[i] = box;
    }
    m_result = new QLabel(this);
    m_result->setObjectName(u"loanResult"_s);
    m_result->setTextFormat(Qt::PlainText);
    m_result->setWordWrap(true);
    m_model = new LoanModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(u"schedule"_s);
    m_table->setAccessibleName(toQString(lesson::LoanLesson::tableName()));
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    // Every row is one line high: the view then need not measure the rows it does not show.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setMinimumHeight(m_table->fontMetrics().height() * 6);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &LoanPage::showYear);
    m_year = new QLabel(this);
    m_year->setObjectName(u"yearSentence"_s);
    m_year->setTextFormat(Qt::PlainText);
    m_year->setWordWrap(true);
    m_totals = new QLabel(this);
    m_totals->setObjectName(u"totals"_s);
    m_totals->setTextFormat(Qt::PlainText);
    m_totals->setWordWrap(true);
    m_chart = new QChartView(this);
    m_chart->setObjectName(u"chart"_s);
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->setMinimumHeight(280);
    m_chart->setFocusPolicy(Qt::NoFocus);
    const lesson::LessonTexts &texts = lesson::lessonTexts();
    m_save = new QPushButton(toQString(texts.saveCsv), this);
    m_save->setObjectName(u"saveCsv"_s);
    m_save->setAutoDefault(false);
    connect(m_save, &QPushButton::clicked, this, &LoanPage::saveCsv);

    // Made after the table and the save button, so that Tab reaches it last.
    auto *calculateButton = new QPushButton(toQString(texts.run), this);
    calculateButton->setObjectName(u"calculate"_s);
    calculateButton->setAutoDefault(false);
    connect(calculateButton, &QPushButton::clicked, this, &LoanPage::calculate);
    boxes->addWidget(calculateButton, int(m_boxes.size()), 1, Qt::AlignLeft);
    boxes->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(boxes);
    layout->addWidget(m_result);
    layout->addWidget(m_table, 3);
    layout->addWidget(m_year);
    layout->addWidget(m_totals);
    layout->addWidget(m_save, 0, Qt::AlignLeft);
    layout->addWidget(m_chart, 2);
    pages->addWidget(this);
}

void LoanPage::setFields(const std::array<QString, 3> &amountRatePayment)
{
    for (size_t i = 0; i < m_boxes.size(); ++i)
        m_boxes[i]->setText(amountRatePayment[i]);
}

std::array<QString, 3> LoanPage::fields() const
{
    return {m_boxes[0]->text(), m_boxes[1]->text(), m_boxes[2]->text()};
}

void LoanPage::calculate()
{
    m_model->setLesson(lesson::LoanLesson(toCoreText(m_boxes[0]->text()),
                                          toCoreText(m_boxes[1]->text()),
                                          toCoreText(m_boxes[2]->text())));
    const lesson::LoanLesson &loan = m_model->lesson();
    m_result->setText(toQString(loan.summary()));
    m_save->setEnabled(loan.hasTable());
    const lesson::LoanTotals totals = loan.totals();
    m_totals->setText(toQString(totals.sentence));
    m_totals->setVisible(loan.hasTotals());
    fitColumns();
    showYear();
    showChart();
}

void LoanPage::fitColumns()
{
    // As wide as the header, the first and the last row, where the largest amounts and the
    // longest year label stand; measured without reading every year of a long loan.
    // The marked last row is bold.
    QFont bold = m_table->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int padding = metrics.horizontalAdvance(u"00"_s);
    const int rows = m_model->rowCount();
    for (int column = 0; column < m_model->columnCount(); ++column) {
        int width = metrics.horizontalAdvance(
                        m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()) +
                    padding;
        for (int row : {0, rows - 1}) {
            if (row >= 0)
                width = std::max(width, metrics.horizontalAdvance(
                                            m_model->index(row, column).data().toString()) +
                                            padding);
        }
        m_table->setColumnWidth(column, width);
    }
    // A short loan's table is no higher than its rows; a long one scrolls.
    const int fitted = m_table->horizontalHeader()->sizeHint().height() +
                       rows * m_table->verticalHeader()->defaultSectionSize() +
                       m_table->horizontalScrollBar()->sizeHint().height() +
                       2 * m_table->frameWidth();
    m_table->setMaximumHeight(std::max(fitted, m_table->minimumHeight()));
}

void LoanPage::showYear()
{
    const int rows = m_model->rowCount();
    const QModelIndex current = m_table->currentIndex();
    // The year chosen in the table, or the last, which says how the loan ends.
    const int row = current.isValid() ? current.row() : rows - 1;
    const QString sentence = row >= 0 ? toQString(m_model->row(row).sentence) : QString();
    m_year->setText(sentence);
    m_year->setAccessibleName(sentence);
    m_year->setVisible(!sentence.isEmpty());
}

void LoanPage::showChart()
{
    const lesson::LoanChart shown = m_model->lesson().chart();
    m_chart->setAccessibleName(toQString(shown.title));
    m_chart->setAccessibleDescription(toQString(shown.description));
    // A loan refused has no line to draw: no empty axes either.
    m_chart->setVisible(!shown.points.empty());
    auto *chart = new QChart;
    chart->legend()->hide();
    chart->setTitle(toQString(shown.title));
    // The palette's own colours, so a high-contrast theme draws the line and the text too.
    chart->setBackgroundBrush(palette().base());
    chart->setTitleBrush(palette().text());
    auto *series = new QLineSeries(chart);
    for (const lesson::LoanChart::Point &point : shown.points)
        series->append(point.year, point.owed);
    series->setPen(QPen(palette().color(QPalette::Text), 2));
    chart->addSeries(series);
    for (auto [axis, side] : {std::pair{chartAxis(shown.years, chart), Qt::AlignBottom},
                              {chartAxis(shown.amounts, chart), Qt::AlignLeft}}) {
        axis->setLabelsBrush(palette().text());
        axis->setTitleBrush(palette().text());
        axis->setLinePenColor(palette().color(QPalette::Text));
        axis->setGridLineColor(palette().color(QPalette::Mid));
        chart->addAxis(axis, side);
        series->attachAxis(axis);
    }
    QChart *previous = m_chart->chart();
    m_chart->setChart(chart);
    delete previous;
}

void LoanPage::saveCsv()
{
    const lesson::LessonTexts &texts = lesson::lessonTexts();
    const QString path = QFileDialog::getSaveFileName(
        this, toQString(texts.saveCsv), toQString(texts.csvFileName), toQString(texts.csvFilter));
    if (path.isEmpty())
        return;
    const std::string csv = m_model->lesson().csv();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv.data(), qint64(csv.size())) < 0 ||
        !file.commit())
        presentMessage(toQString(texts.saveFailed) + u' ' + file.errorString(),
                       window()->windowTitle(), this);
}
