#include "form.h"
#include "formview.h"
#include "labelview.h"
#include "messagebox.h"
#include "messagecapture.h"
#include "numericvalue.h"
#include "qtext.h"
#include "testlayout.h"
#include "textboxview.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
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
    void labelCopies_data();
    void labelCopies();
    void typingAndSelectionReachTheForm_data();
    void typingAndSelectionReachTheForm();
    void pasteIsAnEdit_data();
    void pasteIsAnEdit();
    void handlerWritesShowOnce();
    void keysPressButtons_data();
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
    // As drawn in the label's one line of height.
    QTest::addColumn<QStringList>("lines");

    const QString lineBreak = toQString(Label::LineBreak);
    QTest::newRow("plain") << u"Остаток"_s << u"Остаток"_s << QStringList{u"Остаток"_s};
    QTest::newRow("the line break") << u"Заголовок: "_s + lineBreak + u" 1  2 "_s
                                    << u"Заголовок: \n 1  2 "_s << QStringList{u"Заголовок:…"_s};
    QTest::newRow("trailing line break")
        << u"Заголовок:"_s + lineBreak << u"Заголовок:\n"_s << QStringList{u"Заголовок:…"_s};
    QTest::newRow("markup stays text")
        << u"<b>5</b>"_s << u"<b>5</b>"_s << QStringList{u"<b>5</b>"_s};
    QTest::newRow("no room for a whole word")
        << u"1234567890"_s.repeated(5) << u"1234567890"_s.repeated(5) << QStringList{u"…"_s};
}

void TestFormView::labelCaption()
{
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QFETCH(QStringList, lines);
    Label &label = m_form->label(u"Label1");
    label.setCaption(toCoreText(caption));
    m_view->refresh();
    auto *view = widget<LabelView>(u"Label1"_s);
    QCOMPARE(view->text(), shown);
    QCOMPARE(view->textFormat(), Qt::PlainText);
    QCOMPARE(view->shownLines(), lines);
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

void TestFormView::labelCopies_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<QString>("copied");
    QTest::addColumn<bool>("canSelectAll");

    const QString result = u"Количество полных лет: 12"_s + toQString(Label::LineBreak) +
                           u"Остаток суммы 173373.35 (это еще 0.22 г.)"_s;
    QTest::newRow("a selected number") << u"Остаток 12"_s << 8 << 2 << u"12"_s << true;
    QTest::newRow("all of it") << u"Остаток 12"_s << 0 << 10 << u"Остаток 12"_s << false;
    QTest::newRow("nothing selected copies whole")
        << u"Остаток 12"_s << 0 << 0 << u"Остаток 12"_s << true;
    QTest::newRow("nothing to select") << QString() << 0 << 0 << QString() << false;
    QTest::newRow("a shortened caption copies whole")
        << result << 0 << 0 << QString(result).replace(toQString(Label::LineBreak), u"\n"_s)
        << true;
}

// Through the window: a click gives the label the focus, Ctrl+C copies, and a right click opens
// a menu in Russian with what applies enabled.
void TestFormView::labelCopies()
{
    QFETCH(QString, caption);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(QString, copied);
    QFETCH(bool, canSelectAll);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
    m_form->label(u"Label1").setCaption(toCoreText(caption));
    m_view->refresh();
    auto *label = widget<LabelView>(u"Label1"_s);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(QApplication::focusWidget(), label);
    label->setSelection(selectionStart, selectionLength);

    const QString untouched = u"на доске"_s;
    QGuiApplication::clipboard()->setText(untouched);
    QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied.isEmpty() ? untouched : copied);

    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(2, 2),
                                 label->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(label, &rightClick);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList texts;
    QList<bool> enabled;
    for (const QAction *action : menu->actions()) {
        texts.append(action->text());
        enabled.append(action->isEnabled());
    }
    QCOMPARE(texts, (QStringList{u"Копировать"_s, u"Выделить все"_s}));
    QCOMPARE(enabled, (QList<bool>{!copied.isEmpty(), canSelectAll}));
    if (!copied.isEmpty()) {
        QGuiApplication::clipboard()->clear();
        menu->actions().constFirst()->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    }
    // Выделить все, then Ctrl+C: the whole caption.
    menu->actions().constLast()->trigger();
    menu->close();
    QGuiApplication::clipboard()->setText(untouched);
    QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             caption.isEmpty() ? untouched
                               : QString(caption).replace(toQString(Label::LineBreak), u"\n"_s));
}

void TestFormView::typingAndSelectionReachTheForm_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<QString>("selected");

    QTest::newRow("a selection") << u"7 8 9"_s << 2 << 3 << u"8 9"_s;
    QTest::newRow("the caret alone") << u"7 8 9"_s << 2 << 0 << QString();
    QTest::newRow("typed thin and no-break spaces") << u"7\u20098\u00A09"_s << 1 << 3 << u" 8 "_s;
}

// What the user types and selects is what the handler reads, and the click leaves it as it was.
void TestFormView::typingAndSelectionReachTheForm()
{
    QFETCH(QString, typed);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(QString, selected);
    m_view->show();
    TextBox &model = m_form->textBox(u"Text1");
    std::u16string seen;
    m_form->onClick(m_form->commandButton(u"Command3"), [&] { seen = model.selText(); });
    auto *box = widget<QLineEdit>(u"Text1"_s);
    box->clear();
    // Key by key, as a keyboard layout that has these spaces types them.
    for (const QChar c : typed)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QCOMPARE(model.text(), u"7 8 9");
    QCOMPARE(box->text(), u"7 8 9"_s);
    if (selectionLength > 0)
        box->setSelection(selectionStart, selectionLength);
    else
        box->setCursorPosition(selectionStart);
    QTest::mouseClick(widget(u"Command3"_s), Qt::LeftButton);
    QCOMPARE(toQString(seen), selected);
    QCOMPARE(model.selStart(), selectionStart);
    QCOMPARE(box->selectedText(), selected);
    QCOMPARE(box->cursorPosition(), selectionStart + selectionLength);
}

void TestFormView::pasteIsAnEdit_data()
{
    QTest::addColumn<QString>("typed");
    // Where the caret goes after typing, or the selection from it to the end.
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("selectToEnd");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("caretAfter");

    QTest::newRow("Ctrl+V into the middle")
        << u"1 2"_s << 1 << false << u"key"_s << u"5\n6"_s << u"15 6 2"_s << 4;
    QTest::newRow("Ctrl+V right after typing, a column")
        << u"7 2"_s << 3 << false << u"key"_s << u"5\r\n6\r\n"_s << u"7 25 6"_s << 6;
    QTest::newRow("Ctrl+V over a selection")
        << u"1 2 3"_s << 2 << true << u"key"_s << u"7\r\n8"_s << u"1 7 8"_s << 5;
    QTest::newRow("the context menu, thin spaces and a tab")
        << u"1"_s << 1 << false << u"menu"_s << u"\t2\u2009000\n"_s << u"1 2 000"_s << 7;
    QTest::newRow("a drop of lines")
        << u"1 2"_s << 3 << false << u"drop"_s << u"3\n4\n"_s << u"1 23 4"_s << 6;
}

// A paste with line breaks edits the box, the caret after the pasted text: Ctrl+Z undoes the
// paste, then what was typed.
void TestFormView::pasteIsAnEdit()
{
    QFETCH(QString, typed);
    QFETCH(int, caret);
    QFETCH(bool, selectToEnd);
    QFETCH(QString, way);
    QFETCH(QString, pasted);
    QFETCH(QString, result);
    QFETCH(int, caretAfter);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
    TextBox &model = m_form->textBox(u"Text1");
    auto *box = widget<TextBoxView>(u"Text1"_s);
    QVERIFY(box);
    box->setFocus();
    box->setText(QString());
    QTest::keyClicks(box, typed);
    if (selectToEnd)
        box->setSelection(caret, int(typed.size()) - caret);
    else
        box->setCursorPosition(caret);

    QGuiApplication::clipboard()->setText(pasted);
    if (way == u"key"_s) {
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    } else if (way == u"menu"_s) {
        const std::unique_ptr<QMenu> menu(box->createContextMenu());
        QAction *action = TextBoxView::pasteAction(*menu);
        QVERIFY(action);
        action->trigger();
    } else {
        // Dragged in from another program: it enters, moves over the box, then drops.
        QMimeData data;
        data.setText(pasted);
        const QPoint end(box->width() - 3, box->height() / 2);
        QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &enter);
        QDragMoveEvent move(end, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &move);
        QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &drop);
        QVERIFY(drop.isAccepted());
    }
    QCOMPARE(box->text(), result);
    QCOMPARE(box->cursorPosition(), caretAfter);
    QCOMPARE(toQString(model.text()), result);

    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box->text(), typed);
    QCOMPARE(toQString(model.text()), typed);
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box->text(), QString());
    QCOMPARE(toQString(model.text()), u""_s);
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

void TestFormView::keysPressButtons_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("exits");

    const QString box = u"Text1"_s;
    QTest::newRow("Return in a box")
        << box << int(Qt::Key_Return) << Qt::KeyboardModifiers() << 1 << 0;
    QTest::newRow("Enter in a box")
        << box << int(Qt::Key_Enter) << Qt::KeyboardModifiers() << 1 << 0;
    QTest::newRow("Shift+Return in a box")
        << box << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 1 << 0;
    QTest::newRow("Ctrl+Return in a box")
        << box << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier) << 1 << 0;
    QTest::newRow("Alt+Enter in a box")
        << box << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::AltModifier) << 1 << 0;
    QTest::newRow("Enter on a button")
        << u"Command3"_s << int(Qt::Key_Enter) << Qt::KeyboardModifiers() << 0 << 1;
    QTest::newRow("Space on a button")
        << u"Command3"_s << int(Qt::Key_Space) << Qt::KeyboardModifiers() << 0 << 1;
}

void TestFormView::keysPressButtons()
{
    QFETCH(QString, target);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, clicks);
    QFETCH(int, exits);
    int exited = 0;
    m_form->onClick(m_form->commandButton(u"Command3"), [&] { ++exited; });
    m_view->show();
    QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
    widget(target)->setFocus();
    QTest::keyClick(widget(target), Qt::Key(key), modifiers);
    QCOMPARE(m_clicks, clicks);
    QCOMPARE(exited, exits);
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
