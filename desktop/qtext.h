#pragma once

#include <QString>
#include <string>

// The core's UTF-16 text as Qt's, and back: the same code units, so positions and lengths agree.
inline QString toQString(const std::u16string &text)
{
    return QString::fromStdU16String(text);
}

inline std::u16string toCoreText(const QString &text)
{
    return text.toStdU16String();
}
