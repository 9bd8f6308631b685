// Calling an event's action, and what becomes of an error that leaves it.
#pragma once

#include "runtime/message_box.h"

#include <functional>

namespace ringcalc::runtime {

class Form;

/// An event's action: called with the window and the runtime's message box.
using Action = std::function<void(Form& window, MessageBoxService& messageBox)>;

/// Title of the box that reports an error which left an action.
inline constexpr std::string_view kErrorBoxTitle = "Ошибка выполнения";

/// What that box says when memory ran out in the action.
inline constexpr std::string_view kOutOfMemoryText = "Недостаточно памяти: действие не выполнено";

/// What it says of any other error that is not the runtime's.
inline constexpr std::string_view kInternalErrorText = "Внутренняя ошибка программы: действие не выполнено";

/// Calls the action, with the boxes it shows owned by window; an error that leaves it is reported in a box
/// of window's with the critical icon and the program goes on. Never throws.
void dispatch(const Action& action, Form& window, MessageBoxService& messageBox) noexcept;

} // namespace ringcalc::runtime
