// The one guard of every window procedure of the layer: nothing escapes into the system's frames.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>

namespace ringcalc::runtime {

/// Reports what escaped a window's handling of a message.
using FaultReport = std::function<void(std::exception_ptr error)>;

/// Handles the exception in flight (call it only in a catch block): report shows it as an action's error;
/// without one, or when it throws too, the program ends with status 1 and a line, under the program's name,
/// that says why.
void reportFault(const FaultReport* report) noexcept;

/// Returns what handle, one message's handling, returns; when something escapes it, reportFault has it and
/// the result is 0. No exception leaves a window procedure: the system's frames between it and the message
/// loop cannot be unwound through (a 32-bit build's DWARF unwinder ends the program at once).
template <class Handle> LRESULT guarded(const FaultReport* report, Handle&& handle) noexcept {
    try {
        return handle();
    } catch (...) {
        reportFault(report);
        return 0;
    }
}

} // namespace ringcalc::runtime
