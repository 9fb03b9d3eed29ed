#pragma once

#include "commandbutton.h"
#include "sortingwindow.h"
#include "textbox.h"

#include <QString>
#include <QTest>

// What the sorting programs' tests share: texts of the window, and a click as a user makes it.
namespace SortingTest {

inline const QString SourceHeader = QStringLiteral("Исходный массив состоит из элементов:\r\n");
inline const QString Note =
    QStringLiteral("В случае неправильного ввода массив будет дополнен числами автоматически!");
inline const QString Overflow = QStringLiteral("Ошибка выполнения: переполнение.");

// Puts the text into Text1 and clicks Сортировка.
inline void sortText(SortingWindow &window, const QString &text)
{
    window.Text1->setText(text);
    QTest::mouseClick(window.Command1, Qt::LeftButton);
}

} // namespace SortingTest
