#include "ui/form1.h"

namespace ringcalc::ui {

using runtime::BorderStyle;
using runtime::ControlKind;
using runtime::TextAlignment;
using runtime::WindowDescription;

namespace {

constexpr runtime::Colour blue = 0x00FF0000;
constexpr runtime::Colour red = 0x000000FF;

} // namespace

// Places and sizes in twips; each caption label stands under the box it names, as wide as it.
const WindowDescription& form1Description() {
    // clang-format off: one control a row, as a table
    static const WindowDescription description{
        "Form1",
        "Form1",
        10980,
        1410,
        {
            {.kind = ControlKind::TextBox,
             .name = "Text1",
             .caption = "1",
             .left = 60,
             .top = 120,
             .width = 1815,
             .height = 375,
             .tabIndex = 1},
            {.kind = ControlKind::TextBox,
             .name = "Text2",
             .caption = "0",
             .left = 1980,
             .top = 120,
             .width = 1815,
             .height = 375,
             .tabIndex = 2},
            {.kind = ControlKind::TextBox,
             .name = "Text3",
             .caption = "360",
             .left = 3900,
             .top = 120,
             .width = 1815,
             .height = 375,
             .tabIndex = 3},
            {.kind = ControlKind::Button,
             .name = "Command2",
             .caption = "Вывод данных",
             .left = 5820,
             .top = 120,
             .width = 3495,
             .height = 855,
             .tabIndex = 0},
            {.kind = ControlKind::Button,
             .name = "Command1",
             .caption = "Exit",
             .left = 9480,
             .top = 120,
             .width = 1395,
             .height = 855,
             .tabIndex = 8},
            {.kind = ControlKind::Label,
             .name = "Label1",
             .caption = "Внешний радиус",
             .left = 60,
             .top = 600,
             .width = 1815,
             .height = 255,
             .tabIndex = 4,
             .hasForeColour = true,
             .foreColour = blue,
             .alignment = TextAlignment::Center,
             .names = "Text1"},
            {.kind = ControlKind::Label,
             .name = "Label2",
             .caption = "Внутренний радиус",
             .left = 1980,
             .top = 600,
             .width = 1815,
             .height = 255,
             .tabIndex = 5,
             .hasForeColour = true,
             .foreColour = blue,
             .alignment = TextAlignment::Center,
             .names = "Text2"},
            {.kind = ControlKind::Label,
             .name = "Label3",
             .caption = "Угол сектора",
             .left = 3900,
             .top = 600,
             .width = 1815,
             .height = 255,
             .tabIndex = 6,
             .hasForeColour = true,
             .foreColour = blue,
             .alignment = TextAlignment::Center,
             .names = "Text3"},
            // Its size is the fit of the start caption at 96 dpi; the label fits itself to every caption.
            {.kind = ControlKind::Label,
             .name = "Label4",
             .caption = "Результат вычислений",
             .left = 60,
             .top = 1080,
             .width = 1800,
             .height = 255,
             .tabIndex = 7,
             .hasForeColour = true,
             .foreColour = red,
             .border = BorderStyle::FixedSingle,
             .autoSize = true,
             .selectable = true},
        },
    };
    // clang-format on
    return description;
}

} // namespace ringcalc::ui
