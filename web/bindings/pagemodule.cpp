#include "pagemodule.h"

namespace {
std::u16string input;
}

const std::u16string &pageInput()
{
    return input;
}

// Room for `length` code units, which the page fills before the call that reads them.
PAGE_EXPORT char16_t *inputBuffer(int length)
{
    input.resize(static_cast<std::size_t>(length < 0 ? 0 : length));
    return input.data();
}
