// Tests of the window's font rule on a fake measure, without a display.
#include "runtime/font_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace ringcalc::runtime;

// Every character half the size wide, a line 1.25 times the size high: "Exit" at 10 is 20 wide, 12.5 high.
class FakeMeasure final : public TextMeasure {
public:
    [[nodiscard]] TextExtent extent(std::string_view text, double size) const override {
        return {static_cast<double>(text.size()) * size / 2, size * 1.25};
    }
};

struct FitCase {
    const char* what;
    std::vector<TextRoom> rooms;
    FontSteps steps;
    double expected;
};

TEST(FontFit, TheLargestStepAtWhichEveryRoomFits) {
    const FontSteps points9{9, 0.5, 6};
    const std::vector<FitCase> cases{
        {"everything fits at the system's size", {{"Exit", 20, 20}, {"", 100, 12}}, points9, 9},
        {"a wide caption: 10 characters fit 43 at 8.6, so 8.5", {{"0123456789", 43, 20}}, points9, 8.5},
        {"the widest room decides", {{"Exit", 100, 20}, {"0123456789", 40, 20}}, points9, 8},
        {"a text box's line: 1.25 × 7 = 8.75 fits 9, 7.5 would not", {{"", 500, 9}}, points9, 7},
        {"nothing fits even at the smallest size, which stays", {{"0123456789", 1, 1}}, points9, 6},
        {"a room that fits exactly", {{"0123", 18, 20}}, points9, 9},
        {"pixels step by one", {{"0123456789", 52, 100}}, FontSteps{13, 1, 8}, 10},
        {"a system font below the floor is kept", {{"0123456789", 1, 1}}, FontSteps{5, 0.5, 6}, 5},
        {"no rooms", {}, points9, 9},
    };
    for (const auto& c : cases) {
        FakeMeasure measure;
        EXPECT_EQ(fittedFontSize(measure, c.rooms, c.steps), c.expected) << c.what;
    }
}

// A measure that is not in proportion to the size, as a toolkit's is not: advances whole pixels with a
// pixel's margin, lines a whole pixel high. It notes each size it is asked for.
class RoundingMeasure final : public TextMeasure {
public:
    [[nodiscard]] TextExtent extent(std::string_view text, double size) const override {
        sizes.insert(size);
        return {std::ceil(static_cast<double>(text.size()) * size * 0.55) + 1, std::ceil(size * 1.17)};
    }
    mutable std::set<double> sizes;
};

// Whatever the room, the size found is the one a walk down every step from the start finds, and it takes
// no more than four sizes where the walk may take nine.
TEST(FontFit, TheGuessedStepIsTheOneEveryStepDownFinds) {
    for (const FontSteps steps : {FontSteps{16, 1, 8}, FontSteps{9, 0.5, 6}, FontSteps{8.25, 0.5, 6}}) {
        for (double width = 1; width <= 140; width += 1.5) {
            for (const double height : {8.0, 13.0, 17.0, 40.0}) {
                const std::vector<TextRoom> rooms{{"Внутренний радиус", width, height}, {"", 500, height + 2}};
                RoundingMeasure measure;
                double walked = steps.start;
                while (walked > steps.smallest && !(measure.extent(rooms[0].text, walked).width <= width &&
                                                    measure.extent("", walked).height <= height)) {
                    walked = std::max(walked - steps.step, steps.smallest);
                }
                RoundingMeasure counted;
                EXPECT_EQ(fittedFontSize(counted, rooms, steps), walked) << width << " × " << height;
                EXPECT_LE(counted.sizes.size(), 4U) << width << " × " << height;
            }
        }
    }
}

TEST(FontFit, StepsAreHalfPointsDownToEightPixels) {
    // 8 pixels are 6 points at 96 dpi (72 points an inch) and 4 points at 144 dpi.
    const FontSteps at96 = fontSteps(9, true, 96);
    EXPECT_EQ(at96.start, 9);
    EXPECT_EQ(at96.step, 0.5);
    EXPECT_EQ(at96.smallest, 6);
    EXPECT_EQ(fontSteps(9, true, 144).smallest, 4);
    const FontSteps pixels = fontSteps(12, false, 144);
    EXPECT_EQ(pixels.step, 1);
    EXPECT_EQ(pixels.smallest, 8);
}

// Each kind's room inside the toolkit's insets of a 100 × 30 place (left 1, top 2, right 3, bottom 4 leave
// 96 × 24); a text box loses a pixel more above and below, and asks for no width of its text.
TEST(FontFit, EachKindsRoomIsItsPlaceLessTheToolkitsInsets) {
    struct Case {
        ControlDescription control;
        std::optional<TextRoom> expected;
    };
    const Case cases[] = {
        {{.kind = ControlKind::Button, .caption = "Exit"}, TextRoom{"Exit", 96, 24}},
        {{.kind = ControlKind::Label, .caption = "Угол"}, TextRoom{"Угол", 96, 24}},
        {{.kind = ControlKind::TextBox, .caption = "360"}, TextRoom{"", 96, 22}},
        {{.kind = ControlKind::Label, .caption = "fits itself", .autoSize = true}, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto room = textRoom(c.control, 100, 30, {1, 2, 3, 4});
        ASSERT_EQ(room.has_value(), c.expected.has_value()) << c.control.caption;
        if (room) {
            EXPECT_EQ(room->text, c.expected->text);
            EXPECT_EQ(room->width, c.expected->width) << c.control.caption;
            EXPECT_EQ(room->height, c.expected->height) << c.control.caption;
        }
    }
}

} // namespace
