#pragma once

// The lesson's state as a link holds it, read and written the same way by both editions:
// #program=pickmin&input=5%203%208&step=17 or #program=Bank&amount=…&rate=…&payment=…, each
// key and value percent-encoded UTF-8. The desktop opens `lesson 'URL-or-fragment'` with it.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lesson {

struct LessonLink {
    std::u16string program; // a choice's program (lessonchoices.h)
    // The boxes' texts, as the boxes hold them: cut at 32767 characters, then made one line as
    // an entry box makes pasted text (asOneLine), so the box and the lesson show the same.
    std::u16string input, amount, rate, payment;
    int step = 0; // a sort's step, not yet clamped to its trace
    // Keys this build does not read, in their order, written back as they came.
    std::vector<std::pair<std::u16string, std::u16string>> other;

    bool operator==(const LessonLink &) const = default;
};

// The first choice on the windows' start texts, step 0.
LessonLink defaultLink();

// A whole address (what follows its first '#'), or a fragment with or without its '#'. Missing or
// unusable values are taken from `defaults`; a step is decimal digits (beyond an int, the
// largest int). A value that is no valid percent-encoded UTF-8 is taken as written.
LessonLink parseLink(std::u16string_view link, const LessonLink &defaults = defaultLink());

// The fragment, '#' first: the program, then its boxes (the loan's three, or the numbers), then
// the step for a sort, then `other`. Encoded as a browser's encodeURIComponent does; a lone
// surrogate goes as U+FFFD.
std::u16string formatLink(const LessonLink &);

} // namespace lesson
