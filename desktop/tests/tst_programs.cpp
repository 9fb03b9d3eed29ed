#include "bankform.h"
#include "formview.h"
#include "labelview.h"
#include "messagecapture.h"
#include "pairswapform.h"
#include "pickminform.h"
#include "qtext.h"
#include "tallyform.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <clocale>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

using Factory = std::function<std::unique_ptr<Form>()>;

template<class Program>
Factory make()
{
    return [] { return std::make_unique<Program>(); };
}

const QString SortedOneToTen = u" 1  2  3  4  5  6  7  8  9  10 "_s;
const QString Source = u"Исходный массив состоит из элементов:\n 5  3  8  1  9  2  7  4  10  6 "_s;

// A program's form in its window, as a user finds it.
struct Window {
    explicit Window(const Factory &create)
        : form(create())
        , view(*form)
    {
        view.show();
    }

    QString caption(const QString &name) const { return view.findChild<LabelView *>(name)->text(); }
    QLineEdit *box(const QString &name) const { return view.findChild<QLineEdit *>(name); }
    QPushButton *button(const QString &name) const { return view.findChild<QPushButton *>(name); }

    std::unique_ptr<Form> form;
    FormView view;
};

} // namespace

Q_DECLARE_METATYPE(Factory)

class TestPrograms : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startState_data();
    void startState();
    void sortingClick_data();
    void sortingClick();
    void overflowShowsTheEchoBehindTheMessage();
    void bankByKeyboard();
    void exitEndsProgram();
};

// Under a Russian locale the C library writes and reads a decimal comma; the results must not
// change, so make sure that locale really is in force.
void TestPrograms::initTestCase()
{
    if (qEnvironmentVariable("LC_ALL").startsWith(u"ru_RU"))
        QCOMPARE(std::localeconv()->decimal_point, ",");
}

void TestPrograms::startState_data()
{
    QTest::addColumn<Factory>("create");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("focus");

    QTest::newRow("pickmin") << make<PickMinForm>()
                             << u"Сортировка массива переносом мин. элемента"_s << QSize(383, 184)
                             << u"Text1"_s;
    QTest::newRow("pairswap") << make<PairSwapForm>()
                              << u"Сортировка массива попарными перестановками"_s << QSize(383, 184)
                              << u"Text1"_s;
    QTest::newRow("tally") << make<TallyForm>() << u"Сортировка массива подсчетом"_s
                           << QSize(383, 184) << u"Text1"_s;
    QTest::newRow("Bank") << make<BankForm>() << u"Займ в банке"_s << QSize(402, 201)
                          << u"Command2"_s;
}

void TestPrograms::startState()
{
    QFETCH(Factory, create);
    QFETCH(QString, title);
    QFETCH(QSize, size);
    QFETCH(QString, focus);
    Window window(create);
    QVERIFY(QTest::qWaitForWindowActive(&window.view));
    QCOMPARE(window.view.windowTitle(), title);
    QCOMPARE(window.view.size(), size);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    // Every start caption shows whole.
    for (LabelView *label : window.view.findChildren<LabelView *>()) {
        QVERIFY2(label->captionFits(), qPrintable(label->objectName()));
        QCOMPARE(toCoreText(label->text()),
                 window.form->label(toCoreText(label->objectName())).caption());
    }
}

void TestPrograms::sortingClick_data()
{
    QTest::addColumn<Factory>("create");
    QTest::addColumn<QString>("result");

    QTest::newRow("pickmin") << make<PickMinForm>()
                             << u"Алгоритм сортировки переносом мин. элемента: \n"_s +
                                    SortedOneToTen;
    QTest::newRow("pairswap") << make<PairSwapForm>()
                              << u"Алгоритм сортировки парными перестановками: \n"
                                 u"Выполнено перестановок:  18\n"_s +
                                     SortedOneToTen;
    QTest::newRow("tally")
        << make<TallyForm>()
        << u"Алгоритм сортировки подсчетом (все элементы массива должны быть разными!):\n"_s +
               SortedOneToTen;
}

// Typed, then sorted by a click on the button and again by Enter: the captions and the
// selection the walk leaves are the same each time.
void TestPrograms::sortingClick()
{
    QFETCH(Factory, create);
    QFETCH(QString, result);
    Window window(create);
    QVERIFY(QTest::qWaitForWindowActive(&window.view));
    QTest::keyClicks(window.box(u"Text1"_s), u"5 3 8 1 9 2 7 4 10 6"_s);
    for (const bool byEnter : {false, true}) {
        if (byEnter)
            QTest::keyClick(window.box(u"Text1"_s), Qt::Key_Return);
        else
            QTest::mouseClick(window.button(u"Command1"_s), Qt::LeftButton);
        QCOMPARE(window.caption(u"Label1"_s), Source);
        QCOMPARE(window.caption(u"Label2"_s), result);
        QCOMPARE(window.box(u"Text1"_s)->text(), u"5 3 8 1 9 2 7 4 10 6"_s);
        QCOMPARE(window.box(u"Text1"_s)->selectionStart(), 19);
        QCOMPARE(window.box(u"Text1"_s)->selectedText(), u"6"_s);
    }
}

void TestPrograms::overflowShowsTheEchoBehindTheMessage()
{
    MessageCapture messages;
    Window window(make<PickMinForm>());
    QString behind;
    messages.onMessage = [&] {
        behind = window.caption(u"Label1"_s) + u'|' + window.caption(u"Label2"_s);
    };
    window.box(u"Text1"_s)->setText(u"1 1E+39 2"_s);
    QTest::mouseClick(window.button(u"Command1"_s), Qt::LeftButton);
    QCOMPARE(messages.prompts, QStringList{u"Ошибка выполнения: переполнение."_s});
    QCOMPARE(messages.titles, QStringList{u"pickmin"_s});
    QCOMPARE(behind, u"Исходный массив состоит из элементов:\n 1  1E+39  2  2  2  2  2  2  2  2 |"
                     u"Алгоритм сортировки переносом мин. элемента: \n"_s);
    QVERIFY(window.view.isVisible());
}

void TestPrograms::bankByKeyboard()
{
    MessageCapture messages;
    Window window(make<BankForm>());
    QVERIFY(QTest::qWaitForWindowActive(&window.view));
    const QString result =
        u"Количество полных лет: 12\nОстаток суммы 173373.35 (это еще 0.22 г.)"_s;
    // Space on the focused button computes.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(window.caption(u"Label4"_s), result);
    // Enter in a box presses Расчет; the warning leaves the result.
    QLineEdit *payment = window.box(u"Text3"_s);
    payment->setFocus();
    payment->selectAll();
    QTest::keyClicks(payment, u"600000"_s);
    QTest::keyClick(payment, Qt::Key_Return);
    QCOMPARE(messages.prompts,
             QStringList{u"Выплаты за год не покрывают процентную ставку! Измените данные."_s});
    QCOMPARE(messages.titles, QStringList{u"Bank"_s});
    QCOMPARE(window.caption(u"Label4"_s), result);
}

// Выход ends the program at once, with status 0 and no question, whatever the boxes hold.
void TestPrograms::exitEndsProgram()
{
    MessageCapture messages;
    Window window(make<BankForm>());
    window.box(u"Text1"_s)->setText(u"не число"_s);
    QPushButton *exit = window.button(u"Command3"_s);
    QTimer::singleShot(0, exit, [exit] { QTest::mouseClick(exit, Qt::LeftButton); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window.view.isVisible());
    QVERIFY(messages.prompts.isEmpty());
}

QTEST_MAIN(TestPrograms)
#include "tst_programs.moc"
