// Tests of the radius check on a fake window.
#include "core/radius_check.h"
#include "fake_view.h"
#include "runtime/read_number.h"
#include "runtime/runtime_error.h"
#include "window_cases.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace ringcalc::testing {
namespace {

using core::CheckRadii;
using runtime::ReadNumber;

struct RadiiCase {
    const char* outer;
    const char* inner;
    bool warns;
};

TEST(RadiusCheck, WarnsOnlyWhenTheInnerRadiusIsStrictlyGreater) {
    const RadiiCase cases[] = {
        {"1", "02", true}, // "0" with a "2" typed after it reads 2
        {"1", "1", false}, // equal radii do not warn
        {"1", "1,0", false},
        {"0", "", false}, // an empty box reads 0
        {"-5", "", true}, // 0 > −5
        {"10", "1", false},
        {"10", "15", true},
        {"abc", "0.001", true},            // a text with no number reads 0
        {"1e-400", "0", false},            // both round to zero
        {"2", "2.0000000000000004", true}, // the next double above 2
    };
    for (const auto& c : cases) {
        EXPECT_EQ(core::innerExceedsOuter(ReadNumber(c.inner), ReadNumber(c.outer)), c.warns)
            << c.outer << " / " << c.inner;
        FakeView form(c.outer, c.inner, "360");
        RecordingMessageBox box;
        CheckRadii(form, box);
        EXPECT_EQ(box.shown.size(), c.warns ? 1U : 0U) << c.outer << " / " << c.inner;
        EXPECT_EQ(form.box2, c.inner); // the check changes nothing
    }
}

// The browser's box returns at once, with the box still up: the check does nothing after showing it.
class ViewAtTheBox final : public runtime::MessageBoxService {
public:
    explicit ViewAtTheBox(const FakeView& view) : m_view(view) {}
    int show(std::string_view prompt, int style, std::string_view title) override {
        seen = {m_view.reads, m_view.label4Sets};
        return box.show(prompt, style, title);
    }
    std::pair<std::string, int> seen;
    RecordingMessageBox box;

private:
    const FakeView& m_view;
};

TEST(RadiusCheck, TheWarningIsTwoLinesWithTheStopIconAndTheLastThingTheCheckDoes) {
    FakeView form("1", "2", "360");
    ViewAtTheBox atTheBox(form);
    CheckRadii(form, atTheBox);
    EXPECT_EQ(atTheBox.seen, std::make_pair(form.reads, form.label4Sets));
    const RecordingMessageBox& box = atTheBox.box;
    ASSERT_EQ(box.shown.size(), 1U);
    EXPECT_EQ(box.shown[0].prompt, kWarningPrompt);
    EXPECT_EQ(box.shown[0].style, kWarningStyle);
    EXPECT_EQ(box.shown[0].title, kWarningTitle);
}

TEST(RadiusCheck, TheInnerRadiusIsReadFirstAndTheAngleNever) {
    FakeView form("1", "2", "360");
    RecordingMessageBox box;
    CheckRadii(form, box);
    EXPECT_EQ(form.reads, "21");
    // An inner radius that overflows stops the check before the outer one is read.
    FakeView overflowing("1", "-1e999", "360");
    EXPECT_THROW(CheckRadii(overflowing, box), runtime::RuntimeError);
    EXPECT_EQ(overflowing.reads, "2");
    EXPECT_EQ(box.shown.size(), 1U);
}

} // namespace
} // namespace ringcalc::testing
