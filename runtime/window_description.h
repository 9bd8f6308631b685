// The description a window is built from: its controls, their places in twips, their look.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace ringcalc::runtime {

/// The kinds of control a window description can hold.
enum class ControlKind { TextBox, Button, Label };

/// How a label places its text.
enum class TextAlignment { Left, Center };

/// The events of a control that an action can be bound to.
enum class Event {
    Click,  ///< a button pressed by mouse, Space or Enter
    Change, ///< a text box's text changed: each typed or deleted character, paste, cut or replaced selection
};

/// A label's frame.
enum class BorderStyle { None, FixedSingle };

/// A colour as 0x00BBGGRR: red in the low byte, then green, then blue.
using Colour = std::uint32_t;

/// One control of a window: kind, name, starting text, place and size in twips, focus order, look. The
/// members stand in the order of a row of a window's table.
struct ControlDescription {
    ControlKind kind = ControlKind::Label;
    std::string_view name;            ///< unique within its window, such as "Text1"
    std::string_view caption;         ///< the caption of a button or label, the text of a text box (UTF-8)
    int left = 0;                     ///< twips from the client area's left edge
    int top = 0;                      ///< twips from the client area's top edge
    int width = 0;                    ///< twips; for an auto-sized label, the fit of its starting caption
    int height = 0;                   ///< twips
    int tabIndex = 0;                 ///< focus order among the window's controls, lowest first
    std::optional<Colour> foreColour; ///< text colour; the system's when there is none
    TextAlignment alignment = TextAlignment::Left;
    BorderStyle border = BorderStyle::None;
    std::string_view labelFor; ///< for a label: the control it names, announced by screen readers with it
    bool autoSize = false;     ///< a label that takes the size of its caption whenever the caption is set
    bool selectable = false;   ///< a label whose text the mouse can select and the user copy; it takes no Tab focus
};

/// A top-level window: its name, caption, client area in twips, controls and default button.
struct WindowDescription {
    std::string_view name;
    std::string_view caption;
    int clientWidth = 0;  ///< twips
    int clientHeight = 0; ///< twips
    std::vector<ControlDescription> controls;
    std::string_view defaultButton; ///< the button that Enter in a text box presses; none when empty
};

} // namespace ringcalc::runtime
