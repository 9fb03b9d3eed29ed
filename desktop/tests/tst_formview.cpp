#include "form.h"
#include "formview.h"
#include "labelview.h"
#include "messagebox.h"
#include "messagecapture.h"
#include "numericvalue.h"
#include "qtext.h"
#include "testlayout.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>

using namespace Qt::StringLiterals;

class TestFormView : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void geometryFromTwips();
    void focusFollowsTabIndex();
    void labelCaption_data();
    void labelCaption();
    void longCaptionInToolTip();
    void accessibleNames();
    void typingAndSelectionReachTheForm();
    void handlerWritesShowOnce();
    void keysPressButtons();
    void leavingABoxComputesNothing();
    void messageShowsWhatWasWritten();
    void realMessageBox();
    void unloadCloses();

private:
    template<class Widget = QWidget>
    Widget *widget(const QString &name) const
    {
        return m_view->findChild<Widget *>(name);
    }

    std::unique_ptr<Form> m_form;
    std::unique_ptr<FormView> m_view;
    int m_clicks = 0;
};

void TestFormView::init()
{
    m_form = std::make_unique<Form>(testLayout(), u"proba");
    m_clicks = 0;
    m_form->onClick(m_form->commandButton(u"Command2"), [this] { ++m_clicks; });
    m_view = std::make_unique<FormView>(*m_form);
}

void TestFormView::cleanup()
{
    m_view.reset();
    m_form.reset();
}

void TestFormView::geometryFromTwips()
{
    QCOMPARE(m_view->size(), QSize(402, 201));
    QCOMPARE(m_view->minimumSize(), m_view->maximumSize());
    QCOMPARE(m_view->windowTitle(), u"Проба"_s);
    QCOMPARE(widget(u"Text1"_s)->geometry(), QRect(240, 8, 153, 25));
    QCOMPARE(widget(u"Command3"_s)->geometry(), QRect(280, 168, 113, 25));
    QCOMPARE(widget<QLineEdit>(u"Text1"_s)->text(), u"12 345 6"_s);
    QCOMPARE(widget<QLineEdit>(u"Text1"_s)->maxLength(), 32767);
}

void TestFormView::focusFollowsTabIndex()
{
    m_view->show();
    QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
    QCOMPARE(QApplication::focusWidget(), widget(u"Command2"_s));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), widget(u"Command3"_s));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), widget(u"Text1"_s));
}

void TestFormView::labelCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");

    QTest::newRow("plain") << u"Остаток"_s << u"Остаток"_s;
    QTest::newRow("CR LF") << u"Заголовок: \r\n 1  2 "_s << u"Заголовок: \n 1  2 "_s;
    QTest::newRow("trailing CR LF") << u"Заголовок:\r\n"_s << u"Заголовок:\n"_s;
    QTest::newRow("lone CR and LF") << u"a\rb\nc"_s << u"a\nb\nc"_s;
    QTest::newRow("markup stays text") << u"<b>5</b>"_s << u"<b>5</b>"_s;
}

void TestFormView::labelCaption()
{
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    Label &label = m_form->label(u"Label1");
    label.setCaption(toCoreText(caption));
    m_view->refresh();
    auto *view = widget<LabelView>(u"Label1"_s);
    QCOMPARE(view->text(), shown);
    QCOMPARE(view->textFormat(), Qt::PlainText);
    QCOMPARE(label.caption(), toCoreText(caption));
}

void TestFormView::longCaptionInToolTip()
{
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    auto *view = widget<LabelView>(u"Label1"_s);
    const auto hover = [view] {
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), view->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(view, &event);
    };
    QVERIFY(view->captionFits());
    const QString longCaption = QString(u"1234567890 "_s).repeated(20);
    m_form->label(u"Label1").setCaption(toCoreText(longCaption));
    m_view->refresh();
    QVERIFY(!view->captionFits());
    hover();
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), longCaption);
    m_form->label(u"Label1").setCaption(u"Коротко");
    m_view->refresh();
    hover();
    QTRY_VERIFY(!QToolTip::isVisible());
}

void TestFormView::accessibleNames()
{
    const auto name = [](QWidget *widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    m_form->label(u"Label1").setCaption(u"Количество полных лет: 12");
    m_view->refresh();
    QCOMPARE(name(widget(u"Label1"_s)), u"Количество полных лет: 12"_s);
    QCOMPARE(name(widget(u"Command3"_s)), u"Выход"_s);
    QCOMPARE(name(widget(u"Text1"_s)), u"Сумма"_s);
}

// What the user types and selects is what the handler reads.
void TestFormView::typingAndSelectionReachTheForm()
{
    m_view->show();
    TextBox &model = m_form->textBox(u"Text1");
    std::u16string seen;
    m_form->onClick(m_form->commandButton(u"Command3"), [&] { seen = model.selText(); });
    auto *box = widget<QLineEdit>(u"Text1"_s);
    box->clear();
    QTest::keyClicks(box, u"7 8 9"_s);
    QCOMPARE(model.text(), u"7 8 9");
    box->setSelection(2, 3);
    QTest::mouseClick(widget(u"Command3"_s), Qt::LeftButton);
    QCOMPARE(toQString(seen), u"8 9"_s);
    QCOMPARE(model.selStart(), 2);
}

// A handler's writes show when it returns, with the selection it left.
void TestFormView::handlerWritesShowOnce()
{
    TextBox &model = m_form->textBox(u"Text1");
    Label &label = m_form->label(u"Label1");
    m_form->onClick(m_form->commandButton(u"Command3"), [&] {
        model.setSelStart(3);
        model.setSelLength(3);
        label.setCaption(u"1");
        label.setCaption(label.caption() + u"2");
    });
    m_view->show();
    QTest::mouseClick(widget(u"Command3"_s), Qt::LeftButton);
    auto *box = widget<QLineEdit>(u"Text1"_s);
    QCOMPARE(box->selectedText(), u"345"_s);
    QCOMPARE(box->selectionStart(), 3);
    QCOMPARE(widget<LabelView>(u"Label1"_s)->text(), u"12"_s);
    QCOMPARE(box->text(), u"12 345 6"_s);
}

void TestFormView::keysPressButtons()
{
    int exits = 0;
    m_form->onClick(m_form->commandButton(u"Command3"), [&] { ++exits; });
    m_view->show();
    QVERIFY(QTest::qWaitForWindowActive(m_view.get()));

    QTest::keyClick(widget(u"Text1"_s), Qt::Key_Return);
    QCOMPARE(m_clicks, 1);
    QTest::keyClick(widget(u"Text1"_s), Qt::Key_Enter);
    QCOMPARE(m_clicks, 2);
    QTest::keyClick(widget(u"Command3"_s), Qt::Key_Enter);
    QTest::keyClick(widget(u"Command3"_s), Qt::Key_Space);
    QCOMPARE(exits, 2);
    QCOMPARE(m_clicks, 2);
}

// Only Enter in a box, or a button, runs a handler: leaving a box by Tab or by a click elsewhere
// computes nothing.
void TestFormView::leavingABoxComputesNothing()
{
    m_view->show();
    QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
    auto *box = widget<QLineEdit>(u"Text1"_s);
    box->setFocus();
    QTest::keyClicks(box, u"1"_s);
    QTest::keyClick(box, Qt::Key_Tab);
    QVERIFY(!box->hasFocus());
    box->setFocus();
    QTest::mouseClick(widget(u"Label1"_s), Qt::LeftButton);
    QTest::mouseClick(m_view.get(), Qt::LeftButton, {}, QPoint(5, 190));
    QCOMPARE(m_clicks, 0);
}

// Behind a message, the window shows what the handler wrote before it.
void TestFormView::messageShowsWhatWasWritten()
{
    MessageCapture messages;
    QString shownBehind;
    messages.onMessage = [&] { shownBehind = widget<LabelView>(u"Label1"_s)->text(); };
    bool finished = false;
    m_form->onClick(m_form->commandButton(u"Command3"), [&] {
        m_form->label(u"Label1").setCaption(u"до ошибки");
        NumericValue(1e39).toSingle();
        finished = true;
    });
    m_view->show();
    QTest::mouseClick(widget(u"Command3"_s), Qt::LeftButton);
    QCOMPARE(messages.prompts, QStringList{u"Ошибка выполнения: переполнение."_s});
    QCOMPARE(messages.titles, QStringList{u"proba"_s});
    QCOMPARE(shownBehind, u"до ошибки"_s);
    QVERIFY(!finished);
    QVERIFY(m_view->isVisible());
}

void TestFormView::realMessageBox()
{
    m_view->show();
    QString seen;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QStringList buttons;
    QTimer::singleShot(0, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seen = box->windowTitle() + u'|' + box->text();
            icon = box->icon();
            for (QAbstractButton *button : box->buttons())
                buttons.append(button->text());
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    // Should Return not close it, the test fails instead of waiting forever.
    QTimer::singleShot(5000, this, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    m_form->showMessage(u"Проверьте свои данные и повторите ввод!");
    QCOMPARE(seen, u"proba|Проверьте свои данные и повторите ввод!"_s);
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, QStringList{u"OK"_s});
    QVERIFY(!QApplication::activeModalWidget());
}

void TestFormView::unloadCloses()
{
    m_view->show();
    m_form->onClick(m_form->commandButton(u"Command3"), [this] { m_form->unload(); });
    QTest::mouseClick(widget(u"Command3"_s), Qt::LeftButton);
    QVERIFY(!m_view->isVisible());
    QVERIFY(m_form->isUnloaded());
}

QTEST_MAIN(TestFormView)
#include "tst_formview.moc"
