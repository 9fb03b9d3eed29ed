#pragma once

#include <string_view>

// The words the system itself shows, whatever the program and whatever the view.
namespace Texts {

inline constexpr std::u16string_view OverflowError = u"Ошибка выполнения: переполнение.";
inline constexpr std::u16string_view SubscriptError =
    u"Ошибка выполнения: индекс вне допустимого диапазона.";
inline constexpr std::u16string_view DivisionByZeroError = u"Ошибка выполнения: деление на ноль.";
inline constexpr std::u16string_view OutOfMemoryError = u"Ошибка выполнения: недостаточно памяти.";

// The one button of a message box.
inline constexpr std::u16string_view MessageOk = u"OK";

} // namespace Texts
