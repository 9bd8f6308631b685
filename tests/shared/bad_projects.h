// Window descriptions and bindings that no window layer may build: each names the control at fault.
#pragma once

#include "runtime/program.h"
#include "runtime/runtime_error.h"

#include <string>
#include <vector>

namespace ringcalc::testing {

struct BadProject {
    const char* what;
    runtime::WindowDescription window;
    std::vector<runtime::EventBinding> bindings;
    const char* atFault; ///< the control the error names: what() is "<atFault>: недопустимый аргумент"
};

/// Every fault of a description or a binding that the runtime refuses.
[[nodiscard]] inline std::vector<BadProject> badProjects() {
    using runtime::ControlKind;
    using runtime::Event;
    const runtime::ControlDescription text{.kind = ControlKind::TextBox, .name = "Text"};
    const runtime::ControlDescription button{.kind = ControlKind::Button, .name = "Button"};
    const runtime::ControlDescription label{.kind = ControlKind::Label, .name = "L"};
    const runtime::Action nothing = [](runtime::Form&, runtime::MessageBoxService&) {};
    const auto window = [](std::vector<runtime::ControlDescription> controls, std::string_view defaultButton = {}) {
        return runtime::WindowDescription{"F", "F", 1500, 1500, std::move(controls), defaultButton};
    };
    return {
        {"a button naming a control",
         window({text, {.kind = ControlKind::Button, .name = "B", .labelFor = "Text"}}),
         {},
         "B"},
        {"a label naming a missing control",
         window({{.kind = ControlKind::Label, .name = "L", .labelFor = "Gone"}}),
         {},
         "Gone"},
        {"two controls with one name",
         window({text, button, {.kind = ControlKind::Label, .name = "Text"}}),
         {},
         "Text"},
        {"a default button that is a text box", window({text, button}, "Text"), {}, "Text"},
        {"a default button that is not there", window({text}, "Gone"), {}, "Gone"},
        {"a binding to a missing control", window({text}), {{"Gone", Event::Click, nothing}}, "Gone"},
        {"a click of a text box", window({text}), {{"Text", Event::Click, nothing}}, "Text"},
        {"a change of a button", window({button}), {{"Button", Event::Change, nothing}}, "Button"},
        {"a click of a label", window({label}), {{"L", Event::Click, nothing}}, "L"},
    };
}

/// What building the program of that project raised, or "" when it was built.
[[nodiscard]] inline std::string refusalOf(const BadProject& project, runtime::MessageBoxService& messageBox) {
    try {
        const runtime::Program program({&project.window, project.bindings}, messageBox);
    } catch (const runtime::RuntimeError& fault) {
        return fault.what();
    }
    return {};
}

/// The error's text for a fault of that control.
[[nodiscard]] inline std::string faultAbout(const char* control) {
    return std::string(control) + ": недопустимый аргумент";
}

} // namespace ringcalc::testing
