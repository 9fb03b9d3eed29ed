// Any UTF-16 text reads as a finite number, or raises the overflow error.
#include "conversions.h"
#include "runtimeerror.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(data),
                                            static_cast<qsizetype>(size / 2));
    try {
        if (!std::isfinite(textToNumber(text)))
            std::abort();
    } catch (const RuntimeError &error) {
        if (error.kind() != RuntimeError::Kind::Overflow)
            std::abort();
    }
    return 0;
}
