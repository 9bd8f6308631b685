// Form1's description: one control a row.
#include "ui/form1.h"

namespace ringcalc::ui {

using enum runtime::ControlKind;
using enum runtime::TextAlignment;
using enum runtime::BorderStyle;
using runtime::WindowDescription;

namespace {

constexpr runtime::Colour kBlue = 0x00FF0000;
constexpr runtime::Colour kRed = 0x000000FF;

// One control a row: kind, name, caption, left, top, width, height (twips), tab index, text colour,
// alignment, border, the control a label names, whether it fits itself to its caption, whether its text can
// be selected and copied. Each caption label stands under the box it names, as wide as it; Label4's size is
// the fit of its start caption at 96 dpi.
// clang-format off
const std::vector<runtime::ControlDescription> kControls{
    {TextBox, "Text1",    "1",                    60,   120,  1815, 375, 1},
    {TextBox, "Text2",    "0",                    1980, 120,  1815, 375, 2},
    {TextBox, "Text3",    "360",                  3900, 120,  1815, 375, 3},
    {Button,  "Command2", "Вывод данных",         5820, 120,  3495, 855, 0},
    {Button,  "Command1", "Exit",                 9480, 120,  1395, 855, 8},
    {Label,   "Label1",   "Внешний радиус",       60,   600,  1815, 255, 4, kBlue, Center, None,        "Text1"},
    {Label,   "Label2",   "Внутренний радиус",    1980, 600,  1815, 255, 5, kBlue, Center, None,        "Text2"},
    {Label,   "Label3",   "Угол сектора",         3900, 600,  1815, 255, 6, kBlue, Center, None,        "Text3"},
    {Label,   "Label4",   "Результат вычислений", 60,   1080, 1800, 255, 7, kRed,  Left,   FixedSingle, {}, true, true},
};
// clang-format on

} // namespace

const WindowDescription& form1Description() {
    // Enter in any box computes, as in other calculators; Escape does nothing, so no stray key loses a text.
    static const WindowDescription description{"Form1", "Form1", 10980, 1410, kControls, "Command2"};
    return description;
}

} // namespace ringcalc::ui
