#pragma once

// Reference windows written directly against Qt, with the programs' widgets, captions, geometry
// and font but no runtime layer in between.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

inline QWidget *plainWindow(const QString &title, int width, int height)
{
    auto *window = new QWidget;
    window->setWindowTitle(title);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    window->setFont(font);
    window->setFixedSize(width, height);
    return window;
}

inline QLabel *plainLabel(QWidget *window, const QString &caption, const QRect &geometry)
{
    auto *label = new QLabel(caption, window);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

inline QLineEdit *plainBox(QWidget *window, const QString &text, const QRect &geometry)
{
    auto *box = new QLineEdit(text, window);
    box->setGeometry(geometry);
    return box;
}

inline QPushButton *plainButton(QWidget *window, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, window);
    button->setGeometry(geometry);
    return button;
}
