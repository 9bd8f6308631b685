#include "ui/form1.h"

namespace ringcalc::ui {

using runtime::BorderStyle;
using runtime::ControlDescription;
using runtime::ControlKind;
using runtime::TextAlignment;
using runtime::WindowDescription;

namespace {

constexpr runtime::Colour blue = 0x00FF0000;
constexpr runtime::Colour red = 0x000000FF;

[[nodiscard]] ControlDescription textBox(std::string_view name, std::string_view text, int left, int tabIndex) {
    ControlDescription d;
    d.kind = ControlKind::TextBox;
    d.name = name;
    d.caption = text;
    d.left = left;
    d.top = 120;
    d.width = 1815;
    d.height = 375;
    d.tabIndex = tabIndex;
    return d;
}

[[nodiscard]] ControlDescription button(std::string_view name, std::string_view caption, int left, int width,
                                        int tabIndex) {
    ControlDescription d;
    d.kind = ControlKind::Button;
    d.name = name;
    d.caption = caption;
    d.left = left;
    d.top = 120;
    d.width = width;
    d.height = 855;
    d.tabIndex = tabIndex;
    return d;
}

// The blue caption under a text box, as wide as the box, naming it.
[[nodiscard]] ControlDescription boxCaption(std::string_view name, std::string_view caption, int left, int tabIndex,
                                            std::string_view names) {
    ControlDescription d;
    d.kind = ControlKind::Label;
    d.name = name;
    d.caption = caption;
    d.left = left;
    d.top = 600;
    d.width = 1815;
    d.height = 255;
    d.tabIndex = tabIndex;
    d.hasForeColour = true;
    d.foreColour = blue;
    d.alignment = TextAlignment::Center;
    d.names = names;
    return d;
}

[[nodiscard]] ControlDescription resultLabel() {
    ControlDescription d;
    d.kind = ControlKind::Label;
    d.name = "Label4";
    d.caption = "Результат вычислений";
    d.left = 60;
    d.top = 1080;
    d.width = 1800; // the fit of the start caption at 96 dpi; the label fits itself to its caption
    d.height = 255;
    d.tabIndex = 7;
    d.hasForeColour = true;
    d.foreColour = red;
    d.border = BorderStyle::FixedSingle;
    d.autoSize = true;
    return d;
}

} // namespace

const WindowDescription& form1Description() {
    static const WindowDescription description{
        "Form1",
        "Form1",
        10980,
        1410,
        {
            textBox("Text1", "1", 60, 1),
            textBox("Text2", "0", 1980, 2),
            textBox("Text3", "360", 3900, 3),
            button("Command2", "Вывод данных", 5820, 3495, 0),
            button("Command1", "Exit", 9480, 1395, 8),
            boxCaption("Label1", "Внешний радиус", 60, 4, "Text1"),
            boxCaption("Label2", "Внутренний радиус", 1980, 5, "Text2"),
            boxCaption("Label3", "Угол сектора", 3900, 6, "Text3"),
            resultLabel(),
        },
    };
    return description;
}

} // namespace ringcalc::ui
