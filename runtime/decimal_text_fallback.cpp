// The number texts' conversions where the standard library has none for doubles (the C++ library of
// emscripten 3.1): fast_float reads, correctly rounded; the C library's printf writes.
#include "runtime/decimal_text.h"

#include <fast_float/fast_float.h>

#include <array>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace ringcalc::runtime {

DecimalRead readDecimal(std::string_view text, double& value) noexcept {
    const char* last = text.data() + text.size();
    double read = 0.0;
    const auto [ptr, ec] = fast_float::from_chars(text.data(), last, read, fast_float::chars_format::general);
    if (ec != std::errc{} || ptr != last) {
        return DecimalRead::Invalid;
    }
    // fast_float gives infinity for a value too large and zero for one too small, where from_chars says
    // that they are out of range; a text of zeros is a true zero.
    const std::string_view digits = text.substr(0, text.find_first_of("eE"));
    const bool nonZero = digits.find_first_of("123456789") != std::string_view::npos;
    if (std::isinf(read) || (read == 0.0 && nonZero)) {
        return DecimalRead::OutOfRange;
    }
    value = read;
    return DecimalRead::Done;
}

std::string generalText15(double value) {
    std::array<char, 32> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.15g", value);
    std::string text(buffer.data(), length > 0 ? static_cast<std::size_t>(length) : 0U);
    // printf writes the decimal point of the process locale.
    const std::string_view point = std::localeconv()->decimal_point;
    if (const auto at = text.find(point); !point.empty() && point != "." && at != std::string::npos) {
        text.replace(at, point.size(), ".");
    }
    return text;
}

} // namespace ringcalc::runtime
