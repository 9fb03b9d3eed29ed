#include "arraybars.h"
#include "bankform.h"
#include "lesson.h"
#include "lessonwindow.h"
#include "pairswapform.h"
#include "pickminform.h"
#include "qtext.h"
#include "tallyform.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
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
#include <memory>

using namespace Qt::StringLiterals;
using Mode = LessonWindow::Mode;

Q_DECLARE_METATYPE(Mode)

namespace {

struct Lesson {
    Lesson()
    {
        window.show();
        window.activateWindow();
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

    // As a user does it: the choice by keyboard, then the numbers typed and Enter.
    void choose(Mode mode)
    {
        auto *modes = find<QComboBox>(u"mode"_s);
        modes->setFocus();
        QTest::keyClick(modes, Qt::Key_Home);
        for (int i = 0; i < int(mode); ++i)
            QTest::keyClick(modes, Qt::Key_Down);
    }
    void type(const QString &numbers)
    {
        auto *box = find<QLineEdit>(u"numbers"_s);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, numbers);
        QTest::keyClick(box, Qt::Key_Return);
    }

    LessonWindow window;
};

// What the window shows for a sort: Label2's last line, or the runtime error's message.
template<class Program>
QString windowResult(const QString &numbers)
{
    Program form;
    QString message;
    form.setPresenter(
        [&](const std::u16string &prompt, const std::u16string &) { message = toQString(prompt); });
    form.Text1.setText(toCoreText(numbers));
    form.click(form.Command1);
    if (!message.isEmpty())
        return message;
    const QString caption = toQString(form.Label2.caption());
    return caption.section(toQString(std::u16string(Label::LineBreak)), -1);
}

QString stepSentence(const lesson::SortTrace &trace, int step)
{
    return u"Шаг %1 из %2. "_s.arg(step).arg(trace.steps.size()) +
           toQString(trace.steps[size_t(step - 1)].sentence);
}

} // namespace

class TestLessonWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void stepping_data();
    void stepping();
    void runtimeError_data();
    void runtimeError();
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

void TestLessonWindow::stepping_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("numbers");
    // The figures the programs' code gives: pickmin 9 + 10 x 10 comparisons, tally 10 x 10;
    // pairswap 9 per pass, with as many swaps as pairs stand in the wrong order.
    QTest::addColumn<long>("comparisons");
    QTest::addColumn<long>("swaps");
    QTest::addColumn<QString>("echo");

    QTest::newRow("pickmin") << Mode::PickMin << u"5 3 8 1 9 2 7 4 10 6"_s << 109L << -1L
                             << u"5 3 8 1 9 2 7 4 10 6"_s;
    QTest::newRow("pickmin short, completed")
        << Mode::PickMin << u"7 -2"_s << 109L << -1L << u"7 -2 -2 -2 -2 -2 -2 -2 -2 -2"_s;
    QTest::newRow("pairswap") << Mode::PairSwap << u"5 3 8 1 9 2 7 4 10 6"_s << -1L << 18L
                              << u"5 3 8 1 9 2 7 4 10 6"_s;
    QTest::newRow("pairswap reversed")
        << Mode::PairSwap << u"10 9 8 7 6 5 4 3 2 1"_s << -1L << 45L << u"10 9 8 7 6 5 4 3 2 1"_s;
    QTest::newRow("tally repeated")
        << Mode::Tally << u"2 2 1 1 3 3 4 4 5 5"_s << 100L << -1L << u"2 2 1 1 3 3 4 4 5 5"_s;
}

// Keys on the bars step through the trace; the sentence, the counters, the bars and the marked
// line follow it, for screen readers too, and back is exact.
void TestLessonWindow::stepping()
{
    QFETCH(Mode, mode);
    QFETCH(QString, numbers);
    QFETCH(long, comparisons);
    QFETCH(long, swaps);
    QFETCH(QString, echo);
    const auto method = lesson::Method(int(mode));
    const lesson::SortTrace trace = lesson::traceSort(method, toCoreText(numbers));
    const int count = int(trace.steps.size());
    QVERIFY(count > 3);

    Lesson lesson;
    lesson.choose(mode);
    lesson.type(numbers);
    auto *bars = lesson.find<ArrayBars>(u"bars"_s);
    const QStringList echoed = echo.split(u' ');
    QCOMPARE(bars->rows().front().values, std::vector<QString>(echoed.begin(), echoed.end()));
    QVERIFY(lesson.text(u"sentence"_s).startsWith(u"Шаг 0 из %1"_s.arg(count)));
    QVERIFY(lesson.find<QLabel>(u"keys"_s)->isVisible());

    bars->setFocus();
    const auto showsStep = [&](int step) {
        const lesson::SortStep &expected = trace.steps[size_t(step - 1)];
        QCOMPARE(lesson.text(u"sentence"_s), stepSentence(trace, step));
        // What a screen reader reads, and is told has changed.
        QAccessibleInterface *sentence =
            QAccessible::queryAccessibleInterface(lesson.find<QLabel>(u"sentence"_s));
        QCOMPARE(sentence->text(QAccessible::Name), stepSentence(trace, step));
        QCOMPARE(sentence->text(QAccessible::Description), lesson.text(u"counters"_s));
        QCOMPARE(lesson.find<QSpinBox>(u"jump"_s)->value(), step);
        QString counters = u"Сравнений: %1"_s.arg(expected.comparisons);
        if (method == lesson::Method::PairSwap)
            counters += u", перестановок: %1"_s.arg(expected.swaps);
        QCOMPARE(lesson.text(u"counters"_s), counters);
        QCOMPARE(bars->rows().front().marked, expected.slots);
        QCOMPARE(bars->rows().front().values.at(0), toQString(expected.elements[0]));
        auto *lines = lesson.find<QListWidget>(u"lines"_s);
        QCOMPARE(lines->currentRow(), expected.line - 1);
        QVERIFY(lines->currentItem()->text().startsWith(u"▶ "_s));
        QCOMPARE(lines->findItems(u"▶"_s, Qt::MatchStartsWith).size(), 1);
    };
    for (int step = 1; step <= 3; ++step) {
        QTest::keyClick(bars, Qt::Key_Right);
        showsStep(step);
    }
    QTest::keyClick(bars, Qt::Key_Left);
    showsStep(2);

    QTest::keyClick(bars, Qt::Key_End);
    showsStep(count);
    const lesson::SortStep &last = trace.steps.back();
    if (comparisons >= 0)
        QCOMPARE(last.comparisons, comparisons);
    else
        QCOMPARE(last.comparisons % 9, 0L);
    if (swaps >= 0)
        QCOMPARE(last.swaps, swaps);
    QTest::keyClick(bars, Qt::Key_Right);
    showsStep(count);

    // A step typed into the spin box is the same as that many steps forward from the start.
    auto *jump = lesson.find<QSpinBox>(u"jump"_s);
    jump->setFocus();
    jump->selectAll();
    QTest::keyClicks(jump, QString::number(count / 2));
    showsStep(count / 2);
    QTest::keyClick(bars, Qt::Key_Home);
    QVERIFY(lesson.text(u"sentence"_s).startsWith(u"Шаг 0 "_s));
    for (int step = 0; step < count / 2; ++step)
        QTest::keyClick(bars, Qt::Key_Right);
    showsStep(count / 2);

    // Space plays from here, at the fastest speed, and pauses; in the entry box it is a blank.
    auto *speed = lesson.find<QComboBox>(u"speed"_s);
    speed->setFocus();
    QTest::keyClick(speed, Qt::Key_End);
    const int interval = speed->currentData().toInt();
    QTest::keyClick(bars, Qt::Key_Space);
    QTRY_COMPARE_WITH_TIMEOUT(jump->value(), count / 2 + 1, 5000);
    QTest::keyClick(bars, Qt::Key_Space);
    const int paused = jump->value();
    QTest::qWait(interval * 2);
    QCOMPARE(jump->value(), paused);
    auto *box = lesson.find<QLineEdit>(u"numbers"_s);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Space);
    QCOMPARE(box->text(), numbers + u' ');
}

void TestLessonWindow::runtimeError_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("message");

    // pickmin reads the number and fails when it moves it to the result; pairswap when it reads.
    QTest::newRow("pickmin") << Mode::PickMin << u"1 1E+39 2"_s
                             << windowResult<PickMinForm>(u"1 1E+39 2"_s);
    QTest::newRow("pairswap") << Mode::PairSwap << u"1 1E+39 2"_s
                              << windowResult<PairSwapForm>(u"1 1E+39 2"_s);
}

// A click that fails shows the window's message beside the steps up to where it stopped; the
// next input that works takes it away.
void TestLessonWindow::runtimeError()
{
    QFETCH(Mode, mode);
    QFETCH(QString, numbers);
    QFETCH(QString, message);
    QCOMPARE(message, u"Ошибка выполнения: переполнение."_s);
    Lesson lesson;
    lesson.choose(mode);
    lesson.type(numbers);
    auto *shown = lesson.find<QLabel>(u"message"_s);
    QCOMPARE(shown->text(), message);
    QVERIFY(shown->isVisible());
    lesson.type(u"1 2"_s);
    QVERIFY(!shown->isVisible());
}

void TestLessonWindow::comparison_data()
{
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<bool>("alike");

    QTest::newRow("distinct") << u"5 3 8 1 9 2 7 4 10 6"_s << true;
    QTest::newRow("repeated: tally's zeros") << u"2 2 1 1 3 3 4 4 5 5"_s << false;
    QTest::newRow("beyond singles: the message") << u"1 1E+39 2"_s << false;
}

// Each column shows what its own window shows for the same numbers (its result line, or the message
// it stops with), and the note says whether they differ.
void TestLessonWindow::comparison()
{
    QFETCH(QString, numbers);
    QFETCH(bool, alike);
    Lesson lesson;
    lesson.choose(Mode::Compare);
    lesson.type(numbers);
    const QStringList results{windowResult<PickMinForm>(numbers),
                              windowResult<PairSwapForm>(numbers),
                              windowResult<TallyForm>(numbers)};
    QCOMPARE(lesson.text(u"result_pickmin"_s), results[0]);
    QCOMPARE(lesson.text(u"result_pairswap"_s), results[1]);
    QCOMPARE(lesson.text(u"result_tally"_s), results[2]);
    QCOMPARE(lesson.text(u"note"_s) == u"Результаты трёх методов совпадают."_s, alike);
    if (!numbers.contains(u"E+39"_s)) {
        QCOMPARE(lesson.text(u"counters_pickmin"_s), u"Сравнений: 109"_s);
        QCOMPARE(lesson.text(u"counters_tally"_s), u"Сравнений: 100"_s);
    }
}

void TestLessonWindow::loan_data()
{
    QTest::addColumn<QStringList>("data");
    QTest::addColumn<int>("years");
    QTest::addColumn<QString>("lastYear");

    // Empty: the window's start texts.
    QTest::newRow("start texts") << QStringList() << 12 << u"13, неполный"_s;
    QTest::newRow("longest loan") << QStringList{u"32768"_s, u"0"_s, u"1"_s} << 32767
                                  << u"32768, неполный"_s;
    QTest::newRow("payment below interest")
        << QStringList{u"1000"_s, u"10"_s, u"50"_s} << 0 << u"1, остановка"_s;
    QTest::newRow("unusable") << QStringList{u"-1"_s, u"10"_s, u"50"_s} << 0 << QString();
}

// The table has a row per full year and one for the partial or stopping year, and the result is
// the window's caption or message.
void TestLessonWindow::loan()
{
    QFETCH(QStringList, data);
    QFETCH(int, years);
    QFETCH(QString, lastYear);
    Lesson lesson;
    lesson.choose(Mode::Loan);
    QVERIFY(!lesson.find<QLineEdit>(u"numbers"_s)->isVisible());
    BankForm bank;
    QString message;
    bank.setPresenter(
        [&](const std::u16string &prompt, const std::u16string &) { message = toQString(prompt); });
    const std::array<TextBox *, 3> texts{&bank.Text1, &bank.Text2, &bank.Text3};
    for (size_t i = 0; i < texts.size(); ++i) {
        auto *box = lesson.find<QLineEdit>(toQString(texts[i]->name()));
        QCOMPARE(box->text(), toQString(texts[i]->text()));
        if (!data.isEmpty()) {
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, data[int(i)]);
            texts[i]->setText(toCoreText(data[int(i)]));
        }
    }
    QTest::keyClick(lesson.find<QLineEdit>(u"Text3"_s), Qt::Key_Return);
    bank.click(bank.Command2);

    const QString caption = toQString(bank.Label4.caption());
    QCOMPARE(lesson.text(u"loanResult"_s),
             message.isEmpty()
                 ? QString(caption).replace(toQString(std::u16string(Label::LineBreak)), u"\n"_s)
                 : message);
    if (message.isEmpty())
        QVERIFY(caption.contains(u"Количество полных лет: %1\r\n"_s.arg(years)));
    QAbstractItemModel *model = lesson.find<QTableView>(u"schedule"_s)->model();
    QCOMPARE(model->rowCount(), lastYear.isEmpty() ? 0 : years + 1);
    if (!lastYear.isEmpty()) {
        QCOMPARE(model->index(years, 0).data().toString(), lastYear);
        QVERIFY(model->index(years, 0).data(Qt::FontRole).value<QFont>().bold());
    }
    QCOMPARE(lesson.find<QPushButton>(u"saveCsv"_s)->isEnabled(), !lastYear.isEmpty());
}

// «Сохранить CSV…» asks where and writes the table there: one line per row after the header.
void TestLessonWindow::savesCsv()
{
    Lesson lesson;
    lesson.choose(Mode::Loan);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"займ.csv"_s);
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept();
    });
    QTest::mouseClick(lesson.find<QPushButton>(u"saveCsv"_s), Qt::LeftButton);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
    const int rows = lesson.find<QTableView>(u"schedule"_s)->model()->rowCount();
    QCOMPARE(csv.count("\r\n"), qsizetype(rows + 1));
    QCOMPARE(csv.split('\n').at(1).count(';'), csv.split('\n').at(0).count(';'));
}

void TestLessonWindow::narrow_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::newRow("pickmin") << Mode::PickMin;
    QTest::newRow("compare") << Mode::Compare;
    QTest::newRow("loan") << Mode::Loan;
}

// At a phone's width every page fits without scrolling sideways.
void TestLessonWindow::narrow()
{
    QFETCH(Mode, mode);
    Lesson lesson;
    lesson.choose(mode);
    lesson.window.resize(360, 640);
    QTest::qWait(0);
    auto *pages = lesson.window.findChild<QStackedWidget *>();
    QCOMPARE_LE(pages->currentWidget()->minimumSizeHint().width(), 340);
    QCOMPARE_LE(lesson.window.minimumSizeHint().width(), 360);
}

QTEST_MAIN(TestLessonWindow)
#include "tst_lessonwindow.moc"
