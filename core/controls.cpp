#include "controls.h"

#include "utf8.h"

#include <algorithm>
#include <stdexcept>

void Control::touch()
{
    if (m_writesClosed && *m_writesClosed)
        throw std::logic_error("a handler wrote " + toUtf8(name()) + " after its message");
    ++m_revision;
}

TextBox::TextBox(ControlLayout layout)
    : Control(std::move(layout))
{
    setText(this->layout().caption);
}

namespace {

bool isLineBreak(char16_t c)
{
    return c == u'\r' || c == u'\n' || c == u'\u2028' || c == u'\u2029';
}

// Unicode's space separators (general category Zs), each of which a box shows as a blank.
bool isSpaceSeparator(char16_t c)
{
    return c == u' ' || c == u'\u00A0' || c == u'\u1680' || (c >= u'\u2000' && c <= u'\u200A') ||
           c == u'\u202F' || c == u'\u205F' || c == u'\u3000';
}

} // namespace

std::u16string asOneLine(std::u16string_view text)
{
    while (!text.empty() && isLineBreak(text.back()))
        text.remove_suffix(1);
    std::u16string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        line.push_back(isLineBreak(c) || c == u'\t' || isSpaceSeparator(c) ? u' ' : c);
    }
    return line;
}

PastedText pasteIntoText(std::u16string_view text, std::int32_t selStart, std::int32_t selLength,
                         std::u16string_view pasted)
{
    const auto length = static_cast<std::int32_t>(text.size());
    const std::int32_t start = std::clamp(selStart, 0, length);
    const std::int32_t end = start + std::clamp(selLength, 0, length - start);
    const std::int32_t room = std::max(0, TextBox::MaxLength - (length - (end - start)));
    std::u16string piece = asOneLine(pasted);
    if (piece.size() > static_cast<std::size_t>(room))
        piece.resize(static_cast<std::size_t>(room));
    std::u16string result(text.substr(0, static_cast<std::size_t>(start)));
    result += piece;
    result += text.substr(static_cast<std::size_t>(end));
    return {std::move(result), start + static_cast<std::int32_t>(piece.size())};
}

void TextBox::setText(std::u16string_view text)
{
    touch();
    m_text = asOneLine(text.substr(0, static_cast<std::size_t>(MaxLength)));
    m_selStart = textLength();
    m_selLength = 0;
}

void TextBox::setSelStart(std::int32_t start)
{
    touch();
    m_selStart = std::clamp(start, 0, textLength());
    m_selLength = 0;
}

void TextBox::setSelLength(std::int32_t length)
{
    touch();
    m_selLength = std::clamp(length, 0, textLength() - m_selStart);
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
