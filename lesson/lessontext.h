#pragma once

// Pieces the lesson's Russian texts are made of; for the lesson's own sources only.

#include <initializer_list>
#include <string>
#include <string_view>

namespace lesson {

std::u16string trimmed(std::u16string_view);

// A count in decimal digits, with a minus when negative.
std::u16string count(long);

// The Russian word for `number` things: one, a few (2 to 4) or many.
std::u16string_view plural(long number, std::u16string_view one, std::u16string_view few,
                           std::u16string_view many);

// A caption's numbers, one blank between them (the window pads each with blanks).
std::u16string singleBlanks(std::u16string_view);

std::u16string concat(std::initializer_list<std::u16string_view>);

// What the partial last year's note says, with its share written as the caller writes amounts.
std::u16string partialYearNote(std::u16string_view share);

} // namespace lesson
