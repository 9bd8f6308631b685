#include "runtime/arithmetic.h"
#include "runtime/runtime_error.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <random>

namespace {

using namespace ringcalc::runtime;

constexpr double big = std::numeric_limits<double>::max();

struct FailingStep {
    const char* name;
    std::function<double()> step;
    ErrorKind kind;
};

TEST(Arithmetic, ResultsThatAreNotFiniteRaiseInsteadOfReturning) {
    const FailingStep cases[] = {
        {"square", [] { return power(1.4e154, 2); }, ErrorKind::Overflow}, // 1.96e308 > 1.797e308
        {"power", [] { return power(10, 400); }, ErrorKind::Overflow},
        {"product", [] { return product(big, 2); }, ErrorKind::Overflow},
        {"difference", [] { return difference(-big, big); }, ErrorKind::Overflow},
        {"quotient", [] { return quotient(big, 0.5); }, ErrorKind::Overflow},
        {"quotient by zero", [] { return quotient(1, 0); }, ErrorKind::DivisionByZero},
        {"zero by zero", [] { return quotient(0, -0.0); }, ErrorKind::DivisionByZero},
    };
    for (const auto& c : cases) {
        try {
            (void)c.step();
            ADD_FAILURE() << c.name << " returned";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.kind(), c.kind) << c.name;
        }
    }
}

TEST(Arithmetic, TheSquareIsOneRoundedProduct) {
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> values(-1e6, 1e6);
    for (int i = 0; i < 10'000; ++i) {
        const double x = values(random);
        ASSERT_EQ(power(x, 2), x * x) << x;
    }
    EXPECT_EQ(power(-3, 2), 9.0);
    EXPECT_EQ(power(2, 10), 1024.0);
}

TEST(Arithmetic, StepsNearTheEdgeOfTheRangeStillReturn) {
    EXPECT_EQ(product(big, 1), big);
    EXPECT_EQ(difference(big, -0.0), big);
    EXPECT_EQ(quotient(5e-324, 2), 0.0); // underflow to zero is a number, not an error
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
