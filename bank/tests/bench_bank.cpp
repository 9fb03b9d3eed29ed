#include "bankwindow.h"
#include "label.h"
#include "textbox.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Handler time of a click on Расчет: the start values, and the longest loan the window accepts.
class BenchBank : public QObject {
    Q_OBJECT

private slots:
    void click_data();
    void click();
};

void BenchBank::click_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("years");

    QTest::newRow("start values") << u"5000000"_s << u"12"_s << u"800000"_s << u"12"_s;
    QTest::newRow("32767 years") << u"32767.5"_s << u"0"_s << u"1"_s << u"32767"_s;
}

void BenchBank::click()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(QString, payment);
    QFETCH(QString, years);

    BankWindow window;
    window.Text1->setText(amount);
    window.Text2->setText(rate);
    window.Text3->setText(payment);
    window.Command2_Click();
    QVERIFY2(window.Label4->caption().startsWith(u"Количество полных лет: "_s + years + u'\r'),
             qPrintable(window.Label4->caption()));
    QBENCHMARK
    {
        window.Command2_Click();
    }
}

QTEST_MAIN(BenchBank)
#include "bench_bank.moc"
