#include "checkdialog.h"

#include "qtext.h"
#include "quizsession.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

QStandardItem *cell(const QString &text)
{
    auto *item = new QStandardItem(text);
    item->setEditable(false);
    item->setToolTip(text);
    return item;
}

} // namespace

CheckDialog::CheckDialog(QWidget *parent)
    : QDialog(parent)
{
    const lesson::QuizTexts &texts = lesson::quizTexts();
    setWindowTitle(toQString(texts.checkTitle));
    auto *intro = new QLabel(toQString(texts.checkIntro), this);
    intro->setWordWrap(true);
    m_codes = new QPlainTextEdit(this);
    m_codes->setObjectName(u"codes"_s);
    m_codes->setAccessibleName(toQString(texts.codesLabel));
    // Tab leaves the box for the button: a code never holds a tab.
    m_codes->setTabChangesFocus(true);
    m_codes->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_codes->installEventFilter(this);
    auto *caption = new QLabel(toQString(texts.codesLabel) + u':', this);
    caption->setBuddy(m_codes);
    caption->setWordWrap(true);
    auto *verifyButton = new QPushButton(toQString(texts.verify), this);
    verifyButton->setObjectName(u"verify"_s);
    verifyButton->setAutoDefault(false);
    connect(verifyButton, &QPushButton::clicked, this, &CheckDialog::verify);
    m_status = new QLabel(toQString(texts.noCodes), this);
    m_status->setObjectName(u"checkStatus"_s);
    m_status->setWordWrap(true);

    const std::vector<std::u16string> &headers = lesson::checkTableHeaders();
    m_rows = new QStandardItemModel(0, int(headers.size()), this);
    for (size_t column = 0; column < headers.size(); ++column)
        m_rows->setHeaderData(int(column), Qt::Horizontal, toQString(headers[column]));
    m_table = new QTableView(this);
    m_table->setObjectName(u"results"_s);
    m_table->setAccessibleName(toQString(texts.resultsCaption));
    m_table->setModel(m_rows);
    m_table->verticalHeader()->hide();
    m_table->setWordWrap(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setTabKeyNavigation(false);

    auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(caption);
    layout->addWidget(m_codes, 1);
    layout->addWidget(verifyButton, 0, Qt::AlignLeft);
    layout->addWidget(m_status);
    layout->addWidget(m_table, 3);
    layout->addWidget(close);
    resize(900, 560);
}

void CheckDialog::verify()
{
    m_rows->removeRows(0, m_rows->rowCount());
    for (const lesson::CheckRow &row : lesson::checkTable(toCoreText(m_codes->toPlainText()))) {
        // The mark says it beside the word, not by colour.
        const QString valid =
            (row.valid ? u"✓ "_s : u"✗ "_s) + toQString(lesson::checkValidText(row.valid));
        QList<QStandardItem *> cells{cell(toQString(row.name)), cell(toQString(row.task)),
                                     cell(toQString(row.score)), cell(toQString(row.mistakes)),
                                     cell(valid)};
        cells.front()->setData(row.valid, Qt::UserRole);
        m_rows->appendRow(cells);
    }
    const bool any = m_rows->rowCount() > 0;
    m_status->setVisible(!any);
    fitColumns();
    if (any) {
        m_table->setFocus();
        m_table->setCurrentIndex(m_rows->index(0, 0));
    }
}

void CheckDialog::fitColumns()
{
    // As wide as the cells; where they are wider than the table, each keeps its header's width
    // and shares the rest in proportion to what it lacks, its cells wrapped, so that the last
    // column, whether the code is valid, shows.
    m_table->resizeColumnsToContents();
    const QHeaderView *header = m_table->horizontalHeader();
    const int columns = m_rows->columnCount();
    std::vector<int> least(static_cast<size_t>(columns)), lacking(least);
    int wanted = 0, room = m_table->viewport()->width(), lacked = 0;
    for (int column = 0; column < columns; ++column) {
        const int width = m_table->columnWidth(column);
        least[size_t(column)] = std::min(width, header->sectionSizeHint(column));
        lacking[size_t(column)] = width - least[size_t(column)];
        wanted += width;
        room -= least[size_t(column)];
        lacked += lacking[size_t(column)];
    }
    if (wanted > m_table->viewport()->width() && lacked > 0) {
        for (int column = 0; column < columns; ++column)
            m_table->setColumnWidth(column, least[size_t(column)] + lacking[size_t(column)] *
                                                                        std::max(room, 0) / lacked);
    }
    m_table->resizeRowsToContents();
}

void CheckDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    fitColumns();
}

bool CheckDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Ctrl+Enter in the box makes the table; Enter alone starts the next line.
    if (watched == m_codes && event->type() == QEvent::KeyPress) {
        const auto *press = static_cast<QKeyEvent *>(event);
        if ((press->key() == Qt::Key_Return || press->key() == Qt::Key_Enter) &&
            press->modifiers().testFlag(Qt::ControlModifier)) {
            verify();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
