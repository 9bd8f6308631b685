// Tests of the dispatch boundary: every error that leaves an action is reported, and nothing leaves it.
#include "fake_view.h"
#include "runtime/bound_actions.h"
#include "runtime/dispatch.h"
#include "runtime/form.h"
#include "runtime/program.h"
#include "runtime/runtime_error.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace ringcalc::runtime {

// No window layer is linked into this suite: a window that is nothing but its description stands in.
struct Form::Native {};
Form::Form(const WindowDescription& description) : m_description(description), m_native(std::make_unique<Native>()) {}
Form::~Form() = default;
std::string Form::text(std::string_view /*name*/) const {
    return {};
}
void Form::setCaption(std::string_view /*name*/, std::string_view /*caption*/) {}
void Form::show() {}

} // namespace ringcalc::runtime

namespace ringcalc::testing {
namespace {

// A message box that fails as the desktop's might when memory runs out.
class FailingMessageBox final : public runtime::MessageBoxService {
public:
    int show(std::string_view, int, std::string_view) override { throw std::bad_alloc(); }
};

TEST(Dispatch, ReportsEveryErrorThatLeavesAnActionAndGoesOn) {
    const runtime::WindowDescription description{"Form", "Form", 1500, 1500, {}};
    runtime::Form window(description);
    const runtime::RuntimeError divided(runtime::ErrorKind::DivisionByZero);
    struct Thrown {
        const char* name;
        std::function<void()> raise;
        std::string_view prompt;
    };
    const Thrown cases[] = {
        {"runtime error", [&divided] { throw divided; }, divided.what()},
        {"out of memory", [] { throw std::bad_alloc(); }, runtime::kOutOfMemoryText},
        {"other exception", [] { throw std::logic_error("x"); }, runtime::kInternalErrorText},
        {"not an exception", [] { throw 42; }, runtime::kInternalErrorText},
    };
    for (const auto& c : cases) {
        RecordingMessageBox box;
        const runtime::Action action = [&c](runtime::Form& running, runtime::MessageBoxService& shownIn) {
            EXPECT_EQ(shownIn.owner(), &running) << c.name << ": the boxes belong to the window whose action runs";
            c.raise();
        };
        runtime::dispatch(action, window, box);
        ASSERT_EQ(box.shown.size(), 1U) << c.name;
        EXPECT_EQ(box.shown[0].prompt, c.prompt) << c.name;
        EXPECT_EQ(box.shown[0].style, runtime::kStyleCritical) << c.name;
        EXPECT_EQ(box.shown[0].title, runtime::kErrorBoxTitle) << c.name;
        EXPECT_EQ(box.owner(), nullptr) << c.name << ": the owner before comes back";
    }
    FailingMessageBox failing;
    const runtime::Action action = [](runtime::Form&, runtime::MessageBoxService&) { throw std::bad_alloc(); };
    EXPECT_NO_THROW(runtime::dispatch(action, window, failing));
}

// An action that fails is reported and the ones bound after it to the same event still run.
TEST(Dispatch, FiresEveryActionBoundToThatEventOfThatControlInOrder) {
    using runtime::Event;
    std::vector<runtime::ControlDescription> controls{{.kind = runtime::ControlKind::TextBox, .name = "Text"},
                                                      {.kind = runtime::ControlKind::Button, .name = "Go"}};
    const runtime::WindowDescription description{"Form", "Form", 1500, 1500, std::move(controls)};
    runtime::Form window(description);
    std::string log;
    const auto append = [&log](char c) { return [&log, c](runtime::Form&, runtime::MessageBoxService&) { log += c; }; };
    const std::vector<runtime::EventBinding> bindings{
        {"Go", Event::Click, append('a')},
        {"Text", Event::Change, append('b')},
        {"Go", Event::Click, [](runtime::Form&, runtime::MessageBoxService&) { throw std::logic_error("x"); }},
        {"Go", Event::Click, append('c')},
    };
    const runtime::BoundActions actions({&description, bindings});
    // control, event, the actions run, the boxes shown
    const std::tuple<std::size_t, Event, const char*, std::size_t> cases[] = {
        {1, Event::Click, "ac", 1}, {0, Event::Change, "b", 0}, {0, Event::Click, "", 0}, {1, Event::Change, "", 0}};
    for (const auto& [control, event, ran, boxes] : cases) {
        RecordingMessageBox box;
        log.clear();
        actions.fire(control, event, window, box);
        EXPECT_EQ(log, ran) << control << ' ' << static_cast<int>(event);
        EXPECT_EQ(box.shown.size(), boxes) << control << ' ' << static_cast<int>(event);
    }
}

} // namespace
} // namespace ringcalc::testing
