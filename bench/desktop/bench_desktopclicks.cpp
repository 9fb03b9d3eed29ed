// A mouse click on a program's default button in its window, from the press to the captions
// shown: the handler on the form and the one update of the widgets after it. Every program in
// the list, with its boxes as they start, with ten numbers and with 32767 characters in each.
#include "formview.h"
#include "messagebox.h"
#include "programs.h"
#include "qtext.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(const ProgramForm *)

class BenchDesktopClicks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void click_data();
    void click();
};

// A message a click shows is counted, not waited for.
void BenchDesktopClicks::initTestCase()
{
    setMessagePresenter([](const QString &, const QString &) {});
}

void BenchDesktopClicks::click_data()
{
    QTest::addColumn<const ProgramForm *>("program");
    // Each box's text, in the order of the tab order; none keeps the start texts.
    QTest::addColumn<QStringList>("texts");

    const QString longest = u"-12345.678 "_s.repeated(3000).left(32767);
    for (const ProgramForm &program : Programs) {
        const QByteArray name(program.name.data(), qsizetype(program.name.size()));
        QTest::addRow("%s, start values", name.constData()) << &program << QStringList();
        QTest::addRow("%s, ten numbers", name.constData())
            << &program << QStringList(8, u"5 3 8 1 9 2 7 4 10 6"_s);
        QTest::addRow("%s, 32767 characters", name.constData())
            << &program << QStringList(8, longest);
        // With 0 % and a payment of 1 the loan lasts 32767 full years.
        if (program.name == "Bank")
            QTest::addRow("Bank, 32767 years")
                << &program << QStringList{u"32767.5"_s, u"0"_s, u"1"_s};
    }
}

void BenchDesktopClicks::click()
{
    QFETCH(const ProgramForm *, program);
    QFETCH(QStringList, texts);
    // A message a click shows is counted, not waited for.
    const MessagePresenter previous = setMessagePresenter([](const QString &, const QString &) {});
    const std::unique_ptr<Form> form = program->make();
    FormView view(*form);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    qsizetype next = 0;
    for (const Control *control : form->tabOrder()) {
        if (control->kind() == ControlLayout::Kind::TextBox && next < texts.size())
            view.findChild<QLineEdit *>(toQString(control->name()))->setText(texts[next++]);
    }
    QVERIFY(form->defaultButton());
    QPushButton *target = view.findChild<QPushButton *>(toQString(form->defaultButton()->name()));
    QTest::mouseClick(target, Qt::LeftButton);
    QBENCHMARK
    {
        QTest::mouseClick(target, Qt::LeftButton);
    }
}

QTEST_MAIN(BenchDesktopClicks)
#include "bench_desktopclicks.moc"
