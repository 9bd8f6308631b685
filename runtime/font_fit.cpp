// The window's font rule, over a measure that each toolkit's layer provides.
#include "runtime/font_fit.h"

#include <algorithm>

namespace ringcalc::runtime {
namespace {

[[nodiscard]] bool fitsAll(const TextMeasure& measure, const std::vector<TextRoom>& rooms, double size) {
    return std::all_of(rooms.begin(), rooms.end(), [&measure, size](const TextRoom& room) {
        const TextExtent extent = measure.extent(room.text, size);
        return extent.height <= room.height && extent.width <= room.width;
    });
}

} // namespace

std::optional<TextRoom> textRoom(const ControlDescription& control, double width, double height, const Insets& insets) {
    if (control.autoSize) {
        return std::nullopt;
    }
    TextRoom room{std::string(control.caption), width - insets.left - insets.right,
                  height - insets.top - insets.bottom};
    if (control.kind == ControlKind::TextBox) {
        room.text.clear(); // its text scrolls
        room.height -= 2;
    }
    return room;
}

FontSteps fontSteps(double size, bool inPoints, double dpi) noexcept {
    if (inPoints) {
        return {size, 0.5, 8.0 * 72.0 / dpi};
    }
    return {size, 1.0, 8.0};
}

double fittedFontSize(const TextMeasure& measure, const std::vector<TextRoom>& rooms, const FontSteps& steps) {
    // The places are fixed in pixels but the desktop's font is not. A family too wide even at the smallest
    // size keeps that size.
    double size = steps.start;
    while (size > steps.smallest && !fitsAll(measure, rooms, size)) {
        size = std::max(size - steps.step, steps.smallest);
    }
    return size;
}

} // namespace ringcalc::runtime
