#pragma once

#include <QList>
#include <QString>

// A window described as data, the way a form designer saves it. Positions and sizes are in twips
// (1/1440 inch) from the top left of the client area.
struct ControlLayout {
    enum class Kind { Label, TextBox, CommandButton };

    Kind kind;
    QString name;
    // A label's or button's caption, an entry box's start text.
    QString caption;
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    // What a screen reader announces for an entry box; labels and buttons announce their captions.
    QString accessibleName = {};
};

struct FormLayout {
    QString caption;
    int clientWidth;
    int clientHeight;
    QList<ControlLayout> controls;
    // The button that Enter in an entry box presses.
    QString defaultButton = {};
};

constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}
