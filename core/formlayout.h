#pragma once

#include <string>
#include <vector>

// A window described as data, the way a form designer saves it. Positions and sizes are in twips
// (1/1440 inch) from the top left of the client area.
struct ControlLayout {
    enum class Kind { Label, TextBox, CommandButton };

    Kind kind;
    std::u16string name;
    // A label's or button's caption, an entry box's start text.
    std::u16string caption;
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    // What a screen reader announces for an entry box; labels and buttons announce their captions.
    std::u16string accessibleName = {};
};

struct FormLayout {
    std::u16string caption;
    int clientWidth;
    int clientHeight;
    std::vector<ControlLayout> controls;
    // The button that Enter in an entry box presses.
    std::u16string defaultButton = {};
};

constexpr int TwipsPerPixel = 15;

// Rounded to the nearest pixel, as every view places controls.
constexpr int twipsToPixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}
