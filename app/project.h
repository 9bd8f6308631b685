// The program as the runtime starts it.
#pragma once

#include "runtime/program.h"

namespace ringcalc::app {

/// The program: start window Form1; "Вывод данных" shows the result, a change of the inner radius checks
/// the radii, "Exit" ends the program. No other event has an action.
[[nodiscard]] runtime::ProjectDescriptor projectDescriptor();

} // namespace ringcalc::app
