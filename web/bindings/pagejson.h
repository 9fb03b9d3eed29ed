#pragma once

// JSON in UTF-16, as a page's module hands its views to the page: every code unit of an echoed
// text arrives as it was.

#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

class Json {
public:
    Json &raw(std::u16string_view text)
    {
        m_text += text;
        return *this;
    }
    Json &string(std::u16string_view text)
    {
        m_text += u'"';
        for (const char16_t unit : text) {
            // A lone surrogate too goes as an escape, which JSON.parse turns back into it.
            if (unit < 0x20 || unit == u'"' || unit == u'\\' ||
                (unit >= 0xD800 && unit <= 0xDFFF)) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(unit));
                m_text.append(escape, escape + 6);
            } else {
                m_text += unit;
            }
        }
        m_text += u'"';
        return *this;
    }
    Json &string(std::string_view ascii)
    {
        return string(std::u16string(ascii.begin(), ascii.end()));
    }
    Json &number(long value) { return ascii(std::to_string(value)); }
    // Enough digits for a position on the screen; JSON has no infinity.
    Json &number(double value)
    {
        if (!std::isfinite(value))
            return raw(u"null");
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.6g", value);
        return ascii(digits);
    }
    Json &number(int value) { return number(static_cast<long>(value)); }
    Json &boolean(bool value) { return raw(value ? u"true" : u"false"); }
    Json &key(std::u16string_view name)
    {
        if (m_text.back() != u'{')
            m_text += u',';
        return string(name).raw(u":");
    }
    // A list, each item written by `write(json, item)`.
    template<class List, class Write>
    Json &list(const List &items, Write write)
    {
        m_text += u'[';
        bool first = true;
        for (const auto &item : items) {
            if (!first)
                m_text += u',';
            first = false;
            write(*this, item);
        }
        m_text += u']';
        return *this;
    }
    template<class Strings>
    Json &strings(const Strings &items)
    {
        return list(items, [](Json &json, const auto &text) { json.string(text); });
    }
    std::u16string take() { return std::move(m_text); }

private:
    Json &ascii(std::string_view text)
    {
        m_text.append(text.begin(), text.end());
        return *this;
    }
    std::u16string m_text;
};
