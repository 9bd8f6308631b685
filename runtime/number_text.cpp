#include "runtime/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace ringcalc::runtime {
namespace {

constexpr int significantDigits = 15;

} // namespace

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

    // Scientific form with 15 significant digits gives both the rounded digits and the exponent that
    // decides between the fixed and the exponent form, exactly as printf's %G decides.
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                      std::chars_format::scientific, significantDigits - 1);
    const char* p = buffer.data();
    std::array<char, significantDigits> digits{};
    digits[0] = *p;
    p += 2; // the leading digit and the point
    for (int i = 1; i < significantDigits; ++i) {
        digits[static_cast<std::size_t>(i)] = *p++;
    }
    ++p; // 'e'
    int exponent = 0;
    std::from_chars(p + 1, result.ptr, exponent);
    if (*p == '-') {
        exponent = -exponent;
    }
    int count = significantDigits;
    while (count > 1 && digits[static_cast<std::size_t>(count - 1)] == '0') {
        --count;
    }

    std::string text;
    text.reserve(32);
    if (value < 0) {
        text.push_back('-');
    }
    const auto digit = [&digits](int i) { return digits[static_cast<std::size_t>(i)]; };
    if (exponent < -4 || exponent >= significantDigits) {
        text.push_back(digit(0));
        if (count > 1) {
            text.push_back('.');
            for (int i = 1; i < count; ++i) {
                text.push_back(digit(i));
            }
        }
        text.push_back('E');
        text.push_back(exponent < 0 ? '-' : '+');
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) {
            text.push_back('0');
        }
        text += std::to_string(magnitude);
    } else if (exponent >= 0) {
        for (int i = 0; i <= exponent; ++i) {
            text.push_back(i < count ? digit(i) : '0');
        }
        if (count > exponent + 1) {
            text.push_back('.');
            for (int i = exponent + 1; i < count; ++i) {
                text.push_back(digit(i));
            }
        }
    } else {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        for (int i = 0; i < count; ++i) {
            text.push_back(digit(i));
        }
    }
    return text;
}

} // namespace ringcalc::runtime
