#include "lessonlink.h"

#include "controls.h"
#include "lessonchoices.h"
#include "utf8.h"

#include <climits>
#include <optional>

namespace lesson {

namespace {

int hexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

// As a browser's decodeURIComponent: nullopt where it would throw (a '%' without two hex digits,
// or bytes that are no well-formed UTF-8).
std::optional<std::u16string> percentDecoded(std::u16string_view text)
{
    std::u16string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] != u'%') {
            decoded += text[i++];
            continue;
        }
        // One UTF-8 sequence, escaped byte by byte.
        const auto byteAt = [&](std::size_t at) -> int {
            if (at + 2 >= text.size() || text[at] != u'%')
                return -1;
            const int high = hexDigit(text[at + 1]), low = hexDigit(text[at + 2]);
            return high < 0 || low < 0 ? -1 : high * 16 + low;
        };
        const int lead = byteAt(i);
        if (lead < 0)
            return std::nullopt;
        int length = 1;
        char32_t code = static_cast<char32_t>(lead);
        char32_t least = 0;
        if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, code = lead & 0x07, least = 0x10000;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, code = lead & 0x0F, least = 0x800;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, code = lead & 0x1F, least = 0x80;
        } else if (lead >= 0x80) {
            return std::nullopt;
        }
        for (int k = 1; k < length; ++k) {
            const int next = byteAt(i + 3 * static_cast<std::size_t>(k));
            if (next < 0x80 || next > 0xBF)
                return std::nullopt;
            code = code << 6 | static_cast<char32_t>(next & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        if (code >= 0x10000) {
            decoded += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            decoded += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            decoded += static_cast<char16_t>(code);
        }
        i += 3 * static_cast<std::size_t>(length);
    }
    return decoded;
}

std::u16string decoded(std::u16string_view text)
{
    auto result = percentDecoded(text);
    return result ? std::move(*result) : std::u16string(text);
}

void appendEncoded(std::u16string &link, std::u16string_view text)
{
    static constexpr std::u16string_view Kept = u"-_.!~*'()";
    static constexpr char Hex[] = "0123456789ABCDEF";
    for (const unsigned char byte : toUtf8(text)) {
        const char16_t c = byte;
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
            Kept.find(c) != std::u16string_view::npos) {
            link += c;
        } else {
            link += u'%';
            link += static_cast<char16_t>(Hex[byte >> 4]);
            link += static_cast<char16_t>(Hex[byte & 0xF]);
        }
    }
}

// As the entry box takes a text put into it.
std::u16string asBoxHolds(std::u16string_view text)
{
    return asOneLine(text.substr(0, static_cast<std::size_t>(TextBox::MaxLength)));
}

std::optional<int> stepOf(std::u16string_view text)
{
    if (text.empty())
        return std::nullopt;
    long long step = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        step = std::min<long long>(INT_MAX, step * 10 + (c - u'0'));
    }
    return static_cast<int>(step);
}

// The fragment of a whole address, or the text itself when it is one: no '/', '?' or ':' before
// its first '='.
std::u16string_view fragmentOf(std::u16string_view link)
{
    if (const auto hash = link.find(u'#'); hash != std::u16string_view::npos)
        return link.substr(hash + 1);
    const auto equals = link.find(u'=');
    if (equals == std::u16string_view::npos ||
        link.substr(0, equals).find_first_of(u"/?:") != std::u16string_view::npos)
        return {};
    return link;
}

} // namespace

LessonLink defaultLink()
{
    LessonLink link;
    link.program = choices().front().program;
    link.input = numbersField().start;
    const std::vector<InputField> &loan = loanFields();
    link.amount = loan.at(0).start;
    link.rate = loan.at(1).start;
    link.payment = loan.at(2).start;
    return link;
}

LessonLink parseLink(std::u16string_view link, const LessonLink &defaults)
{
    LessonLink state = defaults;
    state.step = 0;
    state.other.clear();
    std::u16string_view rest = fragmentOf(link);
    while (!rest.empty()) {
        const auto end = rest.find(u'&');
        const std::u16string_view pair = rest.substr(0, end);
        rest = end == std::u16string_view::npos ? std::u16string_view() : rest.substr(end + 1);
        const auto equals = pair.find(u'=');
        if (equals == std::u16string_view::npos)
            continue;
        const std::u16string key = decoded(pair.substr(0, equals));
        std::u16string value = decoded(pair.substr(equals + 1));
        if (key == u"program") {
            if (findChoice(value))
                state.program = std::move(value);
        } else if (key == u"step") {
            if (const auto step = stepOf(value))
                state.step = *step;
        } else if (key == u"input") {
            state.input = asBoxHolds(value);
        } else if (key == u"amount") {
            state.amount = asBoxHolds(value);
        } else if (key == u"rate") {
            state.rate = asBoxHolds(value);
        } else if (key == u"payment") {
            state.payment = asBoxHolds(value);
        } else {
            state.other.emplace_back(key, std::move(value));
        }
    }
    return state;
}

std::u16string formatLink(const LessonLink &state)
{
    std::u16string link = u"#";
    const auto add = [&](std::u16string_view key, std::u16string_view value) {
        if (link.size() > 1)
            link += u'&';
        appendEncoded(link, key);
        link += u'=';
        appendEncoded(link, value);
    };
    add(u"program", state.program);
    const LessonChoice *choice = findChoice(state.program);
    const auto kind = choice ? choice->kind : LessonChoice::Kind::Sort;
    if (kind == LessonChoice::Kind::Loan) {
        add(u"amount", state.amount);
        add(u"rate", state.rate);
        add(u"payment", state.payment);
    } else {
        add(u"input", state.input);
    }
    if (kind == LessonChoice::Kind::Sort) {
        const std::string step = std::to_string(state.step);
        add(u"step", std::u16string(step.begin(), step.end()));
    }
    for (const auto &[key, value] : state.other)
        add(key, value);
    return link;
}

} // namespace lesson
