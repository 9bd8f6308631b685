// Tests of the areas action: the numbers, the result line and errors.
#include "bit_cast.h"
#include "core/ring_sector.h"
#include "fake_view.h"
#include "raised_error.h"
#include "runtime/runtime_error.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace ringcalc::testing {
namespace {

using namespace core;
using runtime::ErrorKind;

TEST(RingSector, PiIsTheDoubleNearestThreePointOneFour) {
    EXPECT_EQ(ringcalc::testing::bitCast<std::uint64_t>(PiApprox), 0x40091EB851EB851FULL);
}

// The three texts of the window, and what they bring: the result line, or where the computation fails.
struct TextsCase {
    const char* outer;
    const char* inner;
    const char* angle;
    const char* outcome;
};

TEST(RingSector, ShowsTheLineForTheThreeTexts) {
    // Areas are 3.14·r², the sector is area·angle/360, the share angle·100/360; each rounded, then written
    // with 15 significant digits.
    const TextsCase cases[] = {
        {"1", "0", "360", "Площадь: кольца=3.14; сектора=3.14; в процентах=100%"},                // the start texts
        {"2", "1", "180", "Площадь: кольца=9.42; сектора=4.71; в процентах=50%"},                 // 12.56 − 3.14
        {"10", "5", "60", "Площадь: кольца=235.5; сектора=39.25; в процентах=16.6666666666667%"}, // 314 − 78.5
        {"1", "2", "360", "Площадь: кольца=-9.42; сектора=-9.42; в процентах=100%"}, // inner > outer: negative
        {"1", "0", "720", "Площадь: кольца=3.14; сектора=6.28; в процентах=200%"},
        {"1", "0", "0", "Площадь: кольца=3.14; сектора=0; в процентах=0%"},
        {"", "", "", "Площадь: кольца=0; сектора=0; в процентах=0%"},                 // empty boxes read 0
        {"-1", "0", "360", "Площадь: кольца=3.14; сектора=3.14; в процентах=100%"},   // squared like any other
        {"1", "2", "0", "Площадь: кольца=-9.42; сектора=0; в процентах=0%"},          // −9.42·0 is −0, shown "0"
        {"2,5", "1.5", "90", "Площадь: кольца=12.56; сектора=3.14; в процентах=25%"}, // 19.625 − 7.065
        {"1", "0", "-90", "Площадь: кольца=3.14; сектора=-0.785; в процентах=-25%"},
        {"1e6", "0", "1", "Площадь: кольца=3140000000000; сектора=8722222222.22222; в процентах=0.277777777777778%"},
        {"1e8", "0", "360", "Площадь: кольца=3.14E+16; сектора=3.14E+16; в процентах=100%"},
    };
    for (const auto& c : cases) {
        FakeView form(c.outer, c.inner, c.angle);
        ShowResult(form);
        EXPECT_EQ(form.label4, c.outcome) << c.outer << " / " << c.inner << " / " << c.angle;
        EXPECT_EQ(form.label4Sets, 1);
        EXPECT_EQ(form.reads, "123"); // outer, inner, angle, each once
    }
}

TEST(RingSector, EachStepIsRoundedInItsOwnOrder) {
    // r = 3: 3.14·(3·3) = 28.260000000000002, while (3.14·3)·3 would give 28.259999999999998.
    auto r = ComputeRingSector({3, 0, 9});
    EXPECT_EQ(r.OuterArea, 28.260000000000002);
    EXPECT_EQ(r.InnerArea, 0.0);
    // ring 3.14, angle 9: (3.14·9)/360 = 0.0785 exactly as doubles go, while 3.14·(9/360) = 0.078500000000000014.
    r = ComputeRingSector({1, 0, 9});
    EXPECT_EQ(r.SectorArea, 0.0785);
    // angle 7: (7·100)/360 = 1.9444444444444444, while 7·(100/360) = 1.9444444444444446.
    r = ComputeRingSector({1, 0, 7});
    EXPECT_EQ(r.SectorPercent, 1.9444444444444444);
    // 2, 1, 180: 12.56 − 3.14 = 9.42 (bits of 9.4199999999999999), 9.42·180/360 = 4.71.
    r = ComputeRingSector({2, 1, 180});
    EXPECT_EQ(r.OuterArea, 12.56);
    EXPECT_EQ(r.InnerArea, 3.14);
    EXPECT_EQ(r.RingArea, 12.56 - 3.14);
    EXPECT_EQ(r.SectorArea, 4.71);
    EXPECT_EQ(r.SectorPercent, 50.0);
    // 10, 5, 60: 50/3 rounded is 16.666666666666668.
    EXPECT_EQ(ComputeRingSector({10, 5, 60}).SectorPercent, 16.666666666666668);
}

TEST(RingSector, TheLineIsJoinedFromItsFourTexts) {
    RingSectorResult result;
    result.RingArea = 1.5;
    result.SectorArea = -2;
    result.SectorPercent = 1e-5;
    EXPECT_EQ(BuildResultLine(result), "Площадь: кольца=1.5; сектора=-2; в процентах=1E-05%");
}

struct OverflowCase {
    const char* outer;
    const char* inner;
    const char* angle;
    const char* outcome;
    const char* report; // an overflow in reading names the box; one in computing is the runtime's own
};

TEST(RingSector, AnOverflowAnywhereLeavesTheCaptionAsItWas) {
    const char* computed = "Переполнение: число слишком велико";
    const OverflowCase cases[] = {
        {"1e400", "0", "360", "reading the outer radius", "caption of Text1: число слишком велико"},
        {"1", "1e400", "360", "reading the inner radius", "caption of Text2: число слишком велико"},
        {"1", "0", "1e400", "reading the angle", "caption of Text3: число слишком велико"},
        {"1e200", "0", "360", "squaring the outer radius", computed},
        {"0", "-1e155", "360", "squaring the inner radius", computed},
        {"1.3e154", "0", "360", "the product by pi: 1.69e308 × 3.14", computed},
        {"1e150", "0", "1e10", "the product of ring area and angle", computed},
        {"0", "0", "1e307", "the product of angle and 100", computed},
    };
    for (const auto& c : cases) {
        FakeView form(c.outer, c.inner, c.angle);
        try {
            ShowResult(form);
            ADD_FAILURE() << c.outcome << " raised nothing";
        } catch (const runtime::RuntimeError& error) {
            EXPECT_EQ(error.kind(), ErrorKind::Overflow) << c.outcome;
            EXPECT_STREQ(error.what(), c.report) << c.outcome;
        }
        EXPECT_EQ(form.label4, "Результат вычислений") << c.outcome;
        EXPECT_EQ(form.label4Sets, 0) << c.outcome;
    }
}

} // namespace
} // namespace ringcalc::testing
