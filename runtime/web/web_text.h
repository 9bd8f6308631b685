// UTF-8 texts to and from the page's strings.
#pragma once

#include <algorithm>
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace ringcalc::runtime {

/// The page's text that a call into JavaScript returned as a malloc'd UTF-8 string of length bytes, taken
/// over and freed.
[[nodiscard]] std::string takeText(char* text, int length);

/// A UTF-8 text's length for a call into JavaScript, which reads that many bytes of it (or up to a NUL).
[[nodiscard]] inline int textLength(std::string_view text) noexcept {
    return static_cast<int>(std::min(text.size(), static_cast<std::size_t>(std::numeric_limits<int>::max())));
}

} // namespace ringcalc::runtime
