// The number texts' conversions on the standard library's <charconv>.
#include "runtime/decimal_text.h"

#include <array>
#include <charconv>
#include <system_error>

namespace ringcalc::runtime {

DecimalRead readDecimal(std::string_view text, double& value) noexcept {
    const char* last = text.data() + text.size();
    double read = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), last, read, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        return DecimalRead::OutOfRange;
    }
    if (ec != std::errc{} || ptr != last) {
        return DecimalRead::Invalid;
    }
    value = read;
    return DecimalRead::Done;
}

std::string generalText15(double value) {
    // The general form with a precision is printf's %g to the character, whatever the process locale.
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    return {buffer.data(), result.ptr};
}

} // namespace ringcalc::runtime
