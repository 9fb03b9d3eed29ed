#include "commandbutton.h"
#include "label.h"
#include "messagecapture.h"
#include "sortingtest.h"
#include "tallywindow.h"
#include "textbox.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>

using namespace Qt::StringLiterals;
using namespace SortingTest;

namespace {

const QString Title =
    u"Алгоритм сортировки подсчетом (все элементы массива должны быть разными!):\r\n"_s;

} // namespace

class TestTally : public QObject {
    Q_OBJECT

private slots:
    void sorts_data();
    void sorts();
    void zerosAreFresh();
    void beyondSingleRange();
    void sortsDistinctNumbers();
};

void TestTally::sorts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sorted");

    const QString oneToTen = u" 1  2  3  4  5  6  7  8  9  10 "_s;
    QTest::newRow("mixed") << u"5 3 9 1 7 2 8 4 6 10"_s << oneToTen;
    QTest::newRow("reversed") << u"10 9 8 7 6 5 4 3 2 1"_s << oneToTen;
    QTest::newRow("ascending") << u"1 2 3 4 5 6 7 8 9 10"_s << oneToTen;
    QTest::newRow("negatives") << u"-2 5 -7 0 3 1 -1 4 2 6"_s
                               << u"-7 -2 -1  0  1  2  3  4  5  6 "_s;
    QTest::newRow("one value twice")
        << u"4 2 4 1 3 5 6 7 8 9"_s << u" 1  2  3  4  0  5  6  7  8  9 "_s;
    QTest::newRow("all equal") << u"7 7 7 7 7 7 7 7 7 7"_s << u" 7  0  0  0  0  0  0  0  0  0 "_s;
    QTest::newRow("completed input") << u"5 4 3"_s << u" 3  0  0  0  0  0  0  0  4  5 "_s;
    QTest::newRow("empty") << QString() << u" 0  0  0  0  0  0  0  0  0  0 "_s;
    QTest::newRow("different only as doubles")
        << u"1.00000002 1.00000001 0"_s << u" 0  0  0  0  0  0  0  0  1  1 "_s;
    QTest::newRow("shown at single precision")
        << u"3.14159265 2"_s << u" 2  0  0  0  0  0  0  0  0  3.141593 "_s;
}

void TestTally::sorts()
{
    QFETCH(QString, text);
    QFETCH(QString, sorted);
    TallyWindow window;
    window.show();
    QCOMPARE(window.windowTitle(), u"Сортировка массива подсчетом"_s);
    sortText(window, text);
    QCOMPARE(window.Label2->caption(), Title + sorted);
    QCOMPARE(window.ResultArray[0], 0.0f);
}

// The zeros a repeated value leaves are zeros, not numbers of the click before.
void TestTally::zerosAreFresh()
{
    TallyWindow window;
    window.show();
    sortText(window, u"11 12 13 14 15 16 17 18 19 20"_s);
    sortText(window, u"4 2 4 1 3 5 6 7 8 9"_s);
    QCOMPARE(window.Label2->caption(), Title + u" 1  2  3  4  0  5  6  7  8  9 "_s);
}

void TestTally::beyondSingleRange()
{
    MessageCapture messages;
    TallyWindow window;
    window.show();
    sortText(window, u"1 1E+39 2"_s);
    QCOMPARE(messages.prompts, QStringList{Overflow});
    QCOMPARE(window.Label1->caption(), SourceHeader + u" 1  1E+39  2  2  2  2  2  2  2  2 "_s);
    QCOMPARE(window.Label2->caption(), Title);
    QVERIFY(window.isVisible());
}

// Over many generated inputs of ten different numbers: the slots hold them in ascending order.
void TestTally::sortsDistinctNumbers()
{
    QRandomGenerator random(20261208);
    TallyWindow window;
    for (int round = 0; round < 300; ++round) {
        QList<double> numbers;
        while (numbers.size() < 10) {
            const double number = (random.bounded(8001) - 4000) / 8.0;
            if (!numbers.contains(number))
                numbers.append(number);
        }
        QStringList words;
        for (double number : numbers)
            words.append(QString::number(number));
        std::sort(numbers.begin(), numbers.end());

        window.Text1->setText(words.join(u' '));
        window.Command1_Click();
        for (int i = 1; i <= 10; ++i)
            QCOMPARE(window.ResultArray[i], static_cast<float>(numbers[i - 1]));
    }
}

QTEST_MAIN(TestTally)
#include "tst_tally.moc"
