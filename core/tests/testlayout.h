#pragma once

#include "formlayout.h"

// A small form for the tests of the form model and of its views. Tab indexes deliberately out of
// the order of declaration.
inline FormLayout testLayout()
{
    using Kind = ControlLayout::Kind;
    return FormLayout{u"Проба",
                      6024,
                      3012,
                      {
                          {Kind::Label, u"Label1", u"Подпись", 240, 240, 3012, 252, 2},
                          {Kind::TextBox, u"Text1", u"12 345 6", 3600, 120, 2292, 372, 6, u"Сумма"},
                          {Kind::CommandButton, u"Command2", u"Расчет", 2280, 2520, 1692, 372, 0},
                          {Kind::CommandButton, u"Command3", u"Выход", 4200, 2520, 1692, 372, 1},
                      },
                      u"Command2"};
}
