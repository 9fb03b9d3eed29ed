#include "controls.h"

#include <algorithm>

TextBox::TextBox(ControlLayout layout)
    : Control(std::move(layout))
{
    setText(this->layout().caption);
}

void TextBox::setText(std::u16string text)
{
    if (text.size() > static_cast<std::size_t>(MaxLength))
        text.resize(static_cast<std::size_t>(MaxLength));
    m_text = std::move(text);
    m_selStart = textLength();
    m_selLength = 0;
    touch();
}

void TextBox::setSelStart(std::int32_t start)
{
    m_selStart = std::clamp(start, 0, textLength());
    m_selLength = 0;
    touch();
}

void TextBox::setSelLength(std::int32_t length)
{
    m_selLength = std::clamp(length, 0, textLength() - m_selStart);
    touch();
}

std::u16string TextBox::selText() const
{
    return m_text.substr(static_cast<std::size_t>(m_selStart),
                         static_cast<std::size_t>(m_selLength));
}

void TextBox::select(std::int32_t start, std::int32_t length)
{
    setSelStart(start);
    setSelLength(length);
}
