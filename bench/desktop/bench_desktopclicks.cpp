// A mouse click on a program's button in its window, from the press to the captions shown: the
// handler on the form and the one update of the widgets after it.
#include "bankform.h"
#include "formview.h"
#include "pairswapform.h"
#include "pickminform.h"
#include "tallyform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

using Factory = std::function<std::unique_ptr<Form>()>;
Q_DECLARE_METATYPE(Factory)

class BenchDesktopClicks : public QObject {
    Q_OBJECT

private slots:
    void click_data();
    void click();
};

void BenchDesktopClicks::click_data()
{
    QTest::addColumn<Factory>("create");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");

    const QList<std::pair<const char *, Factory>> programs{
        {"pickmin", [] { return std::make_unique<PickMinForm>(); }},
        {"pairswap", [] { return std::make_unique<PairSwapForm>(); }},
        {"tally", [] { return std::make_unique<TallyForm>(); }},
    };
    const QString longest = u"-12345.678 "_s.repeated(3000).left(32767);
    for (const auto &[name, create] : programs) {
        QTest::addRow("%s, ten numbers", name)
            << create << u"Text1"_s << u"5 3 8 1 9 2 7 4 10 6"_s << u"Command1"_s;
        QTest::addRow("%s, 32767 characters", name)
            << create << u"Text1"_s << longest << u"Command1"_s;
    }
    const Factory bank = [] { return std::make_unique<BankForm>(); };
    QTest::addRow("Bank, start values") << bank << u"Text2"_s << u"12"_s << u"Command2"_s;
    // With 0 % and a payment of 1 the loan lasts 32767 full years.
    QTest::addRow("Bank, 32767 years") << bank << u"Text2"_s << u"0"_s << u"Command2"_s;
}

void BenchDesktopClicks::click()
{
    QFETCH(Factory, create);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, button);
    const std::unique_ptr<Form> form = create();
    FormView view(*form);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    if (text == u"0"_s) {
        view.findChild<QLineEdit *>(u"Text1"_s)->setText(u"32767.5"_s);
        view.findChild<QLineEdit *>(u"Text3"_s)->setText(u"1"_s);
    }
    view.findChild<QLineEdit *>(box)->setText(text);
    QPushButton *target = view.findChild<QPushButton *>(button);
    QTest::mouseClick(target, Qt::LeftButton);
    QBENCHMARK
    {
        QTest::mouseClick(target, Qt::LeftButton);
    }
}

QTEST_MAIN(BenchDesktopClicks)
#include "bench_desktopclicks.moc"
