#pragma once

#include <QLineEdit>

// A one-line entry box. The selection is a start and a length, in characters from the start of
// the text; writing the start empties the selection, writing the length selects from the start.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    // Clipped to the end of the text.
    void setSelLength(int length);
    QString selText() const;
};
