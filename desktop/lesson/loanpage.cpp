#include "loanpage.h"

#include "bankform.h"
#include "messagebox.h"
#include "qtext.h"

#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSaveFile>
#include <QStackedWidget>
#include <QTableView>
#include <QValueAxis>

using namespace Qt::StringLiterals;

namespace {

enum Column { Year, OwedAtStart, Interest, Payment, OwedAtEnd, Columns };

// More points than a chart is wide draw nothing more.
constexpr size_t ChartPoints = 2000;

QString amount(double value)
{
    return toQString(lesson::formatAmount(value));
}

} // namespace

void LoanModel::setTrace(lesson::LoanTrace trace)
{
    beginResetModel();
    m_trace = std::move(trace);
    endResetModel();
}

int LoanModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return int(m_trace.years.size()) + (m_trace.partial || m_trace.stoppedInYear != 0 ? 1 : 0);
}

int LoanModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QString LoanModel::cell(int row, int column) const
{
    if (size_t(row) < m_trace.years.size() || m_trace.stoppedInYear != 0) {
        const bool stop = size_t(row) >= m_trace.years.size();
        const lesson::LoanYear &year = stop ? m_trace.stop : m_trace.years[size_t(row)];
        switch (column) {
        case Year:
            return stop ? u"%1, остановка"_s.arg(year.year) : QString::number(year.year);
        case OwedAtStart:
            return amount(year.owedAtStart);
        case Interest:
            return amount(year.interest);
        case Payment:
            return amount(year.payment);
        default:
            return amount(year.owedAtEnd);
        }
    }
    // The partial last year: what is left, and which share of a payment that is.
    switch (column) {
    case Year:
        return u"%1, неполный"_s.arg(row + 1);
    case OwedAtStart:
        return amount(m_trace.remainder);
    case Payment:
        return u"%1 выплаты"_s.arg(amount(m_trace.share));
    default:
        return {};
    }
}

QVariant LoanModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cell(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return int(index.column() == Year ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        if (size_t(index.row()) >= m_trace.years.size()) {
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
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const std::array headers{u"Год"_s, u"Долг в начале года"_s, u"Проценты"_s, u"Выплата"_s,
                                    u"Долг в конце года"_s};
    return headers.at(size_t(section));
}

LoanPage::LoanPage(QStackedWidget *pages)
    : QWidget(pages)
{
    m_amount = new QLineEdit(this);
    m_rate = new QLineEdit(this);
    m_payment = new QLineEdit(this);
    // The window's own captions and start texts.
    const BankForm bank;
    auto *boxes = new QGridLayout;
    int row = 0;
    for (const auto &[box, text, label] : {std::tuple{m_amount, &bank.Text1, u"Label1"},
                                           {m_rate, &bank.Text2, u"Label2"},
                                           {m_payment, &bank.Text3, u"Label3"}}) {
        box->setObjectName(toQString(text->name()));
        box->setText(toQString(text->text()));
        box->setMaxLength(TextBox::MaxLength);
        box->setAccessibleName(toQString(text->layout().accessibleName));
        connect(box, &QLineEdit::returnPressed, this, &LoanPage::calculate);
        auto *caption = new QLabel(toQString(bank.label(label).caption()), this);
        caption->setBuddy(box);
        caption->setWordWrap(true);
        boxes->addWidget(caption, row, 0);
        boxes->addWidget(box, row, 1);
        ++row;
    }
    m_result = new QLabel(this);
    m_result->setObjectName(u"loanResult"_s);
    m_result->setTextFormat(Qt::PlainText);
    m_result->setWordWrap(true);
    m_model = new LoanModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(u"schedule"_s);
    m_table->setAccessibleName(u"Годы погашения"_s);
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    // Every row is one line high: the view then need not measure the rows it does not show.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    // Columns as wide as their longest text, measured once rather than row by row; a narrow
    // window scrolls the table sideways instead of cutting its amounts.
    const QFontMetrics metrics = m_table->fontMetrics();
    const int padding = metrics.horizontalAdvance(u"00"_s);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (int column = 0; column < Columns; ++column) {
        const QString widest = column == Year ? u"32768, остановка"_s : u"00000000000.00"_s;
        m_table->setColumnWidth(
            column,
            std::max(metrics.horizontalAdvance(widest),
                     metrics.horizontalAdvance(
                         m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString())) +
                padding);
    }
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setMinimumHeight(m_table->fontMetrics().height() * 8);
    m_chart = new QChartView(this);
    m_chart->setObjectName(u"chart"_s);
    m_chart->setAccessibleName(u"График долга по годам"_s);
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->setMinimumHeight(200);
    m_chart->setFocusPolicy(Qt::NoFocus);
    m_save = new QPushButton(u"Сохранить CSV…"_s, this);
    m_save->setObjectName(u"saveCsv"_s);
    m_save->setAutoDefault(false);
    connect(m_save, &QPushButton::clicked, this, &LoanPage::saveCsv);

    // Made after the table and the save button, so that Tab reaches it last.
    auto *calculateButton = new QPushButton(toQString(bank.Command2.caption()), this);
    calculateButton->setObjectName(u"calculate"_s);
    calculateButton->setAutoDefault(false);
    connect(calculateButton, &QPushButton::clicked, this, &LoanPage::calculate);
    boxes->addWidget(calculateButton, row, 1, Qt::AlignLeft);
    boxes->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(boxes);
    layout->addWidget(m_result);
    layout->addWidget(m_table, 3);
    layout->addWidget(m_save, 0, Qt::AlignLeft);
    layout->addWidget(m_chart, 2);
    pages->addWidget(this);
}

void LoanPage::calculate()
{
    m_model->setTrace(lesson::traceLoan(toCoreText(m_amount->text()), toCoreText(m_rate->text()),
                                        toCoreText(m_payment->text())));
    const lesson::LoanTrace &trace = m_model->trace();
    m_result->setText(toQString(trace.message.empty() ? trace.caption : trace.message)
                          .replace(toQString(std::u16string(Label::LineBreak)), u"\n"_s));
    m_save->setEnabled(m_model->rowCount() > 0);
    showChart();
}

void LoanPage::showChart()
{
    const lesson::LoanTrace &trace = m_model->trace();
    auto *chart = new QChart;
    chart->legend()->hide();
    chart->setTitle(u"Долг в конце года, руб."_s);
    auto *series = new QLineSeries(chart);
    const std::vector<lesson::LoanYear> &years = trace.years;
    const size_t every = years.size() / ChartPoints + 1;
    if (!years.empty())
        series->append(0, years.front().owedAtStart);
    for (size_t i = 0; i < years.size(); ++i) {
        if (i % every == 0 || i + 1 == years.size())
            series->append(years[i].year, years[i].owedAtEnd);
    }
    chart->addSeries(series);
    auto *x = new QValueAxis(chart);
    x->setTitleText(u"Год"_s);
    x->setLabelFormat(u"%d"_s);
    x->setRange(0, std::max<double>(1, double(years.size())));
    auto *y = new QValueAxis(chart);
    y->setLabelFormat(u"%.0f"_s);
    y->setMin(0);
    if (!years.empty())
        y->setMax(years.front().owedAtStart);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    QChart *previous = m_chart->chart();
    m_chart->setChart(chart);
    delete previous;
    m_chart->setAccessibleDescription(
        years.empty() ? u"Полных лет нет."_s
                      : u"С %1 руб. в начале до %2 руб. в конце года %3."_s
                            .arg(amount(years.front().owedAtStart), amount(years.back().owedAtEnd))
                            .arg(years.back().year));
}

void LoanPage::saveCsv()
{
    const QString path = QFileDialog::getSaveFileName(this, u"Сохранить CSV"_s, u"Займ.csv"_s,
                                                      u"Таблицы CSV (*.csv)"_s);
    if (path.isEmpty())
        return;
    const std::string csv = lesson::loanCsv(m_model->trace());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv.data(), qint64(csv.size())) < 0 ||
        !file.commit())
        presentMessage(u"Не удалось сохранить файл: %1"_s.arg(file.errorString()),
                       window()->windowTitle(), this);
}
