// Fuzz target: the number texts' own exact arithmetic (the browser's build has no <charconv> for doubles)
// against the standard library's <charconv>, on any text and any double.
#include "runtime/decimal_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <system_error>

// A text reads as <charconv> reads it, to the bit, or fails as it does; the input's first eight bytes as a
// double are written as <charconv> writes them.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using ringcalc::runtime::DecimalRead;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double expected = 0.0;
    const auto [ptr, ec] =
        std::from_chars(text.data(), text.data() + text.size(), expected, std::chars_format::general);
    // Our grammar has no sign, no "inf" or "nan"; a text must also be read whole.
    const bool whole =
        ptr == text.data() + text.size() && !text.empty() && (text[0] == '.' || (text[0] >= '0' && text[0] <= '9'));
    DecimalRead want = DecimalRead::Invalid;
    if (whole && ec == std::errc::result_out_of_range) {
        want = DecimalRead::OutOfRange;
    } else if (whole && ec == std::errc{}) {
        want = DecimalRead::Done;
    }
    double read = -1.0;
    const DecimalRead got = ringcalc::runtime::readDecimal(text, read);
    if (got != want || (got == DecimalRead::Done && std::memcmp(&read, &expected, sizeof read) != 0)) {
        std::abort();
    }

    if (size >= sizeof(double)) {
        double value = 0.0;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value) && value != 0.0) {
            std::array<char, 64> buffer{};
            const auto written =
                std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
            if (ringcalc::runtime::generalText15(value) != std::string_view(buffer.data(), written.ptr)) {
                std::abort();
            }
        }
    }
    return 0;
}
