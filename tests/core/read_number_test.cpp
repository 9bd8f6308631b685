// Tests of ReadNumber: the forms of a number, rounding, overflow and long texts.
#include "bit_cast.h"
#include "raised_error.h"
#include "runtime/read_number.h"
#include "runtime/runtime_error.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

namespace {

using ringcalc::runtime::ErrorKind;
using ringcalc::runtime::ReadNumber;
using ringcalc::runtime::RuntimeError;

struct ReadCase {
    const char* text;
    double value;
};

TEST(ReadNumber, ReadsTheNumberAtTheStartOfTheText) {
    const ReadCase cases[] = {
        {"1", 1.0},
        {"360", 360.0},
        {"-1", -1.0},
        {"+2", 2.0},
        {"  \t 7", 7.0}, // leading blanks and tabs are skipped
        {"2.5", 2.5},
        {"2,5", 2.5}, // a comma is a decimal separator too
        {"5.", 5.0},
        {".5", 0.5},
        {",5", 0.5},
        {"-.5", -0.5},
        {"1e3", 1000.0},
        {"1E+3", 1000.0},
        {"25e-1", 2.5},
        {"1,5e2", 150.0},
        {"007", 7.0},
        {"02", 2.0},
        {"5e", 5.0}, // an 'e' without a digit is not part of the number
        {"5e+", 5.0},
        {"5e-x", 5.0},
        {"7kg", 7.0}, // whatever follows the number is ignored
        {"1.2.3", 1.2},
        {"1,5;2", 1.5},
        {"3 4", 3.0},
        {"1e-400", 0.0}, // too small: rounds to zero, no error
        {"0e999999999999999999999", 0.0},
        {"0.1", 0.1}, // the double nearest 1/10, as the compiler rounds the literal
        {"4.9e-324", 4.9e-324},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(ReadNumber, TextsThatBeginWithNoNumberReadZero) {
    for (const char* text : {"", " ", "abc", "-", "+", ".", ",", "-.", "e5", "E", "\xD0\xB0", "- 5", "\t", "+-1"}) {
        EXPECT_EQ(ringcalc::testing::bitCast<std::uint64_t>(ReadNumber(text)), 0U) << '"' << text << '"';
    }
}

TEST(ReadNumber, KeepsTheSignOfAZero) {
    EXPECT_TRUE(std::signbit(ReadNumber("-0")));
    EXPECT_TRUE(std::signbit(ReadNumber("-1e-400")));
    EXPECT_FALSE(std::signbit(ReadNumber("0")));
}

TEST(ReadNumber, IsCorrectlyRoundedForLongTexts) {
    // 0.1 followed by thousands of zeros and a final 1 lies just above 0.1, far nearer to it than half an
    // ulp: the correctly rounded double is 0.1 itself. Summing digits by hand drifts in the last bits.
    const std::string nearTenth = "0.1" + std::string(5000, '0') + "1";
    EXPECT_EQ(ReadNumber(nearTenth), 0.1);
    // 2^-1074 / 2 = 2.4703282292062327e-324 is the tie between zero and the smallest subnormal; a digit
    // far down breaks the tie upwards.
    EXPECT_EQ(ReadNumber("2.4703282292062328" + std::string(3000, '0') + "1e-324"), 4.9406564584124654e-324);
    EXPECT_EQ(ReadNumber(std::string(300, '9') + "e-300"), 1e0);
}

TEST(ReadNumber, MagnitudesBeyondADoubleRaiseOverflow) {
    const std::string cases[] = {
        "1e400",
        "-1e400",
        "1.7976931348623159e308",
        std::string(400, '9'),
        "0," + std::string(3, '0') + "1e313",
        "1e99999999999999999999999999",
        std::string(1'000'000, '7'),
    };
    for (const auto& text : cases) {
        EXPECT_EQ(ringcalc::testing::raisedError([&text] { return ReadNumber(text); }), ErrorKind::Overflow)
            << text.substr(0, 40);
    }
    EXPECT_EQ(ReadNumber("1.7976931348623157e308"), 1.7976931348623157e308); // the largest double is fine
}

TEST(ReadNumber, ReadsAMegabyteOfDigits) {
    // One point, then a million digits: 0.333... reads as the double nearest 1/3.
    EXPECT_EQ(ReadNumber("0." + std::string(1'000'000, '3')), 1.0 / 3.0);
}

// Texts made from random doubles, whose correct reading follows from the double itself: its 17 digits read
// back to it; the exact midpoint to the next double up (printf writes it whole from a long double, which
// holds it where the C library is glibc) reads as the even one of the two, and a digit 1 after its last
// (the 802nd) tips it up.
TEST(ReadNumber, ReadsRandomDoublesAndTheMidpointsBetweenThem) {
    std::mt19937_64 random(20261209);
    int mismatches = 0;
    const auto expectRead = [&mismatches](const std::string& text, double expected) {
        if (ReadNumber(text) != expected && ++mismatches <= 5) {
            ADD_FAILURE() << text.substr(0, 30) << "... != " << std::hexfloat << expected;
        }
    };
    for (int i = 0; i < 10'000; ++i) {
        const double value = std::fabs(ringcalc::testing::bitCast<double>(random()));
        const double next = std::nextafter(value, INFINITY);
        if (!std::isfinite(next)) {
            continue;
        }
        char text[1000];
        std::snprintf(text, sizeof text, "%.17g", value);
        expectRead(text, value);
#if defined(__GLIBC__) && LDBL_MANT_DIG >= 64
        std::snprintf(text, sizeof text, "%.800Le", (static_cast<long double>(value) + next) / 2);
        std::string midpoint = text;
        expectRead(midpoint, (ringcalc::testing::bitCast<std::uint64_t>(value) & 1U) == 0 ? value : next);
        midpoint.insert(midpoint.find('e'), "1");
        expectRead(midpoint, next);
#endif
    }
    EXPECT_EQ(mismatches, 0);
}

} // namespace
