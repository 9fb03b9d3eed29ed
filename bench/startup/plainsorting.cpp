// Reference: the sorting window, written directly against Qt.
#include "plainwidgets.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget *window =
        plainWindow(QStringLiteral("Сортировка массива переносом мин. элемента"), 383, 184);
    plainLabel(
        window,
        QStringLiteral("Введите массив из 10 элементов в поле ввода и нажмите кнопку 'Сортировка'"),
        {8, 8, 361, 33});
    plainBox(window, QString(), {8, 112, 361, 25})->setFocus();
    plainButton(window, QStringLiteral("Сортировка"), {136, 144, 113, 25});
    plainLabel(
        window,
        QStringLiteral("В случае неправильного ввода массив будет дополнен числами автоматически!"),
        {8, 48, 361, 49});
    window->show();
    return QApplication::exec();
}
