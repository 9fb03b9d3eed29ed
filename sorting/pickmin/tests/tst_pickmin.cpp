#include "commandbutton.h"
#include "label.h"
#include "messagecapture.h"
#include "pickminwindow.h"
#include "sortingtest.h"
#include "textbox.h"

#include <QTest>
#include <clocale>

using namespace Qt::StringLiterals;
using namespace SortingTest;

namespace {

const QString Title = u"Алгоритм сортировки переносом мин. элемента: \r\n"_s;

} // namespace

class TestPickMin : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sorts_data();
    void sorts();
    void firstExample();
    void beyondSingleRange_data();
    void beyondSingleRange();
    void repeatedClick();
};

// Under a Russian locale the C library writes and reads a decimal comma; the results must not
// change, so make sure that locale really is in force.
void TestPickMin::initTestCase()
{
    if (qEnvironmentVariable("LC_ALL").startsWith(u"ru_RU"))
        QCOMPARE(std::localeconv()->decimal_point, ",");
}

void TestPickMin::sorts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sorted");

    const QString oneToTen = u" 1  2  3  4  5  6  7  8  9  10 "_s;
    QTest::newRow("reversed") << u"10 9 8 7 6 5 4 3 2 1"_s << oneToTen;
    QTest::newRow("ascending, largest last") << u"1 2 3 4 5 6 7 8 9 10"_s << oneToTen;
    QTest::newRow("one number twice")
        << u"4 2 4 1 3 5 6 7 8 9"_s << u" 1  2  3  4  4  5  6  7  8  9 "_s;
    QTest::newRow("largest five times")
        << u"9 1 9 2 9 3 9 4 9 5"_s << u" 1  2  3  4  5  9  9  9  9  9 "_s;
    QTest::newRow("all equal") << u"7 7 7 7 7 7 7 7 7 7"_s << u" 7  7  7  7  7  7  7  7  7  7 "_s;
    QTest::newRow("completed input") << u"5 4 3"_s << u" 3  3  3  3  3  3  3  3  4  5 "_s;
    QTest::newRow("empty") << QString() << u" 0  0  0  0  0  0  0  0  0  0 "_s;
    QTest::newRow("negatives") << u"-2 5 -7 0 3 1 -1 4 2 6"_s
                               << u"-7 -2 -1  0  1  2  3  4  5  6 "_s;
    QTest::newRow("shown at single precision")
        << u"3.14159265358979 2"_s << u" 2  2  2  2  2  2  2  2  2  3.141593 "_s;
    QTest::newRow("equal only as singles")
        << u"1.00000002 1.00000001 0.5"_s << u" 0.5  0.5  0.5  0.5  0.5  0.5  0.5  0.5  1  1 "_s;
}

void TestPickMin::sorts()
{
    QFETCH(QString, text);
    QFETCH(QString, sorted);
    PickMinWindow window;
    window.show();
    sortText(window, text);
    QCOMPARE(window.Label2->caption(), Title + sorted);
    QCOMPARE(window.ResultArray[0], 0.0f);
    QCOMPARE(window.ElementArray[0].type(), NumericValue::Type::Empty);
}

void TestPickMin::firstExample()
{
    PickMinWindow window;
    window.show();
    QCOMPARE(window.windowTitle(), u"Сортировка массива переносом мин. элемента"_s);
    sortText(window, u"5 3 8 1 9 2 7 4 10 6"_s);
    QCOMPARE(window.Label1->caption(), SourceHeader + u" 5  3  8  1  9  2  7  4  10  6 "_s);
    QCOMPARE(window.Label2->caption(), Title + u" 1  2  3  4  5  6  7  8  9  10 "_s);
    QCOMPARE(window.Label1->text(),
             u"Исходный массив состоит из элементов:\n 5  3  8  1  9  2  7  4  10  6 "_s);
}

void TestPickMin::beyondSingleRange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("echo");

    QTest::newRow("large positive") << u"1 1E+39 2"_s << u" 1  1E+39  2  2  2  2  2  2  2  2 "_s;
    QTest::newRow("large negative") << u"-1E+39 5"_s << u"-1E+39  5  5  5  5  5  5  5  5  5 "_s;
}

// The number cannot be stored as a single: the click ends with the error, the source array shown
// whole and only the title in Label2.
void TestPickMin::beyondSingleRange()
{
    QFETCH(QString, text);
    QFETCH(QString, echo);
    MessageCapture messages;
    PickMinWindow window;
    window.show();
    sortText(window, text);
    QCOMPARE(messages.prompts, QStringList{Overflow});
    QCOMPARE(window.Label1->caption(), SourceHeader + echo);
    QCOMPARE(window.Label2->caption(), Title);
    QVERIFY(window.isVisible());

    sortText(window, u"2 1"_s);
    QCOMPARE(window.Label2->caption(), Title + u" 1  1  1  1  1  1  1  1  1  2 "_s);
}

void TestPickMin::repeatedClick()
{
    PickMinWindow window;
    window.show();
    sortText(window, u"3 -1 2"_s);
    const QString first = window.Label2->caption();
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    QCOMPARE(window.Label2->caption(), first);
    QCOMPARE(first, Title + u"-1  2  2  2  2  2  2  2  2  3 "_s);
}

QTEST_MAIN(TestPickMin)
#include "tst_pickmin.moc"
