// Tests of what a window description means for every toolkit: its checks, orders, events and pixels.
#include "bad_projects.h"
#include "runtime/runtime_error.h"
#include "runtime/window_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ringcalc::testing {
namespace {

using runtime::ControlKind;
using runtime::Event;

// The window's controls out of order: tab indexes 2, 0, –, 1, –, – (labels take none that counts).
const runtime::WindowDescription kWindow{
    "F",
    "F",
    1500,
    1500,
    {
        {.kind = ControlKind::TextBox, .name = "Second", .tabIndex = 2},
        {.kind = ControlKind::Button, .name = "First", .tabIndex = 0},
        {.kind = ControlKind::Label, .name = "Loose", .tabIndex = 5},
        {.kind = ControlKind::TextBox, .name = "Middle", .tabIndex = 1},
        {.kind = ControlKind::Label, .name = "Caption", .tabIndex = 4, .labelFor = "Second"},
        {.kind = ControlKind::Label, .name = "Result", .tabIndex = 6, .selectable = true},
    },
    "First"};

[[nodiscard]] std::vector<std::string> names(const std::vector<std::size_t>& order) {
    std::vector<std::string> result;
    result.reserve(order.size());
    for (const std::size_t i : order) {
        result.emplace_back(kWindow.controls[i].name);
    }
    return result;
}

TEST(WindowRules, FocusGoesByTabIndexAndSkipsLabels) {
    EXPECT_EQ(names(runtime::focusOrder(kWindow)), (std::vector<std::string>{"First", "Middle", "Second"}));
}

TEST(WindowRules, EachLabelIsCreatedJustBeforeTheControlItNamesAndASelectableOneFirst) {
    EXPECT_EQ(names(runtime::creationOrder(kWindow)),
              (std::vector<std::string>{"Result", "First", "Middle", "Caption", "Second", "Loose"}));
    // A layer whose Tab order is its creation order (Win32's) gets the focus order by it.
    std::vector<std::size_t> created = runtime::creationOrder(kWindow);
    std::erase_if(created, [](std::size_t i) { return !runtime::takesFocus(kWindow.controls[i]); });
    EXPECT_EQ(created, runtime::focusOrder(kWindow));
}

TEST(WindowRules, ASoundDescriptionPassesAndItsLabelsAreFound) {
    EXPECT_NO_THROW(runtime::checkDescription(kWindow));
    ASSERT_NE(runtime::labelOf(kWindow, "Second"), nullptr);
    EXPECT_EQ(runtime::labelOf(kWindow, "Second")->name, "Caption");
    EXPECT_EQ(runtime::labelOf(kWindow, "Middle"), nullptr);
    EXPECT_THROW((void)runtime::controlNamed(kWindow, "Gone"), runtime::RuntimeError);
}

TEST(WindowRules, EveryFaultOfADescriptionOrABindingNamesTheControlAtFault) {
    for (const auto& c : badProjects()) {
        try {
            runtime::checkDescription(c.window);
            runtime::checkBindings(c.window, c.bindings);
            ADD_FAILURE() << c.what << " passed";
        } catch (const runtime::RuntimeError& error) {
            EXPECT_EQ(error.what(), faultAbout(c.atFault)) << c.what;
            EXPECT_EQ(error.kind(), runtime::ErrorKind::InvalidArgument) << c.what;
        }
    }
}

TEST(WindowRules, OnlyButtonsAreClickedAndOnlyTextBoxesChange) {
    EXPECT_TRUE(runtime::hasEvent(ControlKind::Button, Event::Click));
    EXPECT_TRUE(runtime::hasEvent(ControlKind::TextBox, Event::Change));
    EXPECT_FALSE(runtime::hasEvent(ControlKind::Button, Event::Change));
    EXPECT_FALSE(runtime::hasEvent(ControlKind::TextBox, Event::Click));
    EXPECT_FALSE(runtime::hasEvent(ControlKind::Label, Event::Click));
    EXPECT_FALSE(runtime::hasEvent(ControlKind::Label, Event::Change));
}

TEST(WindowRules, TwipsArePixelsAtEveryResolution) {
    struct Case {
        int twips;
        int dpi;
        int pixels;
    };
    // 1440 twips an inch: at 96 dpi 15 twips a pixel, at 144 dpi 10, at 120 dpi 12 (1815 / 12 = 151.25).
    const Case cases[] = {{1815, 96, 121}, {1815, 144, 182}, {1815, 120, 151}, {10980, 192, 1464},
                          {7, 96, 0},      {8, 96, 1},       {-8, 96, -1},     {0, 144, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(runtime::twipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
    }
}

} // namespace
} // namespace ringcalc::testing
