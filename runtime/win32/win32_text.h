// UTF-8 texts as the wide strings of the Windows API, and back.
#pragma once

#include <string>
#include <string_view>

namespace ringcalc::runtime {

/// A UTF-8 text as UTF-16; an invalid sequence becomes U+FFFD.
[[nodiscard]] std::wstring wideText(std::string_view text);

/// A UTF-16 text as UTF-8; an unpaired surrogate becomes U+FFFD.
[[nodiscard]] std::string utf8Text(std::wstring_view text);

} // namespace ringcalc::runtime
