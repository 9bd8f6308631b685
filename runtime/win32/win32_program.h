// The Win32 layer's message loop, which start() runs and the window suite runs too.
#pragma once

namespace ringcalc::runtime {

/// Runs the thread's message loop, with the dialog manager's keys, until the program ends; returns its exit
/// status (0 after end() or when the only window is closed). start() runs it; the window suite as well.
[[nodiscard]] int runMessageLoop();

} // namespace ringcalc::runtime
