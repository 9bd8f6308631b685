// What a window description means, whatever the toolkit that builds it.
#include "runtime/window_rules.h"

#include "runtime/program.h"
#include "runtime/runtime_error.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace ringcalc::runtime {

void checkDescription(const WindowDescription& description) {
    const auto& controls = description.controls;
    for (auto c = controls.begin(); c != controls.end(); ++c) {
        if (std::any_of(controls.begin(), c, [&c](const ControlDescription& d) { return d.name == c->name; })) {
            throw RuntimeError(ErrorKind::InvalidArgument, c->name);
        }
        if (!c->labelFor.empty()) {
            if (c->kind != ControlKind::Label) {
                throw RuntimeError(ErrorKind::InvalidArgument, c->name); // only a label names another control
            }
            (void)controlNamed(description, c->labelFor);
        }
    }
    if (!description.defaultButton.empty() &&
        controlNamed(description, description.defaultButton).kind != ControlKind::Button) {
        throw RuntimeError(ErrorKind::InvalidArgument, description.defaultButton);
    }
}

void checkBindings(const WindowDescription& description, std::span<const EventBinding> bindings) {
    for (const EventBinding& binding : bindings) {
        if (!hasEvent(controlNamed(description, binding.control).kind, binding.event)) {
            throw RuntimeError(ErrorKind::InvalidArgument, binding.control);
        }
    }
}

std::size_t controlIndex(const WindowDescription& description, std::string_view name) {
    const auto& controls = description.controls;
    const auto found =
        std::find_if(controls.begin(), controls.end(), [name](const ControlDescription& c) { return c.name == name; });
    if (found == controls.end()) {
        throw RuntimeError(ErrorKind::InvalidArgument, name);
    }
    return static_cast<std::size_t>(found - controls.begin());
}

const ControlDescription* labelOf(const WindowDescription& description, std::string_view name) {
    const auto& controls = description.controls;
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [name](const ControlDescription& c) { return c.labelFor == name; });
    return found == controls.end() ? nullptr : &*found;
}

bool takesFocus(const ControlDescription& control) noexcept {
    return control.kind != ControlKind::Label;
}

namespace {

[[nodiscard]] std::vector<std::size_t> byTabIndex(const WindowDescription& description) {
    // A window has a few controls, and a stable insertion sort is all they need: std::stable_sort's merging
    // machinery would be most of the code the browser compiles before the window shows.
    std::vector<std::size_t> order(description.controls.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto tab = [&description](std::size_t i) { return description.controls[i].tabIndex; };
    for (std::size_t i = 1; i < order.size(); ++i) {
        for (std::size_t j = i; j > 0 && tab(order[j]) < tab(order[j - 1]); --j) {
            std::swap(order[j], order[j - 1]);
        }
    }
    return order;
}

} // namespace

std::vector<std::size_t> focusOrder(const WindowDescription& description) {
    std::vector<std::size_t> order = byTabIndex(description);
    std::erase_if(order, [&description](std::size_t i) { return !takesFocus(description.controls[i]); });
    return order;
}

std::vector<std::size_t> creationOrder(const WindowDescription& description) {
    const std::vector<std::size_t> order = byTabIndex(description);
    std::vector<std::size_t> created;
    created.reserve(order.size());
    // A selectable label reads as text, which screen readers would name after a caption made before it.
    for (const std::size_t i : order) {
        if (description.controls[i].selectable) {
            created.push_back(i);
        }
    }
    for (const std::size_t i : order) {
        const ControlDescription& c = description.controls[i];
        if ((c.kind == ControlKind::Label && !c.labelFor.empty()) || c.selectable) {
            continue; // created with the control it names, or first
        }
        for (const std::size_t j : order) {
            if (description.controls[j].labelFor == c.name) {
                created.push_back(j);
            }
        }
        created.push_back(i);
    }
    return created;
}

bool hasEvent(ControlKind kind, Event event) noexcept {
    switch (kind) {
    case ControlKind::Button:
        return event == Event::Click;
    case ControlKind::TextBox:
        return event == Event::Change;
    case ControlKind::Label:
        break;
    }
    return false;
}

} // namespace ringcalc::runtime
