#include "commandbutton.h"
#include "label.h"
#include "messagecapture.h"
#include "pairswapwindow.h"
#include "sortingtest.h"
#include "textbox.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>

using namespace Qt::StringLiterals;
using namespace SortingTest;

namespace {

const QString Title = u"Алгоритм сортировки парными перестановками: \r\n"_s;

QString result(const QString &swaps, const QString &sorted)
{
    return Title + u"Выполнено перестановок: "_s + swaps + u"\r\n"_s + sorted;
}

} // namespace

class TestPairSwap : public QObject {
    Q_OBJECT

private slots:
    void sorts_data();
    void sorts();
    void echoAtSinglePrecision();
    void beyondSingleRange();
    void countsInversions();
};

void TestPairSwap::sorts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");

    const QString oneToTen = u" 1  2  3  4  5  6  7  8  9  10 "_s;
    QTest::newRow("ascending") << u"1 2 3 4 5 6 7 8 9 10"_s << result(u" 0"_s, oneToTen);
    QTest::newRow("descending") << u"10 9 8 7 6 5 4 3 2 1"_s << result(u" 45"_s, oneToTen);
    QTest::newRow("mixed") << u"5 3 8 1 9 2 7 4 10 6"_s << result(u" 18"_s, oneToTen);
    QTest::newRow("negatives and equal fives")
        << u"3 -1 2 -7 0 5 5 1 9 -2"_s << result(u" 19"_s, u"-7 -2 -1  0  1  2  3  5  5  9 "_s);
    QTest::newRow("all equal") << u"4 4 4 4 4 4 4 4 4 4"_s
                               << result(u" 0"_s, u" 4  4  4  4  4  4  4  4  4  4 "_s);
    QTest::newRow("equal only as doubles")
        << u"2 1.00000002 1.00000001"_s << result(u" 9"_s, u" 1  1  1  1  1  1  1  1  1  2 "_s);
    QTest::newRow("tenth at single precision")
        << u"0.3 0.1"_s << result(u" 9"_s, u" 0.1  0.1  0.1  0.1  0.1  0.1  0.1  0.1  0.1  0.3 "_s);
}

void TestPairSwap::sorts()
{
    QFETCH(QString, text);
    QFETCH(QString, caption);
    PairSwapWindow window;
    window.show();
    QCOMPARE(window.windowTitle(), u"Сортировка массива попарными перестановками"_s);
    sortText(window, text);
    QCOMPARE(window.Label2->caption(), caption);
    // A second click starts afresh from the text.
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    QCOMPARE(window.Label2->caption(), caption);
    QCOMPARE(window.ElementArray[0], NumericValue(0));
}

void TestPairSwap::echoAtSinglePrecision()
{
    PairSwapWindow window;
    window.show();
    sortText(window, u"3.14159265358979 123456789"_s);
    QCOMPARE(window.Label1->caption(),
             SourceHeader +
                 u" 3.141593  1.234568E+08  1.234568E+08  1.234568E+08  1.234568E+08 "
                 u" 1.234568E+08  1.234568E+08  1.234568E+08  1.234568E+08  1.234568E+08 "_s);
}

// A number a single cannot hold is refused as it is stored; nothing is sorted.
void TestPairSwap::beyondSingleRange()
{
    MessageCapture messages;
    PairSwapWindow window;
    window.show();
    sortText(window, u"1 2 1E+39"_s);
    QCOMPARE(messages.prompts, QStringList{Overflow});
    QCOMPARE(window.Label1->caption(), SourceHeader + u" 1  2 "_s);
    QCOMPARE(window.Label2->caption(), Note);
    QVERIFY(window.isVisible());
}

// Over many generated inputs: the count is the number of pairs that stand in the wrong order, and
// the slots end up holding the sorted singles.
void TestPairSwap::countsInversions()
{
    QRandomGenerator random(20261208);
    PairSwapWindow window;
    for (int round = 0; round < 300; ++round) {
        QList<float> numbers;
        QStringList words;
        const int range = round % 3 == 0 ? 4 : 1000; // small ranges give many equal numbers
        for (int i = 0; i < 10; ++i) {
            const double number = (random.bounded(2 * range + 1) - range) / 4.0;
            numbers.append(static_cast<float>(number));
            words.append(QString::number(number));
        }
        int inversions = 0;
        for (int j = 0; j < 10; ++j) {
            for (int k = j + 1; k < 10; ++k)
                inversions += numbers[j] > numbers[k];
        }
        std::sort(numbers.begin(), numbers.end());

        window.Text1->setText(words.join(u' '));
        window.Command1_Click();
        const QStringList lines = window.Label2->caption().split(u"\r\n"_s);
        QCOMPARE(lines.value(1),
                 u"Выполнено перестановок: "_s + u' ' + QString::number(inversions));
        for (int i = 1; i <= 10; ++i)
            QCOMPARE(window.ElementArray[i].toSingle(), numbers[i - 1]);
    }
}

QTEST_MAIN(TestPairSwap)
#include "tst_pairswap.moc"
