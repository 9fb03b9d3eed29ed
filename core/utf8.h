#pragma once

#include <string>
#include <string_view>

// UTF-8 of UTF-16 text, for messages to developers; a lone surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view text);
