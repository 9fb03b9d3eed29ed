#include "messagebox.h"

#include "qtext.h"
#include "texts.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

MessagePresenter &presenter()
{
    static MessagePresenter current;
    return current;
}

} // namespace

void presentMessage(const QString &prompt, const QString &title, QWidget *parent)
{
    if (presenter()) {
        presenter()(prompt, title);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(toQString(std::u16string(Texts::MessageOk)));
    box.exec();
}

MessagePresenter setMessagePresenter(MessagePresenter replacement)
{
    return std::exchange(presenter(), std::move(replacement));
}
