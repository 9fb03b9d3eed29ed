#include "arraybars.h"
#include "lesson.h"
#include "lessonwindow.h"
#include "qtext.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

struct Lesson {
    explicit Lesson(const QString &link = {})
    {
        if (!link.isEmpty())
            window.openLink(link);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    template<class Widget = QWidget>
    Widget *find(const QString &name) const
    {
        auto *widget = window.findChild<Widget *>(name);
        if (!widget)
            qFatal("no %s", qPrintable(name));
        return widget;
    }
    QString text(const QString &label) const { return find<QLabel>(label)->text(); }
    QString spoken(const QString &name) const
    {
        return QAccessible::queryAccessibleInterface(find(name))->text(QAccessible::Name);
    }
    int step() const { return find<QSpinBox>(u"jump"_s)->value(); }

    LessonWindow window;
};

QString linkTo(const QString &program, const QString &input, int step)
{
    return toQString(lesson::formatLink(
        {program.toStdU16String(), input.toStdU16String(), {}, {}, {}, step, {}}));
}

// Whether anything is drawn in the rectangle of a grabbed widget besides its background.
bool drawn(const QImage &image, QRect area, QColor background)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) != background)
                return true;
        }
    }
    return false;
}

} // namespace

class TestLessonWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void sortStep_data();
    void sortStep();
    void keys();
    void link_data();
    void link();
    void comparison_data();
    void comparison();
    void loan_data();
    void loan();
    void savesCsv();
    void narrow_data();
    void narrow();
};

void TestLessonWindow::initTestCase()
{
    QApplication::setApplicationName(u"tst_lessonwindow"_s);
}

void TestLessonWindow::sortStep_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("numbers");
    // Which step: the first whose result slot is current, else the middle one; 0 and the last
    // are shown too.
    QTest::newRow("pickmin, negatives and used cells")
        << u"pickmin"_s << u"5 -7 8 0 9 -2 7 4 10 6"_s;
    QTest::newRow("pairswap in place") << u"pairswap"_s << u"3 -1 2"_s;
    QTest::newRow("tally, repeated numbers") << u"tally"_s << u"2 2 1 1 3 3 4 4 5 5"_s;
    QTest::newRow("a runtime error") << u"pickmin"_s << u"1 1E+39 2"_s;
}

// Each kind of thing a step shows is drawn as the model says: the heading, the sentence (read out
// as it changes), counters, variables, the marked line, and every slot's value, bar and state,
// with «▲» under exactly the current slots of both arrays.
void TestLessonWindow::sortStep()
{
    QFETCH(QString, program);
    QFETCH(QString, numbers);
    const lesson::SortLesson model(lesson::traceSort(
        *lesson::methodFromProgram(program.toStdU16String()), numbers.toStdU16String()));
    int writing = model.stepCount() / 2;
    for (int step = 1; step <= model.stepCount(); ++step) {
        const lesson::SortStepView view = model.step(step);
        if (std::any_of(view.results.begin(), view.results.end(), [](const auto &slot) {
                return slot.state == lesson::SlotState::Current;
            })) {
            writing = step;
            break;
        }
    }
    Lesson lesson(linkTo(program, numbers, 0));
    QCOMPARE(lesson.text(u"message"_s), toQString(model.message()));
    QCOMPARE(lesson.find<QLabel>(u"inPlace"_s)->isVisible(), !model.hasResults());
    QCOMPARE(lesson.text(u"inPlace"_s), toQString(model.inPlaceNote()));
    auto *bars = lesson.find<ArrayBars>(u"bars"_s);
    for (int step : {0, writing, model.stepCount()}) {
        lesson.window.openLink(linkTo(program, numbers, step));
        const lesson::SortStepView view = model.step(step);
        QCOMPARE(lesson.step(), step);
        QCOMPARE(lesson.text(u"heading"_s), toQString(view.heading));
        QCOMPARE(lesson.text(u"sentence"_s), toQString(view.sentence));
        QCOMPARE(lesson.spoken(u"sentence"_s), toQString(view.sentence));
        QCOMPARE(lesson.text(u"counters"_s), toQString(lesson::countersText(view.counters)));
        for (const lesson::NamedValue &variable : view.variables)
            QVERIFY(lesson.text(u"variables"_s)
                        .contains(toQString(variable.caption + u": " + variable.value)));
        auto *lines = lesson.find<QListWidget>(u"lines"_s);
        QCOMPARE(lines->currentRow(), view.line - 1);
        QCOMPARE(lines->findItems(u"▶"_s, Qt::MatchStartsWith).size(), view.line > 0 ? 1 : 0);

        std::vector<std::vector<lesson::SlotView>> expected{
            {view.elements.begin(), view.elements.end()}};
        if (!view.results.empty())
            expected.push_back(view.results);
        QCOMPARE(bars->rows().size(), expected.size());
        const QImage image = bars->grab().toImage();
        const QColor base = bars->palette().color(QPalette::Base);
        const QString description =
            QAccessible::queryAccessibleInterface(bars)->text(QAccessible::Description);
        for (size_t row = 0; row < expected.size(); ++row) {
            for (size_t slot = 0; slot < expected[row].size(); ++slot) {
                const lesson::SlotView &want = expected[row][slot];
                const lesson::SlotView &shown = bars->rows()[row].slots.at(slot);
                QCOMPARE(shown.value, want.value);
                QCOMPARE(shown.bar, want.bar);
                QCOMPARE(shown.state, want.state);
                QCOMPARE(shown.used, want.used);
                QVERIFY(description.contains(toQString(want.spoken)));
                // The middle of the mark's place, clear of the focus frame.
                const QRect mark = bars->markRect(row, slot);
                const QRect clear = mark.adjusted(mark.width() / 4, mark.height() / 4,
                                                  -mark.width() / 4, -mark.height() / 4);
                const QRect middle(clear.topLeft() * image.devicePixelRatio(),
                                   clear.size() * image.devicePixelRatio());
                QCOMPARE(drawn(image, middle, base), want.state == lesson::SlotState::Current);
            }
        }
    }
}

// The focus starts where the keys work; each key makes the player's move wherever the focus is,
// but where a box needs the key; Space after the forward button plays, and Play at the end starts
// again.
void TestLessonWindow::keys()
{
    Lesson lesson;
    QCOMPARE(QApplication::focusWidget(), lesson.find(u"bars"_s));
    const int last = lesson.find<QSpinBox>(u"jump"_s)->maximum();
    QVERIFY(last > 10);
    const struct {
        const char *key;
        Qt::Key press;
        int step;
    } moves[]{{"→", Qt::Key_Right, 1},
              {"PageDown", Qt::Key_PageDown, 2},
              {"←", Qt::Key_Left, 1},
              {"PageUp", Qt::Key_PageUp, 0},
              {"← at the start", Qt::Key_Left, 0},
              {"End", Qt::Key_End, last},
              {"→ at the end", Qt::Key_Right, last},
              {"Home", Qt::Key_Home, 0}};
    for (const auto &move : moves) {
        QTest::keyClick(QApplication::focusWidget(), move.press);
        QVERIFY2(lesson.step() == move.step, move.key);
    }

    // The run button clicked: the first → steps.
    QTest::mouseClick(lesson.find<QPushButton>(u"run"_s), Qt::LeftButton);
    lesson.find<QPushButton>(u"run"_s)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(lesson.step(), 1);
    // The choice list keeps ↑ and ↓, but End is the player's and switches nothing.
    auto *choice = lesson.find<QComboBox>(u"choice"_s);
    choice->setFocus();
    QTest::keyClick(choice, Qt::Key_End);
    QCOMPARE(choice->currentIndex(), 0);
    QCOMPARE(lesson.step(), last);
    // In the entry box the keys edit.
    auto *box = lesson.find<QLineEdit>(u"input"_s);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Space);
    QCOMPARE(lesson.step(), last);
    QVERIFY(box->text().startsWith(u' '));

    // Play at the last step starts again from 0; Space after the forward button plays, and pauses.
    auto *play = lesson.find<QPushButton>(u"play"_s);
    QTest::mouseClick(play, Qt::LeftButton);
    QCOMPARE(lesson.step(), 0);
    QTest::mouseClick(play, Qt::LeftButton);
    auto *forward = lesson.find<QPushButton>(u"forward"_s);
    QTest::mouseClick(forward, Qt::LeftButton);
    forward->setFocus();
    QTest::keyClick(forward, Qt::Key_Space);
    QCOMPARE(lesson.step(), 1);
    auto *speed = lesson.find<QComboBox>(u"speed"_s);
    speed->setCurrentIndex(speed->count() - 1);
    QTRY_COMPARE_WITH_TIMEOUT(lesson.step(), 2, 5000);
    QTest::keyClick(forward, Qt::Key_Space);
    const int paused = lesson.step();
    QTest::qWait(int(lesson::speeds().back().interval) * 3);
    QCOMPARE(lesson.step(), paused);
}

void TestLessonWindow::link_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("step");

    QTest::newRow("fragment") << u"#program=tally&input=2%202%201&step=5"_s << u"tally"_s
                              << u"2 2 1"_s << 5;
    QTest::newRow("address, step beyond the end")
        << u"https://example.org/lesson.html#program=pairswap&input=3%201&step=99999"_s
        << u"pairswap"_s << u"3 1"_s << -1;
    QTest::newRow("loan") << u"program=Bank&amount=1000&rate=10&payment=50"_s << u"Bank"_s
                          << u"1000"_s << 0;
}

// A teacher's web link opens the same state on the desktop.
void TestLessonWindow::link()
{
    QFETCH(QString, link);
    QFETCH(QString, program);
    QFETCH(QString, box);
    QFETCH(int, step);
    Lesson lesson(link);
    QCOMPARE(toQString(lesson.window.choice().program), program);
    if (program == u"Bank"_s) {
        QCOMPARE(lesson.find<QLineEdit>(u"amount"_s)->text(), box);
        QCOMPARE(lesson.find<QTableView>(u"schedule"_s)->model()->rowCount(),
                 lesson::LoanLesson(u"1000", u"10", u"50").rowCount());
        return;
    }
    QCOMPARE(lesson.find<QLineEdit>(u"input"_s)->text(), box);
    QCOMPARE(lesson.step(), step < 0 ? lesson.find<QSpinBox>(u"jump"_s)->maximum() : step);
}

void TestLessonWindow::comparison_data()
{
    QTest::addColumn<QString>("numbers");
    QTest::newRow("distinct") << u"5 3 8 1 9 2 7 4 10 6"_s;
    QTest::newRow("repeated: tally's zeros") << u"2 2 1 1 3 3 4 4 5 5"_s;
}

// Each section shows the model's texts, and a screen reader hears its numbers.
void TestLessonWindow::comparison()
{
    QFETCH(QString, numbers);
    Lesson lesson(u"#program=compare&input="_s +
                  QString::fromLatin1(QUrl::toPercentEncoding(numbers)));
    const lesson::Comparison model = lesson::compareMethods(numbers.toStdU16String());
    QCOMPARE(lesson.text(u"compareTitle"_s), toQString(model.title));
    for (const lesson::ComparisonSection &section : model.sections) {
        const QString program = toQString(lesson::methodProgram(section.method));
        QCOMPARE(lesson.find<QGroupBox>(u"section_"_s + program)->title(),
                 toQString(section.title));
        QCOMPARE(lesson.spoken(u"result_"_s + program), toQString(section.result));
        QCOMPARE(lesson.spoken(u"counters_"_s + program),
                 toQString(lesson::countersText(section.counters)));
        QCOMPARE(QAccessible::queryAccessibleInterface(lesson.find(u"section_"_s + program))
                     ->text(QAccessible::Description),
                 toQString(section.spoken));
    }
    QCOMPARE(lesson.spoken(u"note"_s), toQString(model.note));
}

void TestLessonWindow::loan_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("payment");

    QTest::newRow("start texts: a partial year") << QString() << QString() << QString();
    QTest::newRow("two years") << u"1000"_s << u"0"_s << u"500"_s;
    QTest::newRow("longest loan") << u"32768"_s << u"0"_s << u"1"_s;
    QTest::newRow("payment below interest: stopped") << u"1000"_s << u"10"_s << u"50"_s;
    QTest::newRow("refused") << u"-1"_s << u"10"_s << u"50"_s;
}

// The table, its marked last row, the chosen year's sentence, the totals and the chart are the
// model's; the CSV is offered only for a table.
void TestLessonWindow::loan()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(QString, payment);
    Lesson lesson(u"#program=Bank"_s);
    if (!amount.isEmpty()) {
        for (const auto &[name, text] :
             {std::pair{u"amount"_s, amount}, {u"rate"_s, rate}, {u"payment"_s, payment}})
            lesson.find<QLineEdit>(name)->setText(text);
        QTest::keyClick(lesson.find<QLineEdit>(u"payment"_s), Qt::Key_Return);
    }
    const auto fields = lesson::loanFields();
    const lesson::LoanLesson model(amount.isEmpty() ? fields[0].start : amount.toStdU16String(),
                                   amount.isEmpty() ? fields[1].start : rate.toStdU16String(),
                                   amount.isEmpty() ? fields[2].start : payment.toStdU16String());
    QCOMPARE(lesson.text(u"loanResult"_s), toQString(model.summary()));
    auto *table = lesson.find<QTableView>(u"schedule"_s);
    QAbstractItemModel *rows = table->model();
    QCOMPARE(rows->rowCount(), model.rowCount());
    for (int column = 0; column < lesson::LoanColumn::Count; ++column)
        QCOMPARE(rows->headerData(column, Qt::Horizontal).toString(),
                 toQString(lesson::LoanLesson::headers()[size_t(column)]));
    QCOMPARE(lesson.find<QPushButton>(u"saveCsv"_s)->isEnabled(), model.hasTable());
    QCOMPARE(lesson.find(u"chart"_s)->isVisible(), model.hasTable());
    QCOMPARE(lesson.find(u"totals"_s)->isVisible(), model.hasTotals());
    QCOMPARE(lesson.text(u"totals"_s), toQString(model.totals().sentence));
    if (!model.hasTable())
        return;
    const int last = model.rowCount() - 1;
    const lesson::LoanRow row = model.row(last);
    for (int column = 0; column < lesson::LoanColumn::Count; ++column)
        QCOMPARE(rows->index(last, column).data().toString(), toQString(row.cells[size_t(column)]));
    QCOMPARE(rows->index(last, lesson::LoanColumn::Count).data().toString(), toQString(row.note));
    QCOMPARE(rows->index(last, 0).data(Qt::FontRole).value<QFont>().bold(),
             row.kind != lesson::LoanRow::Kind::Full);
    // The last year is told until another is chosen, and read out.
    QCOMPARE(lesson.spoken(u"yearSentence"_s), toQString(row.sentence));
    table->setFocus();
    table->selectRow(0);
    QCOMPARE(lesson.text(u"yearSentence"_s), toQString(model.row(0).sentence));

    const lesson::LoanChart chart = model.chart();
    auto *view = lesson.find<QChartView>(u"chart"_s);
    QCOMPARE(view->accessibleDescription(), toQString(chart.description));
    const auto axes = view->chart()->axes();
    QCOMPARE(axes.size(), 2);
    for (const auto &[shown, want] :
         {std::pair{axes[0], &chart.years}, {axes[1], &chart.amounts}}) {
        auto *axis = qobject_cast<QCategoryAxis *>(shown);
        QVERIFY(axis);
        QCOMPARE(axis->min(), want->low);
        QCOMPARE(axis->max(), want->high);
        QStringList labels;
        for (const auto &tick : want->ticks)
            labels << toQString(tick.label);
        QCOMPARE(axis->categoriesLabels(), labels);
    }
}

// The save button asks where and writes the lesson's CSV there.
void TestLessonWindow::savesCsv()
{
    Lesson lesson(u"#program=Bank"_s);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"loan.csv"_s);
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept();
    });
    QTest::mouseClick(lesson.find<QPushButton>(u"saveCsv"_s), Qt::LeftButton);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toStdString(), lesson::LoanLesson().csv());
}

void TestLessonWindow::narrow_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("sort") << u"pickmin"_s;
    QTest::newRow("compare") << u"compare"_s;
    QTest::newRow("loan") << u"Bank"_s;
}

// At a phone's width every page fits without scrolling sideways.
void TestLessonWindow::narrow()
{
    QFETCH(QString, program);
    Lesson lesson(u"#program="_s + program);
    lesson.window.resize(360, 640);
    QTest::qWait(0);
    auto *pages = lesson.window.findChild<QStackedWidget *>();
    QCOMPARE_LE(pages->currentWidget()->minimumSizeHint().width(), 340);
    QCOMPARE_LE(lesson.window.minimumSizeHint().width(), 360);
}

QTEST_MAIN(TestLessonWindow)
#include "tst_lessonwindow.moc"
