// UTF-8 texts to and from the page's strings.
#pragma once

#include <string>
#include <string_view>

namespace ringcalc::runtime {

/// The page's text that a call into JavaScript returned as a malloc'd UTF-8 string of length bytes, taken
/// over and freed.
[[nodiscard]] std::string takeText(char* text, int length);

/// A UTF-8 text as a NUL-terminated one, for a call into JavaScript.
[[nodiscard]] inline std::string cText(std::string_view text) {
    return std::string(text);
}

} // namespace ringcalc::runtime
