#include "quizpanel.h"

#include "lessonwidgets.h"
#include "qtext.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QPushButton *button(std::u16string_view text, const QString &name, QWidget *parent)
{
    // Enter presses the button with the focus, as Space does.
    return lessonButton(text, name, parent, true);
}

// A label's new name is what a screen reader hears when it changes.
void say(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setAccessibleName(text);
    label->setVisible(!text.isEmpty());
}

// Later, as the button that asked for it may still be on its way out of its click.
void clear(QLayout *layout)
{
    while (QLayoutItem *item = layout->takeAt(0)) {
        if (QWidget *widget = item->widget()) {
            widget->hide();
            widget->setObjectName({});
            widget->deleteLater();
        }
        delete item;
    }
}

// The slots' buttons in two rows of five, so that they fit a phone's width.
constexpr int ChoicesARow = 5;

} // namespace

QuizPanel::QuizPanel(QWidget *parent)
    : QWidget(parent)
{
    const lesson::QuizTexts &texts = lesson::quizTexts();
    m_questionBox = new QGroupBox(this);
    m_questionBox->setObjectName(u"questionBox"_s);
    m_question = boldLabel(u"question"_s, m_questionBox);
    const QFont bold = m_question->font();
    m_choices = new QWidget(m_questionBox);
    m_choices->setObjectName(u"answers"_s);
    new QGridLayout(m_choices);
    m_choices->layout()->setContentsMargins(0, 0, 0, 0);
    m_boxRow = new QWidget(m_questionBox);
    m_box = new QLineEdit(m_boxRow);
    m_box->setObjectName(u"answer"_s);
    m_box->setAccessibleName(toQString(texts.answerLabel));
    auto *boxLabel = new QLabel(toQString(texts.answerLabel) + u':', m_boxRow);
    boxLabel->setBuddy(m_box);
    m_submit = button(texts.submit, u"submit"_s, m_boxRow);
    auto *boxRow = new QHBoxLayout(m_boxRow);
    boxRow->setContentsMargins(0, 0, 0, 0);
    boxRow->addWidget(boxLabel);
    boxRow->addWidget(m_box, 1);
    boxRow->addWidget(m_submit);
    m_keys = textLabel(u"quizKeys"_s, m_questionBox);
    m_verdict = textLabel(u"verdict"_s, m_questionBox);
    m_verdict->setFont(bold);
    m_given = textLabel(u"given"_s, m_questionBox);
    m_next = button(texts.next, u"next"_s, m_questionBox);
    m_waiting = textLabel(u"answerFirst"_s, m_questionBox);
    m_waiting->setText(toQString(texts.answerFirst));
    auto *question = new QVBoxLayout(m_questionBox);
    question->addWidget(m_question);
    question->addWidget(m_choices);
    question->addWidget(m_boxRow);
    question->addWidget(m_keys);
    question->addWidget(m_verdict);
    question->addWidget(m_given);
    question->addWidget(m_next, 0, Qt::AlignLeft);
    question->addWidget(m_waiting);

    m_endBox = new QGroupBox(toQString(texts.endHeading), this);
    m_endBox->setObjectName(u"endBox"_s);
    m_message = textLabel(u"quizMessage"_s, m_endBox);
    m_score = textLabel(u"score"_s, m_endBox);
    m_score->setFont(bold);
    m_mistakes = new QWidget(m_endBox);
    m_mistakes->setObjectName(u"mistakes"_s);
    m_mistakeRows = new QVBoxLayout(m_mistakes);
    m_mistakeRows->setContentsMargins(0, 0, 0, 0);
    auto *mistakesHeading = new QLabel(toQString(texts.mistakesHeading), m_endBox);
    mistakesHeading->setFont(bold);
    m_codeArea = new QWidget(m_endBox);
    m_name = new QLineEdit(m_codeArea);
    m_name->setObjectName(u"name"_s);
    m_name->setAccessibleName(toQString(texts.nameLabel));
    auto *nameLabel = new QLabel(toQString(texts.nameLabel) + u':', m_codeArea);
    nameLabel->setBuddy(m_name);
    nameLabel->setWordWrap(true);
    m_code = new QLineEdit(m_codeArea);
    m_code->setObjectName(u"checkcode"_s);
    m_code->setReadOnly(true);
    m_code->setAccessibleName(toQString(texts.checkCode));
    auto *codeLabel = new QLabel(toQString(texts.checkCode) + u':', m_codeArea);
    codeLabel->setBuddy(m_code);
    m_copy = button(texts.copy, u"copy"_s, m_codeArea);
    m_codeHint = textLabel(u"codeHint"_s, m_codeArea);
    auto *code = new QGridLayout(m_codeArea);
    code->setContentsMargins(0, 0, 0, 0);
    code->addWidget(nameLabel, 0, 0, 1, 2);
    code->addWidget(m_name, 1, 0, 1, 2);
    code->addWidget(codeLabel, 2, 0, 1, 2);
    // The code the whole width, so that it shows whole on a phone too.
    code->addWidget(m_code, 3, 0, 1, 2);
    code->addWidget(m_copy, 4, 0, Qt::AlignLeft);
    code->addWidget(m_codeHint, 5, 0, 1, 2);
    auto *again = button(texts.again, u"again"_s, m_endBox);
    auto *end = new QVBoxLayout(m_endBox);
    end->addWidget(m_message);
    end->addWidget(m_score);
    end->addWidget(mistakesHeading);
    end->addWidget(m_mistakes);
    end->addWidget(m_codeArea);
    end->addWidget(again, 0, Qt::AlignLeft);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_questionBox);
    layout->addWidget(m_endBox);

    connect(m_box, &QLineEdit::returnPressed, this, [this] { answer(m_box->text()); });
    connect(m_submit, &QPushButton::clicked, this, [this] { answer(m_box->text()); });
    connect(m_next, &QPushButton::clicked, this, &QuizPanel::next);
    connect(m_name, &QLineEdit::textChanged, this, &QuizPanel::showCode);
    connect(m_copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(m_code->text()); });
    connect(again, &QPushButton::clicked, this, [this] {
        m_run->restart();
        m_box->clear();
        showRun();
        Q_EMIT moved();
    });
    setVisible(false);
}

void QuizPanel::setRun(lesson::QuizSession *run)
{
    m_run = run;
    setVisible(m_run);
    m_box->clear();
    if (m_run)
        showRun();
}

void QuizPanel::showRun()
{
    const bool finished = m_run->phase() == lesson::QuizSession::Phase::Finished;
    m_questionBox->setVisible(!finished);
    m_endBox->setVisible(finished);
    if (finished)
        showEnd();
    else
        showQuestion();
}

void QuizPanel::showQuestion()
{
    const lesson::QuestionView view = m_run->question();
    const bool asking = view.result.empty();
    const QString text = toQString(view.text);
    m_questionBox->setTitle(toQString(view.heading));
    // The question's data as the web's data-* attributes name them, the last question's cleared.
    for (const QByteArray &name : m_question->dynamicPropertyNames())
        m_question->setProperty(name.constData(), QVariant());
    m_question->setProperty("kind", QString::fromLatin1(view.kind));
    for (const lesson::QuestionData &data : view.data) {
        const QByteArray name(data.name.data(), qsizetype(data.name.size()));
        m_question->setProperty(name.constData(), qlonglong(data.value));
    }
    if (!asking)
        m_question->setProperty("result", QString::fromLatin1(view.result));
    if (m_question->text() != text)
        say(m_question, text);

    // The buttons are made anew when the choices change: a slot question after a yes/no one.
    QStringList answers;
    for (const lesson::QuizChoice &choice : view.choices)
        answers << QString::fromStdString(choice.answer);
    if (answers != m_answers) {
        m_answers = answers;
        clear(m_choices->layout());
        auto *grid = static_cast<QGridLayout *>(m_choices->layout());
        for (int i = 0; i < answers.size(); ++i) {
            const QString answered = answers[i];
            auto *shown =
                button(view.choices[size_t(i)].caption, u"answer_"_s + answered, m_choices);
            shown->setProperty("answer", answered);
            // As narrow as their numbers need, so that five fit a phone's width.
            shown->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
            shown->setMinimumWidth(shown->fontMetrics().horizontalAdvance(shown->text()) +
                                   shown->fontMetrics().averageCharWidth() * 4);
            connect(shown, &QPushButton::clicked, this, [this, answered] { answer(answered); });
            grid->addWidget(shown, i / ChoicesARow, i % ChoicesARow);
        }
    }
    QWidget *first = nullptr;
    for (int i = 0; i < m_choices->layout()->count(); ++i) {
        QWidget *shown = m_choices->layout()->itemAt(i)->widget();
        shown->setAccessibleDescription(text);
        shown->setEnabled(asking);
        if (!first)
            first = shown;
    }
    m_choices->setVisible(!view.choices.empty());
    m_boxRow->setVisible(view.box);
    m_box->setEnabled(asking);
    m_submit->setEnabled(asking);
    m_box->setAccessibleDescription(text);
    m_keys->setText(toQString(view.keys));
    m_keys->setVisible(asking);
    m_waiting->setVisible(asking);

    // The verdict in words and a mark, never by colour alone; or, while asking, what to type.
    QString verdict = toQString(view.verdict);
    if (view.result == "right")
        verdict = u"✓ "_s + verdict;
    else if (view.result == "wrong")
        verdict = u"✗ "_s + verdict;
    say(m_verdict, verdict);
    say(m_given, asking || view.given.empty() ? QString()
                                              : toQString(lesson::quizTexts().answerLabel) +
                                                    u": "_s + toQString(view.given));
    m_next->setText(toQString(view.nextCaption));
    m_next->setVisible(!asking);
    m_next->setAccessibleDescription(verdict);

    // The focus goes where the keys of this moment work: the answer, or the way on.
    if (!asking)
        m_next->setFocus();
    else if (view.box)
        m_box->setFocus();
    else if (first)
        first->setFocus();
}

void QuizPanel::answer(const QString &text)
{
    if (!m_run || m_run->phase() != lesson::QuizSession::Phase::Asking)
        return;
    const lesson::Verdict verdict = m_run->answer(toCoreText(text));
    showRun();
    if (verdict.result == lesson::Verdict::Result::Unreadable) {
        m_box->setFocus();
        m_box->selectAll();
        return;
    }
    Q_EMIT moved();
}

void QuizPanel::next()
{
    if (!m_run || !m_run->next())
        return;
    m_box->clear();
    showRun();
    Q_EMIT moved();
    if (m_run->phase() == lesson::QuizSession::Phase::Finished)
        m_score->setFocus();
}

bool QuizPanel::takeKey(const QKeyEvent *press)
{
    if (!m_run || m_run->phase() != lesson::QuizSession::Phase::Asking ||
        (press->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) ||
        press->text().size() != 1)
        return false;
    const lesson::QuestionView view = m_run->question();
    const char16_t key = press->text().at(0).unicode();
    if (view.form == lesson::AnswerForm::YesNo) {
        const std::optional<std::string_view> answered = lesson::yesNoForKey(key);
        if (!answered)
            return false;
        answer(QString::fromLatin1(*answered));
        return true;
    }
    if (view.box && ((key >= u'0' && key <= u'9') || key == u'-')) {
        m_box->setFocus();
        m_box->insert(press->text());
        return true;
    }
    return false;
}

void QuizPanel::showEnd()
{
    const lesson::QuizTexts &texts = lesson::quizTexts();
    const lesson::QuizEndView end = m_run->end();
    const QString message = toQString(m_run->message());
    say(m_message, message.isEmpty() ? QString() : toQString(texts.noQuestions) + u' ' + message);
    say(m_score, toQString(texts.scoreLabel) + u' ' + toQString(end.score));
    m_score->setProperty("right", end.right);
    m_score->setProperty("asked", end.asked);
    m_score->setFocusPolicy(Qt::TabFocus);

    clear(m_mistakeRows);
    if (end.mistakes.empty())
        m_mistakeRows->addWidget(textLabel(u"noMistakes"_s, m_mistakes));
    for (size_t i = 0; i < end.mistakes.size(); ++i) {
        const lesson::QuizMistakeView &mistake = end.mistakes[i];
        const QString stepText = toQString(mistake.stepText);
        auto *row = new QWidget(m_mistakes);
        auto *label = textLabel(u"mistake_"_s + QString::number(i), row);
        label->setText(stepText + u". "_s + toQString(mistake.question) + u'\n' +
                       toQString(texts.mistakeAnswer) + u": "_s + toQString(mistake.answer) +
                       u". "_s + toQString(texts.mistakeKey) + u": "_s + toQString(mistake.key) +
                       u'.');
        auto *show = button(texts.showStep, u"showStep_"_s + QString::number(i), row);
        show->setAccessibleName(toQString(texts.showStep) + u", "_s + stepText);
        const int step = mistake.step;
        connect(show, &QPushButton::clicked, this, [this, step] {
            m_run->setStep(step);
            Q_EMIT moved();
            Q_EMIT stepAsked();
        });
        auto *rowLayout = new QVBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        rowLayout->addWidget(label);
        rowLayout->addWidget(show, 0, Qt::AlignLeft);
        m_mistakeRows->addWidget(row);
    }
    if (end.mistakes.empty())
        static_cast<QLabel *>(m_mistakeRows->itemAt(0)->widget())
            ->setText(toQString(texts.noMistakes));
    m_mistakes->setVisible(message.isEmpty());
    m_score->setVisible(message.isEmpty());
    m_codeArea->setVisible(message.isEmpty());
    showCode();
}

void QuizPanel::showCode()
{
    if (!m_run || m_run->phase() != lesson::QuizSession::Phase::Finished)
        return;
    const lesson::QuizTexts &texts = lesson::quizTexts();
    const QString code = toQString(m_run->checkCode(toCoreText(m_name->text())));
    m_code->setText(code);
    m_code->setVisible(!code.isEmpty());
    m_copy->setVisible(!code.isEmpty());
    m_codeHint->setText(toQString(code.isEmpty() ? texts.noCheckCode : texts.checkCodeHint));
}
