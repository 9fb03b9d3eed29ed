#include "messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

MessagePresenter &presenter()
{
    static MessagePresenter current;
    return current;
}

void presentInMessageBox(const QString &prompt, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void showMessage(const QString &prompt)
{
    const QString title = QApplication::applicationName();
    if (presenter())
        presenter()(prompt, title);
    else
        presentInMessageBox(prompt, title);
}

MessagePresenter setMessagePresenter(MessagePresenter replacement)
{
    return std::exchange(presenter(), std::move(replacement));
}
