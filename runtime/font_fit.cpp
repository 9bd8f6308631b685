// The window's font rule, over a measure that each toolkit's layer provides.
#include "runtime/font_fit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ringcalc::runtime {
namespace {

[[nodiscard]] bool fitsAll(const TextMeasure& measure, const std::vector<TextRoom>& rooms, double size) {
    return std::all_of(rooms.begin(), rooms.end(), [&measure, size](const TextRoom& room) {
        const TextExtent extent = measure.extent(room.text, size);
        return extent.height <= room.height && extent.width <= room.width;
    });
}

// More steps than any font has sizes; a larger count is cut to it.
constexpr int kMostSteps = 10000;

// About how many times its font's size a line is high, for the first size measured only.
constexpr double kLineToSize = 1.2;

} // namespace

std::optional<TextRoom> textRoom(const ControlDescription& control, double width, double height, const Insets& insets) {
    if (control.autoSize) {
        return std::nullopt;
    }
    TextRoom room{control.caption, width - insets.left - insets.right, height - insets.top - insets.bottom};
    if (control.kind == ControlKind::TextBox) {
        room.text = {}; // its text scrolls
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
    if (rooms.empty() || !(steps.step > 0) || !(steps.start > steps.smallest)) {
        return steps.start;
    }
    // Each size measured costs the toolkit a font of that size, so the steps are not walked from the top.
    // Texts grow about in proportion to the size: one measure of every room, at the size whose line about
    // fills the lowest room, tells which step to try; the steps next to it then find the size exactly.
    const double stepCount = std::ceil((steps.start - steps.smallest) / steps.step);
    const int last = stepCount < kMostSteps ? static_cast<int>(stepCount) : kMostSteps;
    const auto sizeAt = [&steps](int index) { return std::max(steps.start - index * steps.step, steps.smallest); };
    const auto indexAt = [&steps, last](double size) {
        const double index = std::ceil((steps.start - size) / steps.step);
        return index > 0 ? (index < last ? static_cast<int>(index) : last) : 0;
    };
    double lowest = rooms.front().height;
    for (const TextRoom& room : rooms) {
        lowest = std::min(lowest, room.height);
    }
    const int first = indexAt(lowest / kLineToSize);
    double scale = std::numeric_limits<double>::infinity();
    bool fitsFirst = true;
    for (const TextRoom& room : rooms) {
        const TextExtent extent = measure.extent(room.text, sizeAt(first));
        fitsFirst = fitsFirst && extent.height <= room.height && extent.width <= room.width;
        if (extent.width > 0) {
            scale = std::min(scale, room.width / extent.width);
        }
        if (extent.height > 0) {
            scale = std::min(scale, room.height / extent.height);
        }
    }
    // Each walk below meets a step once, so the first size is the only one it could measure again.
    const auto fitsAt = [&](int index) { return index == first ? fitsFirst : fitsAll(measure, rooms, sizeAt(index)); };
    int index = indexAt(sizeAt(first) * scale);
    if (fitsAt(index)) {
        while (index > 0 && fitsAt(index - 1)) {
            --index;
        }
    } else {
        while (index < last && !fitsAt(index + 1)) {
            ++index;
        }
        index = std::min(index + 1, last);
    }
    return sizeAt(index);
}

} // namespace ringcalc::runtime
