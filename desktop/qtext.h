#pragma once

#include <QString>
#include <string>
#include <string_view>

// The core's UTF-16 text as Qt's, and back: the same code units, so positions and lengths agree.
inline QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string toCoreText(const QString &text)
{
    return text.toStdU16String();
}
