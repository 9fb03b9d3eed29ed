#include "textbox.h"

#include <algorithm>

TextBox::TextBox(QWidget *parent)
    : QLineEdit(parent)
{
}

int TextBox::selStart() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void TextBox::setSelStart(int start)
{
    setCursorPosition(std::clamp(start, 0, static_cast<int>(text().size())));
}

int TextBox::selLength() const
{
    return hasSelectedText() ? selectionLength() : 0;
}

void TextBox::setSelLength(int length)
{
    const int start = selStart();
    setSelection(start, std::clamp(length, 0, static_cast<int>(text().size()) - start));
}

QString TextBox::selText() const
{
    return selectedText();
}
