// Reference: the loan window, written directly against Qt.
#include "plainwidgets.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget *window = plainWindow(QStringLiteral("Займ в банке"), 402, 201);
    plainButton(window, QStringLiteral("Расчет"), {152, 168, 113, 25})->setFocus();
    plainButton(window, QStringLiteral("Выход"), {280, 168, 113, 25});
    plainLabel(window, QStringLiteral("Занимаемая сумма, руб.:"), {16, 16, 201, 17});
    plainLabel(window, QStringLiteral("Годовая ставка, %"), {16, 48, 209, 17});
    plainLabel(window, QStringLiteral("Годовая выплата, руб."), {16, 80, 209, 17});
    plainLabel(
        window,
        QStringLiteral("Программа рассчитывает, на какой период можно взять займ в банке при "
                       "известной годовой ставке и годовой выплате. Введите данные в поля ввода "
                       "и нажмите кнопку 'Расчет'. Проценты предполагаются простыми."),
        {16, 104, 369, 57});
    plainBox(window, QStringLiteral("5000000"), {240, 8, 153, 25});
    plainBox(window, QStringLiteral("12"), {240, 40, 153, 25});
    plainBox(window, QStringLiteral("800000"), {240, 72, 153, 25});
    window->show();
    return QApplication::exec();
}
