// The text form of a double: C's "%.15G" in the "C" locale.
#include "runtime/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace ringcalc::runtime {

std::string NumberText(double value) {
    if (std::isnan(value)) {
        return std::signbit(value) ? "-NAN" : "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    if (value == 0.0) {
        return "0"; // negative zero too
    }
    // The general form with a precision is printf's %g to the character, whatever the process locale; %G
    // differs only in the exponent's letter.
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    std::replace(buffer.data(), result.ptr, 'e', 'E');
    return {buffer.data(), result.ptr};
}

} // namespace ringcalc::runtime
