// Tests of NumberText against the C library's %.15G.
#include "bit_cast.h"
#include "runtime/number_text.h"

#include <gtest/gtest.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace {

using ringcalc::runtime::NumberText;

struct TextCase {
    double value;
    const char* text;
};

TEST(NumberText, WritesFifteenSignificantDigitsLikePercentG) {
    const TextCase cases[] = {
        {16.666666666666668, "16.6666666666667"}, // the double nearest 50/3, rounded at the 15th digit
        {235.5, "235.5"},
        {100.0, "100"},
        {-9.42, "-9.42"},
        {3.14, "3.14"},
        {0.1 + 0.2, "0.3"},                     // 0.30000000000000004 has 17 digits; the 16th and 17th go
        {1e15, "1E+15"},                        // decimal exponent 15: the exponent form
        {123456789012345.0, "123456789012345"}, // exponent 14: still fixed
        {999999999999999.4, "999999999999999"},
        {999999999999999.9, "1E+15"}, // rounding carries into a new digit and so into the exponent form
        {0.0001, "0.0001"},           // exponent -4: still fixed
        {0.00001, "1E-05"},           // exponent -5: the exponent form, two exponent digits at least
        {0.000123456, "0.000123456"},
        {1.5e20, "1.5E+20"},
        {1e100, "1E+100"},
        {-2.5e-300, "-2.5E-300"},
        {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {0.0, "0"},
        {-0.0, "0"}, // no sign on a zero
        {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberText(c.value), c.text) << "value " << c.value;
    }
}

#ifdef __EMSCRIPTEN__
// In the browser's build the texts are our own exact arithmetic's: the reference there is the JavaScript
// engine's own conversion, whose exponent form gives the exact decimal digits of a double up to 100 after
// the point ("-1.2345000...e+2"). Rounded here to 15 digits, ties to even as printf does.
EM_JS(int, jsExponentialInto, (double value, char* out, int size), {
    const text = value.toExponential(100);
    stringToUTF8(text, out, size);
    return lengthBytesUTF8(text);
});

std::string jsPercentG15(double value) {
    std::array<char, 128> buffer{};
    const int length = jsExponentialInto(value, buffer.data(), static_cast<int>(buffer.size()));
    const std::string text(buffer.data(), static_cast<std::size_t>(length));
    const bool negative = text.front() == '-';
    const std::size_t e = text.find('e');
    std::string exact = text.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
    exact.erase(1, 1); // the point after the first digit
    int exponent = std::stoi(text.substr(e + 1));
    std::string digits = exact.substr(0, 15);
    const char next = exact[15];
    const bool beyond = exact.find_first_not_of('0', 16) != std::string::npos;
    if (next > '5' || (next == '5' && (beyond || (digits.back() - '0') % 2 == 1))) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (i == 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[i - 1];
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    // %G: fixed from 1E-04 to below 1E+15, else the exponent form with two exponent digits at least.
    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        out += digits.substr(0, 1);
        if (digits.size() > 1) {
            out += "." + digits.substr(1);
        }
        const int magnitude = exponent < 0 ? -exponent : exponent;
        out += exponent < 0 ? "E-" : "E+";
        out += (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
    } else if (exponent < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        out += digits.size() <= whole ? digits + std::string(whole - digits.size(), '0')
                                      : digits.substr(0, whole) + "." + digits.substr(whole);
    }
    return out;
}
#endif

// The C library's own "%.15G" is the reference for finite numbers; this process never sets a locale, so it
// writes a point. For the rest our own rule is: C libraries differ there (Windows' writes "NAN" for a
// negative NaN).
std::string printfText(double value) {
    if (std::isnan(value)) {
        return std::signbit(value) ? "-NAN" : "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
#if defined(__EMSCRIPTEN__)
    return jsPercentG15(value);
#elif defined(RINGCALC_ORACLE_CHARCONV)
    // The implementation under test is the one for a library without <charconv>: this one's judges it.
    std::array<char, 64> buffer{};
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    std::string text(buffer.data(), written.ptr);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
#else
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return buffer;
#endif
}

TEST(NumberText, AgreesWithTheCLibraryOnAMillionRandomBitPatterns) {
    std::mt19937_64 random(20261208);
    int mismatches = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        const auto value = ringcalc::testing::bitCast<double>(random());
        const std::string expected = value == 0.0 ? "0" : printfText(value);
        const std::string actual = NumberText(value);
        if (actual != expected && ++mismatches <= 10) {
            ADD_FAILURE() << std::hexfloat << value << ": " << actual << " != " << expected;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

// Random bit patterns are mostly huge or tiny; the calculator's numbers are ordinary sized.
TEST(NumberText, AgreesWithTheCLibraryOnOrdinaryMagnitudes) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-6.0, 17.0);
    std::uniform_int_distribution<int> digits(0, 999'999);
    int mismatches = 0;
    for (int i = 0; i < 200'000; ++i) {
        const double values[] = {std::pow(10.0, exponent(random)), digits(random) / 1000.0,
                                 -digits(random) * 3.14 / 360.0};
        for (const double value : values) {
            const std::string expected = value == 0.0 ? "0" : printfText(value);
            if (NumberText(value) != expected && ++mismatches <= 10) {
                ADD_FAILURE() << std::hexfloat << value << ": " << NumberText(value) << " != " << expected;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

} // namespace
