#include "bankwindow.h"
#include "commandbutton.h"
#include "label.h"
#include "messagecapture.h"
#include "textbox.h"

#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString Description =
    u"Программа рассчитывает, на какой период можно взять займ в банке при известной годовой "
    u"ставке и годовой выплате. Введите данные в поля ввода и нажмите кнопку 'Расчет'. Проценты "
    u"предполагаются простыми."_s;
const QString CheckData = u"Проверьте свои данные и повторите ввод!"_s;
const QString NotCovered = u"Выплаты за год не покрывают процентную ставку! Измените данные."_s;
const QString TooLong = u"Срок погашения превышает 32767 лет! Измените данные."_s;

QString result(const QString &years, const QString &remainder, const QString &share)
{
    return u"Количество полных лет: "_s + years + u"\r\nОстаток суммы "_s + remainder +
           u" (это еще "_s + share + u" г.)"_s;
}

} // namespace

class TestBank : public QObject {
    Q_OBJECT

private slots:
    void startState();
    void compute_data();
    void compute();
    void warningKeepsResult();
    void exitEndsProgram();
};

void TestBank::startState()
{
    BankWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.windowTitle(), u"Займ в банке"_s);
    QCOMPARE(window.size(), QSize(402, 201));
    QCOMPARE(window.Text1->text(), u"5000000"_s);
    QCOMPARE(window.Text2->text(), u"12"_s);
    QCOMPARE(window.Text3->text(), u"800000"_s);
    QCOMPARE(window.label(u"Label1"_s)->caption(), u"Занимаемая сумма, руб.:"_s);
    QCOMPARE(window.label(u"Label2"_s)->caption(), u"Годовая ставка, %"_s);
    QCOMPARE(window.label(u"Label3"_s)->caption(), u"Годовая выплата, руб."_s);
    QCOMPARE(window.Label4->caption(), Description);
    QCOMPARE(window.Command2->caption(), u"Расчет"_s);
    QCOMPARE(window.Command3->caption(), u"Выход"_s);
    QCOMPARE(QApplication::focusWidget(), window.Command2);
    // Every start caption fits its label, the description included.
    for (Label *label : window.findChildren<Label *>())
        QVERIFY2(label->captionFits(), qPrintable(label->objectName()));

    // Space on the focused button computes.
    QTest::keyClick(window.Command2, Qt::Key_Space);
    QCOMPARE(window.Label4->caption(), result(u"12"_s, u"173373.35"_s, u"0.22"_s));
}

void TestBank::compute_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("caption");

    const auto row = [](const char *name, const QString &amount, const QString &rate,
                        const QString &payment) -> QTestData & {
        return QTest::newRow(name) << amount << rate << payment;
    };
    row("start values", u"5000000"_s, u"12"_s, u"800000"_s)
        << QString() << result(u"12"_s, u"173373.35"_s, u"0.22"_s);
    row("amount equal to payment", u"800000"_s, u"12"_s, u"800000"_s)
        << QString() << result(u"0"_s, u"800000.00"_s, u"1.00"_s);
    row("rate 100 accepted", u"800000"_s, u"100"_s, u"800000"_s)
        << QString() << result(u"0"_s, u"800000.00"_s, u"1.00"_s);
    row("payment just above interest", u"5000000"_s, u"12"_s, u"600001"_s)
        << QString() << result(u"117"_s, u"221114.24"_s, u"0.37"_s);
    row("rate 0", u"5000000"_s, u"0"_s, u"800000"_s)
        << QString() << result(u"6"_s, u"200000.00"_s, u"0.25"_s);
    row("empty rate computes without interest", u"5000000"_s, QString(), u"800000"_s)
        << QString() << result(u"6"_s, u"200000.00"_s, u"0.25"_s);
    row("grouped digits and decimal comma", u"5 000 000"_s, u"12,0"_s, u"800 000,00"_s)
        << QString() << result(u"12"_s, u"173373.35"_s, u"0.22"_s);
    row("longest term", u"32767.5"_s, u"0"_s, u"1"_s)
        << QString() << result(u"32767"_s, u"0.50"_s, u"0.50"_s);

    row("negative amount", u"-5000000"_s, u"12"_s, u"800000"_s) << CheckData << Description;
    row("negative payment", u"5000000"_s, u"12"_s, u"-1"_s) << CheckData << Description;
    row("negative rate", u"5000000"_s, u"-0.5"_s, u"800000"_s) << CheckData << Description;
    row("rate above 100", u"5000000"_s, u"100.5"_s, u"800000"_s) << CheckData << Description;
    row("amount below payment", u"500000"_s, u"12"_s, u"800000"_s) << CheckData << Description;
    row("amount 0", u"0"_s, u"12"_s, u"800000"_s) << CheckData << Description;
    row("amount and payment 0", u"0"_s, u"12"_s, u"0"_s) << CheckData << Description;
    row("empty boxes", QString(), QString(), QString()) << CheckData << Description;
    row("empty amount", QString(), u"12"_s, u"800000"_s) << CheckData << Description;

    row("payment equal to interest", u"5000000"_s, u"12"_s, u"600000"_s)
        << NotCovered << Description;
    row("payment 0", u"5000000"_s, u"12"_s, u"0"_s) << NotCovered << Description;
    row("empty payment", u"5000000"_s, u"12"_s, QString()) << NotCovered << Description;
    row("interest beyond doubles", u"1e307"_s, u"100"_s, u"1"_s) << NotCovered << Description;

    row("one year too long", u"32768.5"_s, u"0"_s, u"1"_s) << TooLong << Description;
    row("amount beyond doubles", u"1e400"_s, u"12"_s, u"1"_s)
        << u"Ошибка выполнения: переполнение."_s << Description;
}

void TestBank::compute()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(QString, payment);
    QFETCH(QString, message);
    QFETCH(QString, caption);

    MessageCapture messages;
    BankWindow window;
    window.show();
    window.Text1->setText(amount);
    window.Text2->setText(rate);
    window.Text3->setText(payment);
    QTest::mouseClick(window.Command2, Qt::LeftButton);

    QCOMPARE(messages.prompts, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(window.Label4->caption(), caption);
    QCOMPARE(window.Text1->text(), amount);
    QCOMPARE(window.Text2->text(), rate);
    QCOMPARE(window.Text3->text(), payment);
}

void TestBank::warningKeepsResult()
{
    MessageCapture messages;
    BankWindow window;
    window.show();
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    const QString first = window.Label4->caption();
    window.Text3->setText(u"600000"_s);
    QTest::keyClick(window.Text3, Qt::Key_Return);
    QCOMPARE(messages.prompts, QStringList{NotCovered});
    QCOMPARE(window.Label4->caption(), first);
    QCOMPARE(first, result(u"12"_s, u"173373.35"_s, u"0.22"_s));
}

// Выход ends the program at once, with status 0 and no question, whatever the boxes hold.
void TestBank::exitEndsProgram()
{
    MessageCapture messages;
    BankWindow window;
    window.show();
    window.Text1->setText(u"не число"_s);
    QTimer::singleShot(0, window.Command3,
                       [&] { QTest::mouseClick(window.Command3, Qt::LeftButton); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window.isVisible());
    QVERIFY(messages.prompts.isEmpty());
}

QTEST_MAIN(TestBank)
#include "tst_bank.moc"
