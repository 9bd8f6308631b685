// The window's font in the page: the page's sans-serif family, measured in the page, for the font rule.
#pragma once

#include "runtime/font_fit.h"

#include <vector>

namespace ringcalc::runtime {

/// The size in CSS pixels, no larger than the page's own, at which the page's sans-serif family fits every
/// room (the shared font rule, measured in the page).
[[nodiscard]] double fittedPageFontSize(const std::vector<TextRoom>& rooms);

} // namespace ringcalc::runtime
