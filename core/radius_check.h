// The radius check, run on every change of the inner radius.
#pragma once

#include "core/action_views.h"
#include "runtime/message_box.h"

#include <string>
#include <string_view>

namespace ringcalc::core {

/// The warning's prompt: two lines joined by a carriage return (UTF-8).
[[nodiscard]] std::string radiusWarningPrompt();

/// The warning's title.
inline constexpr std::string_view kRadiusWarningTitle = "Внимание!!!";

/// Whether the warning is due; equal radii are not a fault.
[[nodiscard]] constexpr bool innerExceedsOuter(double inner, double outer) noexcept {
    return inner > outer;
}

/// The action run on every change of the inner radius: warns in a modal box, and waits for it to close,
/// when the inner radius exceeds the outer. Changes nothing; raises runtime::RuntimeError from reading.
void CheckRadii(const RadiiView& window, runtime::MessageBoxService& messageBox);

} // namespace ringcalc::core
