// Checks that the window suites of both toolkits share.
#pragma once

#include "fake_view.h"
#include "window_cases.h"

#include <gtest/gtest.h>

#include <vector>

namespace ringcalc::testing {

/// Expects every box shown to be the radius warning, text for text, with its icon.
inline void expectEachIsTheWarning(const std::vector<ShownBox>& shown) {
    for (const auto& box : shown) {
        EXPECT_EQ(box.prompt, kWarningPrompt);
        EXPECT_EQ(box.style, kWarningStyle);
        EXPECT_EQ(box.title, kWarningTitle);
    }
}

/// A length of the window's table in pixels at 96 dpi, at dpi: scaled and rounded to the nearest, half up,
/// as Windows' MulDiv does.
[[nodiscard]] constexpr int pixelsAt(int pixelsAt96, int dpi) noexcept {
    return (pixelsAt96 * dpi + 48) / 96;
}

} // namespace ringcalc::testing
