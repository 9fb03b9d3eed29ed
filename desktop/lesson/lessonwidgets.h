#pragma once

#include <QString>
#include <string_view>

class QLabel;
class QPushButton;
class QWidget;

// The lesson's pages make their labels and buttons alike.

// A label of plain, wrapped text the mouse can select; `byKeyboard` also lets the focus rest on it,
// so that a screen reader's user can reach and read it by Tab.
QLabel *textLabel(const QString &name, QWidget *parent, bool byKeyboard = false);
// The same, bold: a heading or a question.
QLabel *boldLabel(const QString &name, QWidget *parent);
// `autoDefault`: Enter presses the button while it has the focus, as Space does.
QPushButton *lessonButton(std::u16string_view text, const QString &name, QWidget *parent,
                          bool autoDefault);
