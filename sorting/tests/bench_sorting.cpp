#include "label.h"
#include "pairswapwindow.h"
#include "pickminwindow.h"
#include "tallywindow.h"
#include "textbox.h"

#include <QTest>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

using Factory = std::function<std::unique_ptr<SortingWindow>()>;
Q_DECLARE_METATYPE(Factory)

// Handler time of a click on Сортировка in each program: ten numbers, and an entry box filled to
// its maximum length.
class BenchSorting : public QObject {
    Q_OBJECT

private slots:
    void click_data();
    void click();
};

void BenchSorting::click_data()
{
    QTest::addColumn<Factory>("create");
    QTest::addColumn<QString>("text");

    const QList<std::pair<const char *, Factory>> programs{
        {"pickmin", [] { return std::make_unique<PickMinWindow>(); }},
        {"pairswap", [] { return std::make_unique<PairSwapWindow>(); }},
        {"tally", [] { return std::make_unique<TallyWindow>(); }},
    };
    const QString tenNumbers = u"5 3 8 1 9 2 7 4 10 6"_s;
    const QString longest = u"-12345.678 "_s.repeated(3000).left(32767);
    for (const auto &[name, create] : programs) {
        QTest::addRow("%s, ten numbers", name) << create << tenNumbers;
        QTest::addRow("%s, longest text", name) << create << longest;
    }
}

void BenchSorting::click()
{
    QFETCH(Factory, create);
    QFETCH(QString, text);
    const std::unique_ptr<SortingWindow> window = create();
    window->Text1->setText(text);
    window->Command1_Click();
    QVERIFY(window->Label2->caption().endsWith(u' '));
    QBENCHMARK
    {
        window->Command1_Click();
    }
}

QTEST_MAIN(BenchSorting)
#include "bench_sorting.moc"
