#pragma once

#include <emscripten/emscripten.h>

#include <cstddef>
#include <cstdint>
#include <string>

// What a page's module shares with the page, which instantiates it without generated glue: its
// exported functions take numbers, and the page writes a text for them into the input buffer
// first (its `inputBuffer` export). A function that gives a text or a series returns where a view
// of it lies, its start and length, valid until the next call into the module. UTF-16 code units
// cross as they are, a lone surrogate too.
#define PAGE_EXPORT extern "C" EMSCRIPTEN_KEEPALIVE

struct PageView {
    std::uint32_t data;
    std::uint32_t length;
};

const std::u16string &pageInput();

template<class Unit>
const PageView *pageView(const Unit *data, std::size_t length)
{
    static_assert(sizeof(const Unit *) == sizeof(std::uint32_t));
    static PageView view;
    view = {static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(data)),
            static_cast<std::uint32_t>(length)};
    return &view;
}
inline const PageView *pageText(const std::u16string &text)
{
    return pageView(text.data(), text.size());
}
