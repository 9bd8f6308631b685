// What a window description means, whatever the toolkit that builds it: which descriptions are sound, the
// order of focus and of creation, the events of each kind of control, twips at a resolution.
#pragma once

#include "runtime/window_description.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace ringcalc::runtime {

struct EventBinding;

/// Raises RuntimeError(InvalidArgument), about the control at fault, when two controls share a name, a
/// control that is not a label names another, a label names a control that is not there, or the default
/// button is not a button of the window.
void checkDescription(const WindowDescription& description);

/// Raises RuntimeError(InvalidArgument), about the control named, when a binding names a control that is
/// not in the description or an event that its kind of control does not have.
void checkBindings(const WindowDescription& description, std::span<const EventBinding> bindings);

/// The index in the description of the control of that name. Raises RuntimeError(InvalidArgument) about the
/// name when there is none.
[[nodiscard]] std::size_t controlIndex(const WindowDescription& description, std::string_view name);

/// The control of that name. Raises RuntimeError(InvalidArgument) about the name when there is none.
[[nodiscard]] inline const ControlDescription& controlNamed(const WindowDescription& description,
                                                            std::string_view name) {
    return description.controls[controlIndex(description, name)];
}

/// The label that names the control, or null when none does.
[[nodiscard]] const ControlDescription* labelOf(const WindowDescription& description, std::string_view name);

/// Whether the control takes the focus from Tab and the mouse: text boxes and buttons do, labels never.
[[nodiscard]] bool takesFocus(const ControlDescription& control) noexcept;

/// The indexes of the controls that take the focus, in the order the focus goes round them: lowest tab
/// index first, the description's order among equal ones.
[[nodiscard]] std::vector<std::size_t> focusOrder(const WindowDescription& description);

/// The indexes of every control in the order to create them: selectable labels first, so that no caption
/// stands before them; then by tab index, each label just before the control it names (where screen readers
/// look for a control's name), a label that names none in its place.
[[nodiscard]] std::vector<std::size_t> creationOrder(const WindowDescription& description);

/// Whether a control of that kind has that event: a button its click, a text box its change.
[[nodiscard]] bool hasEvent(ControlKind kind, Event event) noexcept;

/// Twips to pixels at a resolution, rounded to the nearest (1440 twips to the inch: 15 a pixel at 96 dpi).
[[nodiscard]] constexpr int twipsToPixels(int twips, int dpi = 96) noexcept {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + 720) / 1440 : -((-scaled + 720) / 1440));
}

} // namespace ringcalc::runtime
