// Any UTF-16 text reads as a finite number, or raises the overflow error.
#include "numbertext.h"
#include "runtimeerror.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::u16string text(size / 2, u'\0');
    std::memcpy(text.data(), data, text.size() * sizeof(char16_t));
    try {
        if (!std::isfinite(textToNumber(text)))
            std::abort();
    } catch (const RuntimeError &error) {
        if (error.kind() != RuntimeError::Kind::Overflow)
            std::abort();
    }
    return 0;
}
