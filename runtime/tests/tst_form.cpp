#include "commandbutton.h"
#include "form.h"
#include "label.h"
#include "messagebox.h"
#include "messagecapture.h"
#include "numericvalue.h"
#include "runtimeerror.h"
#include "textbox.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

// Tab indexes deliberately out of the order of declaration.
FormLayout testLayout()
{
    using Kind = ControlLayout::Kind;
    return FormLayout{
        u"Проба"_s,
        6024,
        3012,
        {
            {Kind::Label, u"Label1"_s, u"Подпись"_s, 240, 240, 3012, 252, 2},
            {Kind::TextBox, u"Text1"_s, u"12 345 6"_s, 3600, 120, 2292, 372, 6, u"Сумма"_s},
            {Kind::CommandButton, u"Command2"_s, u"Расчет"_s, 2280, 2520, 1692, 372, 0},
            {Kind::CommandButton, u"Command3"_s, u"Выход"_s, 4200, 2520, 1692, 372, 1},
        },
        u"Command2"_s};
}

} // namespace

class TestForm : public QObject {
    Q_OBJECT

private slots:
    void init();
    void geometryFromTwips();
    void focusFollowsTabIndex();
    void labelCaption_data();
    void labelCaption();
    void longCaptionInToolTip();
    void accessibleNames();
    void selection();
    void keysPressButtons();
    void runtimeErrorIsReported();
    void realMessageBox();
    void unloadCloses();

private:
    std::unique_ptr<Form> m_form;
};

void TestForm::init()
{
    m_form = std::make_unique<Form>(testLayout());
}

void TestForm::geometryFromTwips()
{
    QCOMPARE(m_form->size(), QSize(402, 201));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QCOMPARE(m_form->windowTitle(), u"Проба"_s);
    QCOMPARE(m_form->textBox(u"Text1"_s)->geometry(), QRect(240, 8, 153, 25));
}

void TestForm::focusFollowsTabIndex()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QCOMPARE(QApplication::focusWidget(), m_form->commandButton(u"Command2"_s));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_form->commandButton(u"Command3"_s));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_form->textBox(u"Text1"_s));
}

void TestForm::labelCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");

    QTest::newRow("plain") << u"Остаток"_s << u"Остаток"_s;
    QTest::newRow("CR LF") << u"Заголовок: \r\n 1  2 "_s << u"Заголовок: \n 1  2 "_s;
    QTest::newRow("trailing CR LF") << u"Заголовок:\r\n"_s << u"Заголовок:\n"_s;
    QTest::newRow("lone CR and LF") << u"a\rb\nc"_s << u"a\nb\nc"_s;
    QTest::newRow("markup stays text") << u"<b>5</b>"_s << u"<b>5</b>"_s;
}

void TestForm::labelCaption()
{
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    Label *label = m_form->label(u"Label1"_s);
    label->setCaption(caption);
    QCOMPARE(label->caption(), caption);
    QCOMPARE(label->text(), shown);
    QCOMPARE(label->textFormat(), Qt::PlainText);
}

void TestForm::longCaptionInToolTip()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    Label *label = m_form->label(u"Label1"_s);
    const auto hover = [label] {
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), label->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(label, &event);
    };
    QVERIFY(label->captionFits());
    const QString longCaption = QString(u"1234567890 "_s).repeated(20);
    label->setCaption(longCaption);
    QVERIFY(!label->captionFits());
    hover();
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), longCaption);
    label->setCaption(u"Коротко"_s);
    hover();
    QTRY_VERIFY(!QToolTip::isVisible());
}

void TestForm::accessibleNames()
{
    const auto name = [](QWidget *widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    Label *label = m_form->label(u"Label1"_s);
    label->setCaption(u"Количество полных лет: 12"_s);
    QCOMPARE(name(label), u"Количество полных лет: 12"_s);
    QCOMPARE(name(m_form->commandButton(u"Command3"_s)), u"Выход"_s);
    QCOMPARE(name(m_form->textBox(u"Text1"_s)), u"Сумма"_s);
}

// Writing the start empties the selection; writing the length selects from the start.
void TestForm::selection()
{
    TextBox *box = m_form->textBox(u"Text1"_s);
    box->setSelStart(3);
    box->setSelLength(3);
    QCOMPARE(box->selStart(), 3);
    QCOMPARE(box->selLength(), 3);
    QCOMPARE(box->selText(), u"345"_s);
    QCOMPARE(box->selectedText(), u"345"_s);

    box->setSelLength(100);
    QCOMPARE(box->selText(), u"345 6"_s);
    QCOMPARE(box->selStart(), 3);

    box->setSelLength(0);
    QCOMPARE(box->selStart(), 3);
    QCOMPARE(box->selText(), QString());

    box->setSelLength(2);
    box->setSelStart(7);
    QCOMPARE(box->selLength(), 0);
    QCOMPARE(box->selStart(), 7);

    box->setSelStart(99);
    QCOMPARE(box->selStart(), 8);
    QCOMPARE(box->text(), u"12 345 6"_s);
}

void TestForm::keysPressButtons()
{
    QSignalSpy compute(m_form->commandButton(u"Command2"_s), &QAbstractButton::clicked);
    QSignalSpy exit(m_form->commandButton(u"Command3"_s), &QAbstractButton::clicked);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));

    QTest::keyClick(m_form->textBox(u"Text1"_s), Qt::Key_Return);
    QCOMPARE(compute.size(), 1);
    QTest::keyClick(m_form->commandButton(u"Command3"_s), Qt::Key_Enter);
    QTest::keyClick(m_form->commandButton(u"Command3"_s), Qt::Key_Space);
    QCOMPARE(exit.size(), 2);
    QCOMPARE(compute.size(), 1);
}

void TestForm::runtimeErrorIsReported()
{
    MessageCapture messages;
    Label *label = m_form->label(u"Label1"_s);
    bool finished = false;
    m_form->onClick(m_form->commandButton(u"Command2"_s), [&] {
        label->setCaption(u"до ошибки"_s);
        NumericValue(1e39).toSingle();
        finished = true;
    });
    m_form->show();
    QTest::mouseClick(m_form->commandButton(u"Command2"_s), Qt::LeftButton);
    QCOMPARE(messages.prompts, QStringList{u"Ошибка выполнения: переполнение."_s});
    QVERIFY(!finished);
    QCOMPARE(label->caption(), u"до ошибки"_s);
    QVERIFY(m_form->isVisible());
}

void TestForm::realMessageBox()
{
    QApplication::setApplicationName(u"pickmin"_s);
    m_form->show();
    QString seen;
    QMessageBox::Icon icon = QMessageBox::Critical;
    qsizetype buttons = 0;
    QTimer::singleShot(0, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seen = box->windowTitle() + u'|' + box->text();
            icon = box->icon();
            buttons = box->buttons().size();
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    // Should Return not close it, the test fails instead of waiting forever.
    QTimer::singleShot(5000, this, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    showMessage(u"Проверьте свои данные и повторите ввод!"_s);
    QCOMPARE(seen, u"pickmin|Проверьте свои данные и повторите ввод!"_s);
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestForm::unloadCloses()
{
    m_form->show();
    m_form->onClick(m_form->commandButton(u"Command3"_s), [this] { m_form->unload(); });
    QTest::mouseClick(m_form->commandButton(u"Command3"_s), Qt::LeftButton);
    QVERIFY(!m_form->isVisible());
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
