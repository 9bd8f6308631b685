// The window's font rule: the largest size, no larger than the system's, at which every fixed caption fits.
#pragma once

#include "runtime/window_description.h"

#include <optional>
#include <string_view>
#include <vector>

namespace ringcalc::runtime {

/// The room a text takes on one line.
struct TextExtent {
    double width = 0;
    double height = 0; ///< a line's height in the font
};

/// Measures texts in the window's font family; each toolkit's layer provides one.
class TextMeasure {
public:
    /// The extent of text (UTF-8) at size (points or pixels, as the steps are), in the unit of the rooms.
    [[nodiscard]] virtual TextExtent extent(std::string_view text, double size) const = 0;

protected:
    TextMeasure() = default;
    TextMeasure(const TextMeasure&) = default;
    TextMeasure& operator=(const TextMeasure&) = default;
    ~TextMeasure() = default;
};

/// Where a control of fixed size shows its text: the text must fit on one line, a line's height within the
/// room's; an empty text (a text box, whose text scrolls) asks only for the height.
struct TextRoom {
    std::string_view text; ///< a caption of the window's description, which outlives the room
    double width = 0;
    double height = 0;
};

/// What a toolkit keeps for itself of a control's place, on each side, before its text: a text box's edge
/// and margins, a button's frame and focus rectangle, a label's frame. In the unit of the rooms.
struct Insets {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

/// The room of a control of that description, placed width by height, inside the toolkit's insets: a
/// button's or label's caption on one line; for a text box a line's height with a pixel free above and
/// below it. None for an auto-sized label, which takes the size of its caption.
[[nodiscard]] std::optional<TextRoom> textRoom(const ControlDescription& control, double width, double height,
                                               const Insets& insets);

/// The sizes the rule may choose between: from start down by step, to no less than smallest.
struct FontSteps {
    double start = 0;
    double step = 0;
    double smallest = 0;
};

/// The steps for a system font of size: in points, half a point at a time down to 8 pixels at dpi dots per
/// inch; in pixels, a pixel at a time down to 8.
[[nodiscard]] FontSteps fontSteps(double size, bool inPoints, double dpi) noexcept;

/// The largest size of the steps at which every room's text fits its room (a text no larger at a smaller
/// size); the smallest when none does. Measures every room once, at a size guessed from the lowest room,
/// then a few sizes near the fit.
[[nodiscard]] double fittedFontSize(const TextMeasure& measure, const std::vector<TextRoom>& rooms,
                                    const FontSteps& steps);

} // namespace ringcalc::runtime
