#include "commandbutton.h"
#include "label.h"
#include "messagecapture.h"
#include "sortingtest.h"
#include "sortingwindow.h"
#include "textbox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace SortingTest;

namespace {

// The shared window with a sort that does nothing, so only the entry phase shows.
class EntryOnlyWindow : public SortingWindow {
public:
    explicit EntryOnlyWindow(Precision precision)
        : SortingWindow(u"Проба"_s, precision)
    {
    }

protected:
    void sortAndShow() override {}
};

} // namespace

Q_DECLARE_METATYPE(SortingWindow::Precision)

class TestEntryPhase : public QObject {
    Q_OBJECT

private slots:
    void walk_data();
    void walk();
    void startState();
    void repeatedClick();
    void singleOverflowStops();
    void longestPaste();
    void anyText();
};

void TestEntryPhase::walk_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<SortingWindow::Precision>("precision");
    QTest::addColumn<QString>("echo");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<QString>("selected");

    const auto d = SortingWindow::Precision::Double;
    const auto s = SortingWindow::Precision::Single;
    QTest::newRow("ten numbers") << u"5 3 8 1 9 2 7 4 10 6"_s << d
                                 << u" 5  3  8  1  9  2  7  4  10  6 "_s << 19 << u"6"_s;
    QTest::newRow("three repeat the last")
        << u"5 4 3"_s << d << u" 5  4  3  3  3  3  3  3  3  3 "_s << 4 << u"3"_s;
    QTest::newRow("one number") << u"7"_s << d << u" 7  7  7  7  7  7  7  7  7  7 "_s << 0
                                << u"7"_s;
    QTest::newRow("trailing blank")
        << u"1 2 3 "_s << d << u" 1  2  3  0  0  0  0  0  0  0 "_s << 6 << QString();
    QTest::newRow("two blanks") << u"1  2"_s << d << u" 1  0  2  2  2  2  2  2  2  2 "_s << 3
                                << u"2"_s;
    QTest::newRow("leading blank")
        << u" 1 2"_s << d << u" 0  1  2  2  2  2  2  2  2  2 "_s << 3 << u"2"_s;
    QTest::newRow("empty") << QString() << d << u" 0  0  0  0  0  0  0  0  0  0 "_s << 0
                           << QString();
    QTest::newRow("twelve numbers") << u"1 2 3 4 5 6 7 8 9 10 11 12"_s << d
                                    << u" 1  2  3  4  5  6  7  8  9  10 "_s << 21 << u"11 12"_s;
    QTest::newRow("negative first")
        << u"-4 2"_s << d << u"-4  2  2  2  2  2  2  2  2  2 "_s << 3 << u"2"_s;
    QTest::newRow("letters read as 0")
        << u"abc 5"_s << d << u" 0  5  5  5  5  5  5  5  5  5 "_s << 4 << u"5"_s;
    QTest::newRow("comma in a token")
        << u"1,5 2"_s << d << u" 1.5  2  2  2  2  2  2  2  2  2 "_s << 4 << u"2"_s;
    QTest::newRow("tab inside a token")
        << u"1\t2 3"_s << d << u" 12  3  3  3  3  3  3  3  3  3 "_s << 4 << u"3"_s;
    QTest::newRow("blank-grouped number splits")
        << u"5 000"_s << d << u" 5  0  0  0  0  0  0  0  0  0 "_s << 2 << u"000"_s;
    QTest::newRow("double precision echo")
        << u"3.14159265358979 0.1"_s << d
        << u" 3.14159265358979  0.1  0.1  0.1  0.1  0.1  0.1  0.1  0.1  0.1 "_s << 17 << u"0.1"_s;
    QTest::newRow("single precision echo")
        << u"3.14159265358979 0.1"_s << s
        << u" 3.141593  0.1  0.1  0.1  0.1  0.1  0.1  0.1  0.1  0.1 "_s << 17 << u"0.1"_s;
    QTest::newRow("beyond singles, as double") << u"1E+39 -1e39"_s << d
                                               << u" 1E+39 -1E+39 -1E+39 -1E+39 -1E+39 -1E+39 "
                                                  u"-1E+39 -1E+39 -1E+39 -1E+39 "_s
                                               << 6 << u"-1e39"_s;
    QTest::newRow("surrogate pair")
        << u"\U0001F600 5"_s << d << u" 0  5  5  5  5  5  5  5  5  5 "_s << 3 << u"5"_s;
}

void TestEntryPhase::walk()
{
    QFETCH(QString, text);
    QFETCH(SortingWindow::Precision, precision);
    QFETCH(QString, echo);
    QFETCH(int, selStart);
    QFETCH(QString, selected);

    EntryOnlyWindow window(precision);
    window.show();
    sortText(window, text);

    QCOMPARE(window.Label1->caption(), SourceHeader + echo);
    QCOMPARE(window.Text1->text(), text);
    QCOMPARE(window.Text1->selStart(), selStart);
    QCOMPARE(window.Text1->selectedText(), selected);
    QCOMPARE(window.Label2->caption(), Note);
    // Slot 0 keeps its start value: empty, or a single 0.
    const bool single = precision == SortingWindow::Precision::Single;
    QCOMPARE(window.ElementArray[0].type(),
             single ? NumericValue::Type::Single : NumericValue::Type::Empty);
    QCOMPARE(window.ElementArray[0], NumericValue(0));
    QCOMPARE(window.ElementArray[10].type(),
             single ? NumericValue::Type::Single : NumericValue::Type::Double);
}

void TestEntryPhase::startState()
{
    EntryOnlyWindow window(SortingWindow::Precision::Double);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.size(), QSize(383, 184));
    QCOMPARE(window.Label1->caption(),
             u"Введите массив из 10 элементов в поле ввода и нажмите кнопку 'Сортировка'"_s);
    QCOMPARE(window.Label2->caption(), Note);
    QCOMPARE(window.Command1->caption(), u"Сортировка"_s);
    QVERIFY(window.Text1->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), window.Text1);
    // Every start caption fits its label.
    QVERIFY(window.Label1->captionFits());
    QVERIFY(window.Label2->captionFits());

    QTest::keyClicks(window.Text1, u"2 1"_s);
    QTest::keyClick(window.Text1, Qt::Key_Return);
    QCOMPARE(window.Label1->caption(), SourceHeader + u" 2  1  1  1  1  1  1  1  1  1 "_s);
}

void TestEntryPhase::repeatedClick()
{
    EntryOnlyWindow window(SortingWindow::Precision::Double);
    window.show();
    sortText(window, u"9 8"_s);
    const QString first = window.Label1->caption();
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    QCOMPARE(window.Label1->caption(), first);
    QCOMPARE(window.Text1->text(), u"9 8"_s);
}

// A number a single cannot hold is refused when it is stored, before it is echoed.
void TestEntryPhase::singleOverflowStops()
{
    MessageCapture messages;
    EntryOnlyWindow window(SortingWindow::Precision::Single);
    window.show();
    sortText(window, u"2 1E+39 3"_s);
    QCOMPARE(messages.prompts, QStringList{Overflow});
    QCOMPARE(window.Label1->caption(), SourceHeader + u" 2 "_s);
    QCOMPARE(window.Label2->caption(), Note);
    QVERIFY(window.isVisible());
}

// A paste that fills the box to its maximum length is read like any other text.
void TestEntryPhase::longestPaste()
{
    EntryOnlyWindow window(SortingWindow::Precision::Double);
    window.show();
    QGuiApplication::clipboard()->setText(u"-12345.678 "_s.repeated(4000));
    window.Text1->paste();
    QCOMPARE(window.Text1->text().size(), window.Text1->maxLength());
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    QCOMPARE(window.Label1->caption(), SourceHeader + u"-12345.678 "_s.repeated(10));
    QCOMPARE(window.Text1->selStart(), 110);
    QCOMPARE(window.Text1->selLength(), window.Text1->maxLength() - 110);
}

// Generated texts of blanks, tabs, signs, marks, digits, letters and surrogates: every one gives
// ten numbers, or the overflow error for a number singles cannot hold; the text never changes and
// the selection stays within it.
void TestEntryPhase::anyText()
{
    const QStringList pieces{u" "_s,
                             u"  "_s,
                             u"\t"_s,
                             u"-"_s,
                             u"+"_s,
                             u"."_s,
                             u","_s,
                             u"E"_s,
                             u"d"_s,
                             u"7"_s,
                             u"0"_s,
                             u"123456789"_s,
                             u"x"_s,
                             u"\u00A0"_s,
                             u"\U0001F600"_s,
                             QString(QChar(0xD800)),
                             u"9"_s.repeated(400),
                             u"1e39"_s};
    QRandomGenerator random(20261208);
    MessageCapture messages;
    for (const auto precision :
         {SortingWindow::Precision::Double, SortingWindow::Precision::Single}) {
        EntryOnlyWindow window(precision);
        for (int round = 0; round < 400; ++round) {
            QString text;
            for (int n = random.bounded(30); n > 0; --n)
                text += pieces[random.bounded(pieces.size())];
            messages.prompts.clear();
            sortText(window, text);

            QCOMPARE(window.Text1->text(), text);
            QVERIFY(window.Text1->selStart() >= 0);
            QVERIFY(window.Text1->selStart() + window.Text1->selLength() <= text.size());
            if (!messages.prompts.isEmpty()) {
                QCOMPARE(messages.prompts, QStringList{Overflow});
                continue;
            }
            const QString echo = window.Label1->caption().section(u"\r\n"_s, 1);
            QCOMPARE(echo.split(u' ', Qt::SkipEmptyParts).size(), 10);
        }
    }
}

QTEST_MAIN(TestEntryPhase)
#include "tst_entryphase.moc"
