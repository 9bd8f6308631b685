// UTF-8 texts as the wide strings of the Windows API, and back.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace ringcalc::runtime {

/// A UTF-8 text as UTF-16; an invalid sequence becomes U+FFFD.
[[nodiscard]] std::wstring wideText(std::string_view text);

/// A UTF-16 text as UTF-8; an unpaired surrogate becomes U+FFFD.
[[nodiscard]] std::string utf8Text(std::wstring_view text);

/// The whole text of a window or control.
[[nodiscard]] std::wstring windowText(HWND hwnd);

/// The system's text for an error code of GetLastError(), as UTF-8 on one line, or its number when the
/// system has none.
[[nodiscard]] std::string systemErrorText(DWORD code);

} // namespace ringcalc::runtime
