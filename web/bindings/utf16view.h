#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <string>

// A text as the page reads it: a view of its UTF-16 code units in the module's memory, so that
// every code unit, a lone surrogate too, arrives as it was (embind's own string types decode and
// encode them). Valid until the text changes or the next call into the module.
inline emscripten::val utf16View(const std::u16string &text)
{
    return emscripten::val(emscripten::typed_memory_view(
        text.size(), reinterpret_cast<const std::uint16_t *>(text.data())));
}
