// Any finite double is written with at least one integer digit, a point and two decimals, and
// lies within half a hundredth of the number (at 15 significant digits).
#include "conversions.h"
#include "runtimeerror.h"

#include <QRegularExpression>
#include <cmath>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    double number = 0;
    std::memcpy(&number, data, std::min(size, sizeof number));
    QString text;
    try {
        text = formatWithPattern(number, u"###0.00");
    } catch (const RuntimeError &) {
        if (std::isfinite(number))
            std::abort();
        return 0;
    }
    static const QRegularExpression shape(QStringLiteral("^-?(0|[1-9][0-9]*)\\.[0-9]{2}$"));
    if (!shape.match(text).hasMatch())
        std::abort();
    try {
        const double back = textToNumber(text);
        if (std::fabs(back - number) > 0.005 + 1e-14 * std::fabs(number))
            std::abort();
    } catch (const RuntimeError &) {
        // Only the largest doubles, whose 15 digits round up past the range, read back as overflow.
        if (std::fabs(number) < 1.797693134862315e308)
            std::abort();
    }
    return 0;
}
