#include "application.h"
#include "bankform.h"
#include "formview.h"
#include "labelview.h"
#include "messagecapture.h"
#include "pairswapform.h"
#include "pickminform.h"
#include "qtext.h"
#include "tallyform.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
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
    void pasteReadsWhatIsShown_data();
    void pasteReadsWhatIsShown();
    void failedClickShowsNoEarlierResult();
    void longCaptions_data();
    void longCaptions();
    void russianContextMenu();
    void defaultButtonFollowsFocus_data();
    void defaultButtonFollowsFocus();
    void windowToScreenReaders();
};

// Under a Russian locale the C library writes and reads a decimal comma; the results must not
// change, so make sure that locale really is in force.
void TestPrograms::initTestCase()
{
    QApplication::setApplicationName(u"tst_programs"_s);
    prepareApplication(BankForm());
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
    // The result selected whole and copied, with its line break as a plain one.
    auto *label = window.view.findChild<LabelView *>(u"Label4"_s);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(1, 1));
    QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(label->hasSelectedText());
    QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), result);
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

void TestPrograms::pasteReadsWhatIsShown_data()
{
    QTest::addColumn<Factory>("create");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");

    QTest::newRow("a column of numbers")
        << make<TallyForm>() << u"Text1"_s << u"5\n3\n8\n1\n9\n2\n7\n4\n10\n6\n"_s
        << u"5 3 8 1 9 2 7 4 10 6"_s << u"Label1"_s << Source;
    QTest::newRow("rows of a spreadsheet")
        << make<PickMinForm>() << u"Text1"_s << u"5\t3\t8\t1\t9\r\n2\t7\t4\t10\t6"_s
        << u"5 3 8 1 9 2 7 4 10 6"_s << u"Label1"_s << Source;
    QTest::newRow("thousands set apart by no-break spaces")
        << make<BankForm>() << u"Text1"_s << u"5\u00A0000\u00A0000"_s << u"5 000 000"_s
        << u"Label4"_s << u"Количество полных лет: 12\nОстаток суммы 173373.35 (это еще 0.22 г.)"_s;
}

// What a box shows as blanks is what the program reads as blanks.
void TestPrograms::pasteReadsWhatIsShown()
{
    QFETCH(Factory, create);
    QFETCH(QString, box);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    QFETCH(QString, label);
    QFETCH(QString, caption);
    Window window(create);
    QLineEdit *entry = window.box(box);
    entry->clear();
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(entry, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(entry->text(), shown);
    QCOMPARE(entry->cursorPosition(), shown.size());
    QTest::keyClick(entry, Qt::Key_Return);
    QCOMPARE(window.caption(label), caption);
}

// After an error while the numbers are read, Label2 shows its note again, not the result of the
// numbers before.
void TestPrograms::failedClickShowsNoEarlierResult()
{
    MessageCapture messages;
    Window window(make<PairSwapForm>());
    QString behind;
    messages.onMessage = [&] { behind = window.caption(u"Label2"_s); };
    window.box(u"Text1"_s)->setText(u"5 3 8 1 9 2 7 4 10 6"_s);
    QTest::mouseClick(window.button(u"Command1"_s), Qt::LeftButton);
    window.box(u"Text1"_s)->setText(u"1E+39 7 6 5"_s);
    QTest::mouseClick(window.button(u"Command1"_s), Qt::LeftButton);
    const QString note =
        u"В случае неправильного ввода массив будет дополнен числами автоматически!"_s;
    QCOMPARE(messages.prompts, QStringList{u"Ошибка выполнения: переполнение."_s});
    QCOMPARE(behind, note);
    QCOMPARE(window.caption(u"Label2"_s), note);
    QCOMPARE(window.caption(u"Label1"_s), u"Исходный массив состоит из элементов:\n"_s);
}

void TestPrograms::longCaptions_data()
{
    QTest::addColumn<Factory>("create");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("fits");

    const QString decimals = u"0.5 1.25 -3.75 10.125 -20.5 33.333 -0.001 7.77 100.01 -55.55"_s;
    const QString doubles = u"-1.23456789012345 "_s.repeated(10);
    const QString exponents = u"-1.23456789012345E-100 "_s.repeated(10);
    QTest::newRow("pickmin, ten numbers")
        << make<PickMinForm>() << u"5 3 8 1 9 2 7 4 10 6"_s << u"Label1"_s << true;
    QTest::newRow("pickmin, decimals") << make<PickMinForm>() << decimals << u"Label1"_s << false;
    QTest::newRow("pickmin, decimals sorted")
        << make<PickMinForm>() << decimals << u"Label2"_s << true;
    QTest::newRow("tally, fifteen digits") << make<TallyForm>() << doubles << u"Label1"_s << false;
    QTest::newRow("tally, exponents") << make<TallyForm>() << exponents << u"Label1"_s << false;
    QTest::newRow("pairswap, singles")
        << make<PairSwapForm>() << QString(exponents).replace(u"E-100"_s, u"E+30"_s) << u"Label2"_s
        << false;
    QTest::newRow("Bank, 1e100") << make<BankForm>() << u"1e100"_s << u"Label4"_s << false;
}

// A caption either shows whole, or up to its last whole line that fits, ending with «…», with the
// whole caption in its tooltip and for a screen reader.
void TestPrograms::longCaptions()
{
    QFETCH(Factory, create);
    QFETCH(QString, text);
    QFETCH(QString, label);
    QFETCH(bool, fits);
    Window window(create);
    QVERIFY(QTest::qWaitForWindowExposed(&window.view));
    if (dynamic_cast<BankForm *>(window.form.get())) {
        window.box(u"Text1"_s)->setText(text);
        window.box(u"Text2"_s)->setText(u"0"_s);
        window.box(u"Text3"_s)->setText(text);
        QTest::mouseClick(window.button(u"Command2"_s), Qt::LeftButton);
    } else {
        window.box(u"Text1"_s)->setText(text);
        QTest::mouseClick(window.button(u"Command1"_s), Qt::LeftButton);
    }
    auto *view = window.view.findChild<LabelView *>(label);
    const QString whole = view->text();
    QCOMPARE(whole, toQString(window.form->label(toCoreText(label)).caption())
                        .replace(toQString(Label::LineBreak), u"\n"_s));
    QCOMPARE(view->captionFits(), fits);
    const QStringList shown = view->shownLines();
    QVERIFY(!shown.isEmpty());
    QCOMPARE(QAccessible::queryAccessibleInterface(view)->text(QAccessible::Name), whole);

    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), view->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(view, &hover);
    if (fits) {
        QCOMPARE(shown.join(QString()).remove(u' '), QString(whole).remove(u'\n').remove(u' '));
        QVERIFY(!QToolTip::isVisible());
        return;
    }
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), whole);
    // Every line shown is whole, and the last ends with the ellipsis after a whole word.
    QVERIFY(shown.last().endsWith(u"…"_s));
    const QString drawn = shown.join(u' ').chopped(1).simplified();
    const QString flat = QString(whole).replace(u'\n', u' ').simplified();
    QVERIFY2(flat.startsWith(drawn), qPrintable(drawn));
    QVERIFY2(flat.size() == drawn.size() || flat[drawn.size()] == u' ', qPrintable(drawn));
    const int width = view->contentsRect().width();
    for (const QString &line : shown)
        QVERIFY2(view->fontMetrics().horizontalAdvance(line) <= width, qPrintable(line));
    QVERIFY(shown.size() * view->fontMetrics().lineSpacing() <= view->height());
    QToolTip::hideText();
}

// Qt's own texts are Russian whatever the locale.
void TestPrograms::russianContextMenu()
{
    Window window(make<PickMinForm>());
    const std::unique_ptr<QMenu> menu(window.box(u"Text1"_s)->createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            texts.append(action->text());
    }
    QVERIFY(texts.size() >= 5);
    for (const QString &text : texts) {
        const bool cyrillic = std::any_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() >= 0x0400 && c.unicode() <= 0x04FF;
        });
        QVERIFY2(cyrillic, qPrintable(texts.join(u", ")));
    }
}

void TestPrograms::defaultButtonFollowsFocus_data()
{
    QTest::addColumn<Factory>("create");
    // The button drawn as the default after each Tab from the start.
    QTest::addColumn<QStringList>("defaults");
    QTest::newRow("pickmin") << make<PickMinForm>()
                             << QStringList{u"Command1"_s, u"Command1"_s, u"Command1"_s};
    QTest::newRow("Bank") << make<BankForm>()
                          << QStringList{u"Command2"_s, u"Command3"_s, u"Command2"_s,
                                         u"Command2"_s};
}

void TestPrograms::defaultButtonFollowsFocus()
{
    QFETCH(Factory, create);
    QFETCH(QStringList, defaults);
    Window window(create);
    QVERIFY(QTest::qWaitForWindowActive(&window.view));
    for (qsizetype step = 0; step < defaults.size(); ++step) {
        QStringList drawn;
        for (QPushButton *button : window.view.findChildren<QPushButton *>()) {
            if (button->isDefault())
                drawn.append(button->objectName());
        }
        QCOMPARE(drawn, QStringList{defaults[step]});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

void TestPrograms::windowToScreenReaders()
{
    Window window(make<TallyForm>());
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&window.view);
    QCOMPARE(accessible->role(), QAccessible::Window);
    QCOMPARE(accessible->text(QAccessible::Name), u"Сортировка массива подсчетом"_s);
}

QTEST_MAIN(TestPrograms)
#include "tst_programs.moc"
