// Tests of the checked arithmetic, joining and character codes.
#include "raised_error.h"
#include "runtime/arithmetic.h"
#include "runtime/runtime_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

using namespace ringcalc::runtime;
using ringcalc::testing::raisedError;

constexpr double kBig = std::numeric_limits<double>::max();

struct FailingStep {
    const char* name;
    std::function<double()> step;
    ErrorKind kind;
};

TEST(Arithmetic, ResultsThatAreNotFiniteRaiseInsteadOfReturning) {
    const FailingStep cases[] = {
        {"square", [] { return power(1.4e154, 2); }, ErrorKind::Overflow}, // 1.96e308 > 1.797e308
        {"power", [] { return power(10, 400); }, ErrorKind::Overflow},
        {"product", [] { return product(kBig, 2); }, ErrorKind::Overflow},
        {"difference", [] { return difference(-kBig, kBig); }, ErrorKind::Overflow},
        {"quotient", [] { return quotient(kBig, 0.5); }, ErrorKind::Overflow},
        {"quotient by zero", [] { return quotient(1, 0); }, ErrorKind::DivisionByZero},
        {"zero by zero", [] { return quotient(0, -0.0); }, ErrorKind::DivisionByZero},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(raisedError(c.step), c.kind) << c.name;
    }
}

struct Step {
    const char* name;
    double result;
    double expected;
};

TEST(Arithmetic, StepsReturnTheCorrectlyRoundedResult) {
    const Step cases[] = {
        {"square of a negative", power(-3, 2), 9},
        // 0.1 is 0x3FB999999999999A, a little above 1/10; its exact square rounds to one ulp above 0.01.
        {"square of 0.1", power(0.1, 2), 0.010000000000000002},
        // 2^511 squared is 2^1022, exact and within the range, which ends just below 2^1024.
        {"square near the top", power(std::ldexp(1, 511), 2), std::ldexp(1, 1022)},
        {"square that underflows", power(1e-200, 2), 0}, // 1e-400 is below the smallest double: zero, no error
        {"tenth power", power(2, 10), 1024},
        {"product at the top", product(kBig, 1), kBig},
        {"difference at the top", difference(kBig, -0.0), kBig},
        {"quotient that underflows", quotient(5e-324, 2), 0}, // half the smallest subnormal rounds to even: zero
        // 1 + (2^-53 + 2^-78) lies just above the midpoint of 1 and 1 + 2^-52, so it rounds up. The x87 unit
        // first rounds it to 64 bits of mantissa, 1 + 2^-53, the midpoint itself, which then rounds to even: 1.
        {"difference rounded once, not twice", difference(1, -0x1.0000008p-53), 1 + 0x1p-52},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.result, c.expected) << c.name;
    }
}

TEST(Arithmetic, JoinsTextsAndNumbers) {
    EXPECT_EQ(join("a=", "b"), "a=b");
    EXPECT_EQ(join("", ""), "");
    EXPECT_EQ(join("x=", 0.5), "x=0.5");
    EXPECT_EQ(join("x=", -0.0), "x=0");
}

TEST(Arithmetic, CharacterGivesTheUtf8OfACodePoint) {
    EXPECT_EQ(character(13), "\r");
    EXPECT_EQ(character(0x416), "\xD0\x96");      // Ж
    EXPECT_EQ(character(0x20AC), "\xE2\x82\xAC"); // €
    EXPECT_EQ(character(0x1F600), "\xF0\x9F\x98\x80");
    for (const int bad : {-1, 0xD800, 0x110000}) {
        EXPECT_THROW((void)character(bad), RuntimeError) << bad;
    }
}

} // namespace
