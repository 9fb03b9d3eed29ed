#include "controls.h"

#include <algorithm>

TextBox::TextBox(ControlLayout layout)
    : Control(std::move(layout))
{
    setText(this->layout().caption);
}

std::u16string asOneLine(std::u16string_view text)
{
    std::u16string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (const char16_t c = text[i]) {
        case u'\r':
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            [[fallthrough]];
        case u'\n':
        case u'\t':
        case u'\u00A0':
        case u'\u202F':
        case u'\u2028':
        case u'\u2029':
            line.push_back(u' ');
            break;
        default:
            line.push_back(c);
        }
    }
    return line;
}

void TextBox::setText(std::u16string_view text)
{
    m_text = asOneLine(text.substr(0, static_cast<std::size_t>(MaxLength)));
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
