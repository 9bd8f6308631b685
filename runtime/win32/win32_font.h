// The window's font on Windows: the system's message font, and GDI's measure of texts for the font rule.
#pragma once

#include "runtime/font_fit.h"

#include <windows.h>

#include <vector>

namespace ringcalc::runtime {

/// The system's message font at dpi.
[[nodiscard]] LOGFONTW messageFont(UINT dpi);

/// The font's family at a size in points at dpi; the caller deletes it.
[[nodiscard]] HFONT fontAt(LOGFONTW font, double points, UINT dpi);

/// The size in points of the message font's family, no larger than the system's, at which every text of
/// rooms fits in its room at dpi (the shared font rule, measured with GDI).
[[nodiscard]] double fittedFontPoints(const std::vector<TextRoom>& rooms, UINT dpi);

} // namespace ringcalc::runtime
