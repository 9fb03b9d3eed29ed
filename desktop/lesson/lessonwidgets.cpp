#include "lessonwidgets.h"

#include "qtext.h"

#include <QLabel>
#include <QPushButton>

QLabel *textLabel(const QString &name, QWidget *parent, bool byKeyboard)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(byKeyboard
                                       ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                       : Qt::TextSelectableByMouse);
    return label;
}

QLabel *boldLabel(const QString &name, QWidget *parent)
{
    QLabel *label = textLabel(name, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QPushButton *lessonButton(std::u16string_view text, const QString &name, QWidget *parent,
                          bool autoDefault)
{
    auto *button = new QPushButton(toQString(text), parent);
    button->setObjectName(name);
    button->setAutoDefault(autoDefault);
    return button;
}
